#include "fields_common.h"

#include <cmath>
#include <string>

#include "client/include/lumora.h"
#include "entry.h"

namespace lumora::plot {

namespace {

void put(std::vector<float>& out, const WorldPoint& p) {
    out.push_back(static_cast<float>(p.x));
    out.push_back(static_cast<float>(p.y));
}

// The grid points strictly between a and b when both lie on one grid line, in order; a
// missing point is passed by (a region's bridge may run past one, and back the same way).
void put_between(std::vector<float>& out, const GridPoint& a, const GridPoint& b,
                 const Placement2d& where) {
    const bool along_i = a.j == b.j && a.j == std::floor(a.j);
    const bool along_j = a.i == b.i && a.i == std::floor(a.i);
    if (along_i == along_j) return;
    const double from = along_i ? a.i : a.j, to = along_i ? b.i : b.j;
    const double step = to > from ? 1 : -1;
    for (double k = step > 0 ? std::floor(from) + 1 : std::ceil(from) - 1; (to - k) * step > 0;
         k += step) {
        const double i = along_i ? k : a.i, j = along_i ? a.j : k;
        if (where.known(static_cast<int>(i), static_cast<int>(j))) put(out, where.at(i, j));
    }
}

}  // namespace

std::vector<float> world_points(const std::vector<GridPoint>& points, const Placement2d& where) {
    std::vector<float> out;
    out.reserve(2 * points.size());
    const bool curved = where.kind == Placement2d::Kind::kPoints;
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (curved && k > 0) put_between(out, points[k - 1], points[k], where);
        put(out, where.at(points[k].i, points[k].j));
    }
    return out;
}

bool device_scale(const Placement2d& where, DeviceScale& scale) {
    int ax = 0, ay = 0, bx = 0, by = 0;
    auto x1 = static_cast<float>(where.x1), y1 = static_cast<float>(where.y1);
    auto x2 = static_cast<float>(where.x2), y2 = static_cast<float>(where.y2);
    if (lu_world_to_device(x1, y1, &ax, &ay) == 0 || lu_world_to_device(x2, y2, &bx, &by) == 0)
        return false;
    if (x2 == x1 || y2 == y1) return false;
    scale.sx = (double(bx) - ax) / (double(x2) - x1);
    scale.sy = (double(by) - ay) / (double(y2) - y1);
    return std::isfinite(scale.sx) && std::isfinite(scale.sy) && scale.sx != 0 && scale.sy != 0;
}

bool level_count_taken(int count) {
    if (count >= -kMaxLevels && count <= kMaxLevels) return true;
    refuse("the level count " + std::to_string(count) +
           " is beyond 10000 (given levels) or -10000 (automatic)");
    return false;
}

bool window_refused(bool drawn) {
    if (drawn) return false;
    refuse("the window refused to draw (a window keeps at most 1 000 000 items)");
    return true;
}

double shown_value(double v, double spacing) {
    return std::fabs(v) < std::fabs(spacing) * 1e-6 ? 0.0 : v;
}

bool finite_corners(double x1, double y1, double x2, double y2) {
    if (std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2))
        return true;
    refuse("the field's corners x1, y1, x2, y2 are not all finite numbers");
    return false;
}

}  // namespace lumora::plot
