// The region of a field at or above a level as one polygon outline for the even-odd rule:
// the pieces of every cell (contour_lines.h), runs of whole cells along a row merged into
// one rectangle, each piece joined to the next by a bridge that the outline later runs
// back along, so that the bridges cancel and the pieces fill as one figure without seams.
#pragma once

#include <vector>

#include "contour_lines.h"

namespace lumora::plot {

// The pieces, each a closed polygon without its closing point.
std::vector<std::vector<GridPoint>> region_pieces(const Grid& grid, double level);

// All pieces as one outline: piece after piece, each entered from the start of the one
// before, and at the end back along the bridges to the first. Empty for no pieces.
std::vector<GridPoint> bridged_outline(const std::vector<std::vector<GridPoint>>& pieces);

// The field at or above a level as one outline, closed: its first point again at its end,
// so that outlines put one after the other join and leave along the same line (a band is
// the outline of its lower level followed by that of its upper one, even-odd).
std::vector<GridPoint> closed_outline(const Grid& grid, double level);

// The band at or above low and below `above` (a level; none when it is not finite) as one
// even-odd outline: the two closed outlines one after the other. Empty when nothing of the
// field reaches low.
std::vector<GridPoint> band_outline(const Grid& grid, double low, double above);

}  // namespace lumora::plot
