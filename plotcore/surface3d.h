// A height field in a 3-D view: z over a rectangular grid of x and y, in the view's world,
// and the order in which a painter draws its cells so that nearer cells cover farther ones.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "view3d.h"

namespace lumora::plotcore {

// nx x values and ny y values (each strictly rising or strictly falling) and nx * ny z
// values, z[j * nx + i] over (x[i], y[j]), all in the view's world; NaN marks a hole.
struct HeightField {
    std::vector<double> x, y, z;
    int nx() const { return static_cast<int>(x.size()); }
    int ny() const { return static_cast<int>(y.size()); }
    Point3 at(int i, int j) const;
};

// Cell (i, j) lies between grid points i, i + 1 and j, j + 1; its number is j * (nx - 1) + i.
// The cells farthest from the viewer first, the nearest last. Seen from above, whatever
// hides a point of a cell lies on the line of sight from it towards the viewer, and that
// line passes only through cells whose middles are nearer the viewer along the base;
// cells are therefore ordered by how near the middle of their base is.
std::vector<std::size_t> back_to_front(const View3d& view, const HeightField& field);

// Whether a point lies in the box, or beyond it by no more than single precision's
// rounding of its ends.
bool within_box(const View3d& view, const Point3& p);

// The four corners of a cell going round it, false when one is missing (NaN) or lies
// outside the view's box (by more than a float's rounding of its ends).
bool cell_corners(const View3d& view, const HeightField& field, std::size_t cell,
                  std::array<Point3, 4>& corners);

}  // namespace lumora::plotcore
