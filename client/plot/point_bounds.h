// The smallest axis-parallel rectangle around a set of points.
#pragma once

#include <algorithm>
#include <vector>

#include "predicates.h"

namespace lumora::plot {

struct Bounds {
    double x0 = 0, y0 = 0, x1 = -1, y1 = -1;  // empty: nothing inside
    bool holds(Point2 p) const { return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1; }
};

inline Bounds bounds_of(const std::vector<Point2>& points) {
    if (points.empty()) return {};
    Bounds b{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Point2& p : points) {
        b.x0 = std::min(b.x0, p.x), b.x1 = std::max(b.x1, p.x);
        b.y0 = std::min(b.y0, p.y), b.y1 = std::max(b.y1, p.y);
    }
    return b;
}

}  // namespace lumora::plot
