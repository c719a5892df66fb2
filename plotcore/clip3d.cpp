#include "clip3d.h"

#include <cmath>
#include <utility>

namespace lumora::plotcore {
namespace {

bool is_point(const Point3& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

// The part t0 ... t1 (of 0 ... 1) of the segment a -> b inside the box, by cutting the
// parameter range at each pair of faces; false when nothing is left.
bool cut_segment(const View3d& v, const Point3& a, const Point3& b, double& t0, double& t1) {
    const double from[3] = {a.x, a.y, a.z}, step[3] = {b.x - a.x, b.y - a.y, b.z - a.z};
    t0 = 0;
    t1 = 1;
    for (int axis = 0; axis < 3; ++axis) {
        const double lo = std::fmin(v.end(axis, 0), v.end(axis, 1));
        const double hi = std::fmax(v.end(axis, 0), v.end(axis, 1));
        if (step[axis] == 0) {
            if (from[axis] < lo || from[axis] > hi) return false;
            continue;
        }
        double enter = (lo - from[axis]) / step[axis], leave = (hi - from[axis]) / step[axis];
        if (enter > leave) std::swap(enter, leave);
        t0 = std::fmax(t0, enter);
        t1 = std::fmin(t1, leave);
        if (!(t0 <= t1)) return false;
    }
    return true;
}

Point3 along(const Point3& a, const Point3& b, double t) {
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)};
}

}  // namespace

std::vector<Run2> clip_line3d(const View3d& view, const std::vector<Point3>& world) {
    std::vector<Run2> runs;
    Run2 run;
    auto close_run = [&] {
        if (run.size() >= 2) runs.push_back(std::move(run));
        run.clear();
    };
    for (std::size_t i = 0; i + 1 < world.size(); ++i) {
        const Point3 &a = world[i], &b = world[i + 1];
        double t0 = 0, t1 = 1;
        if (!is_point(a) || !is_point(b) || !cut_segment(view, a, b, t0, t1)) {
            close_run();
            continue;
        }
        if (t0 > 0 || run.empty()) {
            close_run();
            run.push_back(view.project(along(a, b, t0)));
        }
        run.push_back(view.project(along(a, b, t1)));
        if (t1 < 1) close_run();
    }
    close_run();
    return runs;
}

}  // namespace lumora::plotcore
