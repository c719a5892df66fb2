#include "surface_light.h"

#include <cmath>

namespace lumora::plotcore {
namespace {

using Vec = std::array<double, 3>;

Vec minus(const Point3& a, const Point3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

double dot(const Vec& a, const Vec& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Of a vector's length 0 (or not finite): nothing.
std::optional<Vec> unit(const Vec& v) {
    const double length = std::sqrt(dot(v, v));
    if (!(length > 0) || !std::isfinite(length)) return std::nullopt;
    return Vec{v[0] / length, v[1] / length, v[2] / length};
}

}  // namespace

double facing_light(const View3d& view, const std::array<Point3, 4>& corners,
                    const std::optional<Point3>& light) {
    std::array<Point3, 4> b;
    Point3 middle;
    for (std::size_t k = 0; k < 4; ++k) {
        b[k] = view.box_units(corners[k]);
        middle = {middle.x + b[k].x / 4, middle.y + b[k].y / 4, middle.z + b[k].z / 4};
    }
    // The diagonals' cross product: the normal of a flat piece, and the mean one of a
    // slightly warped cell.
    const Vec d1 = minus(b[2], b[0]), d2 = minus(b[3], b[1]);
    const std::optional<Vec> normal =
        unit({d1[1] * d2[2] - d1[2] * d2[1], d1[2] * d2[0] - d1[0] * d2[2],
              d1[0] * d2[1] - d1[1] * d2[0]});
    const std::optional<Vec> to_light =
        light ? unit(minus(view.box_units(*light), middle)) : view.towards_viewer();
    if (!normal || !to_light) return 0;
    const double seen = dot(*normal, view.towards_viewer()) < 0 ? -1 : 1;
    return std::fmax(0.0, seen * dot(*normal, *to_light));
}

}  // namespace lumora::plotcore
