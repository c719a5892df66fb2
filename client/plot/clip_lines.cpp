#include "clip_lines.h"

#include <cmath>

namespace lumora::plot {

namespace {

enum Side : unsigned { kLeft = 1, kRight = 2, kBelow = 4, kAbove = 8 };

unsigned sides(const WorldRect& r, double x, double y) {
    return (x < r.x0 ? kLeft : 0u) | (x > r.x1 ? kRight : 0u) | (y < r.y0 ? kBelow : 0u) |
           (y > r.y1 ? kAbove : 0u);
}

}  // namespace

// Cohen-Sutherland: an end outside moves onto the edge it lies beyond, computed from the
// edge itself so that ends far away still land exactly on it.
bool clip_segment(const WorldRect& r, double& ax, double& ay, double& bx, double& by) {
    for (int round = 0; round < 8; ++round) {
        const unsigned a = sides(r, ax, ay), b = sides(r, bx, by);
        if ((a | b) == 0) return true;
        if ((a & b) != 0) return false;
        const bool move_a = a != 0;
        double& x = move_a ? ax : bx;
        double& y = move_a ? ay : by;
        const double ox = move_a ? bx : ax, oy = move_a ? by : ay;
        const unsigned out = move_a ? a : b;
        if ((out & (kLeft | kRight)) != 0) {
            const double edge = (out & kLeft) != 0 ? r.x0 : r.x1;
            y = y + (oy - y) * ((edge - x) / (ox - x));
            x = edge;
        } else {
            const double edge = (out & kBelow) != 0 ? r.y0 : r.y1;
            x = x + (ox - x) * ((edge - y) / (oy - y));
            y = edge;
        }
    }
    return sides(r, ax, ay) == 0 && sides(r, bx, by) == 0;
}

std::vector<std::vector<double>> clip_line(const WorldRect& r, const std::vector<double>& points) {
    std::vector<std::vector<double>> runs;
    std::vector<double> run;
    auto finish = [&] {
        if (run.size() >= 4) runs.push_back(run);
        run.clear();
    };
    for (std::size_t i = 2; i + 1 < points.size(); i += 2) {
        double ax = points[i - 2], ay = points[i - 1], bx = points[i], by = points[i + 1];
        if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by) ||
            !clip_segment(r, ax, ay, bx, by)) {
            finish();
            continue;
        }
        const bool joined = run.size() >= 2 && run[run.size() - 2] == ax && run.back() == ay;
        if (!joined) {
            finish();
            run = {ax, ay};
        }
        run.push_back(bx);
        run.push_back(by);
        // A segment cut at its end leaves the rectangle there.
        if (bx != points[i] || by != points[i + 1]) finish();
    }
    finish();
    return runs;
}

}  // namespace lumora::plot
