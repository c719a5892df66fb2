#include "fields_common.h"

#include <cmath>
#include <string>

#include "client/include/lumora.h"
#include "entry.h"

namespace lumora::plot {

std::vector<float> world_points(const std::vector<GridPoint>& points, const Placement2d& where) {
    std::vector<float> out;
    out.reserve(2 * points.size());
    for (const GridPoint& p : points) {
        out.push_back(static_cast<float>(where.x(p.i)));
        out.push_back(static_cast<float>(where.y(p.j)));
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
