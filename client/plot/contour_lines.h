// Contour lines by marching squares. Each cell of four neighbouring values is crossed by
// the level on the edges whose ends lie on either side of it (a value at the level counts
// as above); the crossing is interpolated linearly. A cell with all four edges crossed (a
// saddle) joins its corners above the level when the mean of its four values is at or
// above it, else those below. A cell with a NaN corner is left out, which leaves holes.
// Segments of neighbouring cells meet at the crossing of their common edge and are joined
// into lines: open ones end at the border or at a hole, closed ones return to their start.
#pragma once

#include <vector>

#include "field_grid.h"

namespace lumora::plot {

struct GridPoint {
    double i = 0, j = 0;  // in value indices: value (i, j) at (i, j)
};

struct ContourLine {
    std::vector<GridPoint> points;
    bool closed = false;  // the last point equals the first
};

// The least and greatest corner value of each cell, found once for a field, so that a
// level passes over the cells without looking into those it does not cross. A cell with
// a NaN corner has NaN for both.
struct CellRanges {
    std::vector<double> low, high;  // [j * (nx - 1) + i] for cell (i, j)
};
CellRanges cell_ranges(const Grid& grid);

std::vector<ContourLine> contour_lines(const Grid& grid, const CellRanges& cells, double level);
std::vector<ContourLine> contour_lines(const Grid& grid, double level);

// The part of the cell (i, j) .. (i + 1, j + 1) where the values are at or above the
// level, as polygons (none when no corner is, the whole cell when all are), taking the
// saddle the way contour_lines does; cells with a NaN corner give none.
std::vector<std::vector<GridPoint>> cell_above(const Grid& grid, int i, int j, double level);

}  // namespace lumora::plot
