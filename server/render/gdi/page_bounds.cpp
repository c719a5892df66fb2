#include "page_bounds.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace luwnd::render {

bool reaches_page(const XFORM& t, std::span<const Point> points, double world_pad,
                  double device_pad, int width, int height) {
    if (points.empty()) return false;
    double left = HUGE_VAL, top = HUGE_VAL, right = -HUGE_VAL, bottom = -HUGE_VAL;
    for (const Point& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
        left = std::min(left, p.x), right = std::max(right, p.x);
        top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    }
    // The transform is affine, so the box's corners bound everything inside it.
    const double pad = world_pad;
    std::array<Point, 4> corners{Point{left - pad, top - pad}, Point{right + pad, top - pad},
                                 Point{left - pad, bottom + pad}, Point{right + pad, bottom + pad}};
    double u0 = HUGE_VAL, v0 = HUGE_VAL, u1 = -HUGE_VAL, v1 = -HUGE_VAL;
    for (const Point& c : corners) {
        double u = c.x * t.eM11 + c.y * t.eM21 + t.eDx;
        double v = c.x * t.eM12 + c.y * t.eM22 + t.eDy;
        u0 = std::min(u0, u), u1 = std::max(u1, u), v0 = std::min(v0, v), v1 = std::max(v1, v);
    }
    return u1 + device_pad >= 0 && v1 + device_pad >= 0 && u0 - device_pad <= width &&
           v0 - device_pad <= height;
}

}  // namespace luwnd::render
