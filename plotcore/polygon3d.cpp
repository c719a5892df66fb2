#include "polygon3d.h"

#include <cmath>

namespace lumora::plotcore {

double projected_turn(const View3d& view, const std::vector<Point3>& world) {
    std::vector<Point2> corners;
    for (const Point3& w : world) {
        if (!std::isfinite(w.x) || !std::isfinite(w.y) || !std::isfinite(w.z)) continue;
        corners.push_back(view.project(w));
    }
    double twice = 0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point2 &a = corners[i], &b = corners[(i + 1) % corners.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice;
}

bool front_seen(const View3d& view, const std::vector<Point3>& world, const Facing& facing) {
    double turn = projected_turn(view, world);
    if (facing.mirrored) turn = -turn;
    return facing.counterclockwise_front ? turn >= 0 : turn <= 0;
}

std::vector<Run2> polygon3d_runs(const View3d& view, const std::vector<Point3>& world,
                                 const std::vector<bool>& draw, const Facing& facing) {
    std::vector<Run2> runs;
    if (!front_seen(view, world, facing)) return runs;
    std::vector<Point3> path;
    auto flush = [&] {
        for (Run2& r : clip_line3d(view, path)) runs.push_back(std::move(r));
        path.clear();
    };
    for (std::size_t i = 0; i + 1 < world.size() && i < draw.size(); ++i) {
        if (!draw[i]) {
            flush();
            continue;
        }
        if (path.empty()) path.push_back(world[i]);
        path.push_back(world[i + 1]);
    }
    flush();
    return runs;
}

}  // namespace lumora::plotcore
