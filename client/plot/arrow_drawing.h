// Draws a vector field's arrow in the window's arrow style and the current pen.
#pragma once

#include "arrow_shape.h"

namespace lumora::plot {

// The arrow from (x, y) along (dx, dy) in world units: a line, or a polygon filled in the
// pen's colour and outlined with the pen; false when the window refused it.
bool draw_arrow(const ArrowStyle& style, double x, double y, double dx, double dy,
                const DeviceScale& s);

}  // namespace lumora::plot
