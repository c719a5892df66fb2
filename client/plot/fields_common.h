// What the field operations share: the field's placement in the world, its points as
// the world arrays the drawing operations take, and the device scale of the world.
#pragma once

#include <vector>

#include "contour_lines.h"
#include "field_grid.h"

namespace lumora::plot {

inline Placement2d placement_of(const Grid& grid, double x1, double y1, double x2, double y2) {
    return even_placement(x1, y1, x2, y2, grid.nx, grid.ny);
}

// x, y pairs in world coordinates, as lu_draw_polyline and lu_draw_polygon take them. On a
// curvilinear grid a stretch along a grid line passes through each grid point on its way,
// so that an outline running along several cells follows the grid.
std::vector<float> world_points(const std::vector<GridPoint>& points, const Placement2d& where);

// Device pixels per world unit along x and y (y negative when the world's y runs up),
// measured across the field's rectangle; false when the window cannot say.
struct DeviceScale {
    double sx = 1, sy = -1;
};
bool device_scale(const Placement2d& where, DeviceScale& scale);

// Arguments of the reference forms (a null address reads as 0) and their results.
inline int arg(const int* p) {
    return p != nullptr ? *p : 0;
}
inline float arg(const float* p) {
    return p != nullptr ? *p : 0.0f;
}
inline double arg(const double* p) {
    return p != nullptr ? *p : 0.0;
}
inline int stored(int* result, int value) {
    if (result != nullptr) *result = value;
    return value;
}

// Whether the rectangle's corners are finite numbers (refused with a message if not).
bool finite_corners(double x1, double y1, double x2, double y2);

// A level or tick as its number shows it: within a millionth of the spacing of its
// neighbours of zero it is 0 (a level computed as -0.6 + 3 * 0.2 holds 1.1e-16).
double shown_value(double v, double spacing);

// Whether a count of levels (given > 0, automatic <= 0) is within +-kMaxLevels; a count
// beyond is refused with a message.
bool level_count_taken(int count);

// Stops a drawing loop at the first command the window refuses, with a message: a window
// keeps at most 1 000 000 items, and what is sent after it is full is lost too.
bool window_refused(bool drawn);

}  // namespace lumora::plot
