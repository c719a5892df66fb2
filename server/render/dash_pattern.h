// The dash patterns of the pen styles, shared by every canvas so that a dashed line looks
// the same in each picture format.
#pragma once

#include <vector>

#include "canvas.h"

namespace luwnd::render {

// On and off lengths in turn, in units of the pen width; empty for a solid line and for
// the styles a canvas draws its own way (none, alternate).
std::vector<double> dash_pattern(DashStyle dash);

}  // namespace luwnd::render
