// The positions of a field's points on an uneven or curvilinear grid, as the callers give
// them, checked and turned into the field's placement.
#pragma once

#include <optional>

#include "field_grid.h"

namespace lumora::plot {

inline constexpr int kGridAxes = 1, kGridPoints = 2;

// The placement of nx x ny points: kGridAxes, nx x positions and ny y positions, each
// strictly rising or strictly falling; kGridPoints, two nx x ny arrays in the layout,
// where NaN marks a missing point. Nothing, with a message, for a null array, an unknown
// grid code, an axis that is not finite or not monotonic, or an infinite point.
template <class Position>
std::optional<Placement2d> grid_placement(const Position* xg, const Position* yg, int nx, int ny,
                                          int layout, int grid);

// A field's values and their places on the grid (values at missing points marked missing);
// nothing, with a message, for values or positions refused.
struct PlacedField {
    Grid grid;
    Placement2d where;
};
template <class Value>
std::optional<PlacedField> field_on_grid(const Value* values, int nx, int ny, int layout,
                                         const Value* xg, const Value* yg, int grid);

// Marks the values at missing points missing, so that their cells are left out.
void drop_unplaced(Grid& grid, const Placement2d& where);

// The grid's own spacing: the median distance between neighbouring points along i and
// along j, the smaller of the two; the cell's smaller side on an even placement. 0 when
// the grid has no two neighbouring points.
double grid_spacing(const Placement2d& where);

}  // namespace lumora::plot
