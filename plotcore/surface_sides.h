// The sides of a height field: curtains hanging from the border of its grid down to the
// base of the view's box, on the borders that face the viewer.
#pragma once

#include <array>
#include <vector>

#include "surface3d.h"

namespace lumora::plotcore {

// One piece of a side, under the stretch of the border between two neighbouring grid
// points: those two points, then the points of the base below them, going round.
using SidePiece = std::array<Point3, 4>;

// The pieces of the sides on the borders whose outward direction points towards the
// viewer (none seen straight from above). A piece whose border points are missing or
// outside the box is left out, as the cells beside it are.
std::vector<SidePiece> front_sides(const View3d& view, const HeightField& field);

}  // namespace lumora::plotcore
