// The ranges a window shows of its plot frames where the user zoomed or panned them.
#pragma once

#include <cstdint>
#include <map>

#include "plotcore/frame_view.h"

namespace luwnd {

// By frame number; a frame not named shows the program's own ranges.
using FrameViews = std::map<std::uint32_t, lumora::plotcore::Ranges>;

}  // namespace luwnd
