// The ranges a window shows of its plot frames where the user zoomed or panned them.
#pragma once

#include <cstdint>
#include <map>
#include <set>

#include "plotcore/frame_view.h"
#include "plotcore/items.h"

namespace luwnd {

struct FrameView {
    lumora::plotcore::FrameSetup program;  // the frame as the program made it
    lumora::plotcore::Ranges shown;        // the ranges the user turned it to
    // Its frame was erased and no frame like it has come since.
    bool left_behind = false;
};

// By frame number; a frame not named shows the program's own ranges.
using FrameViews = std::map<std::uint32_t, FrameView>;

// A live view draws its frames again and again, each a frame of a new number. A new frame
// made exactly as one whose view outlived it (erased, or its layer replaced) takes over that
// view, so that what the user zoomed to stays zoomed from one picture to the next. present
// holds the numbers of the frames the window still shows. Whether a view was taken over.
bool take_over_views(FrameViews& views, const lumora::plotcore::Items& batch,
                     const std::set<std::uint32_t>& present);

// The window is erased: views already left behind at the last erase are let go (their
// frames did not come back), the others wait for a frame like theirs.
void leave_views_behind(FrameViews& views);

}  // namespace luwnd
