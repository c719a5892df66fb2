#include "path_clip.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace luwnd::render::raster {
namespace {

bool finite(Point p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

bool inside(Point p, const Box& box) {
    return p.x >= box.left && p.x <= box.right && p.y >= box.top && p.y <= box.bottom;
}

Point at(Point a, Point b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// Hands on a run in pieces of at most max_points points sharing their ends.
void emit(const std::vector<Point>& run, std::size_t max_points, const PieceSink& piece) {
    if (run.size() < 2) return;
    const std::size_t step = std::max<std::size_t>(max_points, 2) - 1;
    for (std::size_t first = 0; first + 1 < run.size(); first += step) {
        const std::size_t count = std::min(step + 1, run.size() - first);
        piece(std::span<const Point>(run).subspan(first, count), false);
    }
}

}  // namespace

bool clip_segment(Point a, Point b, const Box& box, double& t0, double& t1) {
    if (!finite(a) || !finite(b)) return false;
    t0 = 0;
    t1 = 1;
    const double d[2] = {b.x - a.x, b.y - a.y};
    const double low[2] = {box.left - a.x, box.top - a.y};
    const double high[2] = {box.right - a.x, box.bottom - a.y};
    for (int axis = 0; axis < 2; ++axis) {
        if (d[axis] == 0) {
            if (low[axis] > 0 || high[axis] < 0) return false;
            continue;
        }
        double enter = low[axis] / d[axis], leave = high[axis] / d[axis];
        if (enter > leave) std::swap(enter, leave);
        t0 = std::max(t0, enter);
        t1 = std::min(t1, leave);
        if (t0 > t1) return false;
    }
    return true;
}

void visible_pieces(std::span<const Point> points, bool closed, const Box& box,
                    std::size_t max_points, const PieceSink& piece) {
    if (points.empty()) return;
    if (closed && points.size() <= max_points &&
        std::all_of(points.begin(), points.end(), [&](Point p) { return inside(p, box); })) {
        piece(points, true);
        return;
    }
    // A closed figure starts from a point outside the box, so that its runs end there
    // and not at a corner that shows.
    std::size_t start = 0;
    while (closed && start < points.size() && inside(points[start], box)) ++start;
    std::vector<Point> run;
    const std::size_t n = points.size(), segments = closed ? n : n - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const Point a = points[(start + i) % n], b = points[(start + i + 1) % n];
        double t0 = 0, t1 = 0;
        if (!clip_segment(a, b, box, t0, t1)) {
            emit(run, max_points, piece);
            run.clear();
            continue;
        }
        if (t0 > 0 || run.empty()) {
            emit(run, max_points, piece);
            run.assign(1, t0 > 0 ? at(a, b, t0) : a);
        }
        run.push_back(t1 < 1 ? at(a, b, t1) : b);
        if (t1 < 1) {
            emit(run, max_points, piece);
            run.clear();
        }
    }
    emit(run, max_points, piece);
    // A single point that reaches the box still draws as a dot.
    if (points.size() == 1 && inside(points[0], box)) piece(points, false);
}

}  // namespace luwnd::render::raster
