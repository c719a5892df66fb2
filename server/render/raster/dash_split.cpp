#include "dash_split.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "path_clip.h"

namespace luwnd::render::raster {
namespace {

class DashWalker {
  public:
    DashWalker(std::span<const double> pattern, const DashSink& sink) : sink_(sink) {
        for (double length : pattern)
            lengths_.push_back(std::isfinite(length) ? std::max(length, kShortestDash)
                                                     : kShortestDash);
        if (lengths_.size() % 2 == 1) lengths_.push_back(kShortestDash);
        for (double length : lengths_) period_ += length;
        left_ = lengths_.empty() ? 0 : lengths_[0];
    }

    // Moves along a part of the line that is not drawn (outside the box): the dash in
    // progress ends where it is.
    void skip(double distance) {
        finish();
        if (!(distance > 0) || !std::isfinite(distance)) return;
        distance = std::fmod(distance, period_);
        while (distance > 0) {
            const double step = std::min(distance, left_);
            distance -= step;
            left_ -= step;
            if (left_ <= 0) next();
        }
    }

    // Walks the part of the line from a to b.
    void walk(Point a, Point b) {
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        if (on() && dash_.empty()) dash_.push_back(a);
        double done = 0;
        while (length - done > left_) {
            done += left_;
            const double t = done / length;
            const Point p{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
            if (on()) {
                dash_.push_back(p);
                finish();
            }
            next();
            if (on()) dash_.push_back(p);
        }
        left_ -= length - done;
        if (on()) dash_.push_back(b);
    }

    void finish() {
        if (dash_.size() >= 2) sink_(dash_);
        dash_.clear();
    }

  private:
    bool on() const { return index_ % 2 == 0; }
    void next() {
        index_ = (index_ + 1) % lengths_.size();
        left_ = lengths_[index_];
    }

    const DashSink& sink_;
    std::vector<double> lengths_;
    double period_ = 0, left_ = 0;
    std::size_t index_ = 0;
    std::vector<Point> dash_;
};

}  // namespace

void split_dashes(std::span<const Point> points, bool closed, std::span<const double> pattern,
                  const Box& box, const DashSink& dash) {
    if (points.size() < 2 || pattern.empty()) return;
    DashWalker walker(pattern, dash);
    const std::size_t segments = closed ? points.size() : points.size() - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const Point a = points[i], b = points[(i + 1) % points.size()];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        double t0 = 0, t1 = 0;
        if (!clip_segment(a, b, box, t0, t1)) {
            walker.skip(length);
            continue;
        }
        const Point from{a.x + (b.x - a.x) * t0, a.y + (b.y - a.y) * t0};
        const Point to{a.x + (b.x - a.x) * t1, a.y + (b.y - a.y) * t1};
        if (t0 > 0) walker.skip(length * t0);
        walker.walk(from, to);
        if (t1 < 1) walker.skip(length * (1 - t1));
    }
    walker.finish();
}

}  // namespace luwnd::render::raster
