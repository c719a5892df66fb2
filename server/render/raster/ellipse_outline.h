// The ellipse inscribed in a box as a closed polygon fine enough for its size on the page.
#pragma once

#include <vector>

#include "server/render/canvas.h"

namespace luwnd::render::raster {

// Corners of the polygon, counterclockwise on the screen from the rightmost point, with
// the ellipse's area; `scale` is how many device pixels a unit of the box becomes (the
// polygon's fineness follows). Empty for an empty or not finite box.
std::vector<Point> ellipse_outline(const Box& box, double scale);

}  // namespace luwnd::render::raster
