#include "nearest_points.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "point_bounds.h"

namespace lumora::plot {
namespace {

constexpr double kPointsPerBucket = 2;
constexpr int kMaxSide = 4096;

std::size_t at(int k) {
    return static_cast<std::size_t>(k);
}

// Keeps the `count` nearest seen so far in order, nearest first.
void keep(std::vector<Neighbour>& best, std::size_t count, Neighbour n) {
    if (best.size() == count && n.distance >= best.back().distance) return;
    if (best.size() == count) best.pop_back();
    auto place = std::upper_bound(
        best.begin(), best.end(), n,
        [](const Neighbour& a, const Neighbour& b) { return a.distance < b.distance; });
    best.insert(place, n);
}

}  // namespace

NearestPoints::NearestPoints(const std::vector<Point2>& points) : points_(points) {
    if (points.empty()) return;
    const Bounds box = bounds_of(points);
    x0_ = box.x0, y0_ = box.y0;
    const double w = box.x1 - box.x0, h = box.y1 - box.y0;
    const double buckets = std::max(1.0, static_cast<double>(points.size()) / kPointsPerBucket);
    // Square buckets where the points spread both ways; one row or column along a line.
    const double side = w > 0 && h > 0 ? std::sqrt(w * h / buckets) : std::max(w, h) / buckets;
    columns_ =
        side > 0 ? static_cast<int>(std::clamp(std::ceil(w / side), 1.0, 1.0 * kMaxSide)) : 1;
    rows_ = side > 0 ? static_cast<int>(std::clamp(std::ceil(h / side), 1.0, 1.0 * kMaxSide)) : 1;
    width_ = w > 0 ? w / columns_ : 1;
    height_ = h > 0 ? h / rows_ : 1;
    std::vector<int> bucket(points.size());
    first_.assign(at(columns_ * rows_ + 1), 0);
    for (std::size_t k = 0; k < points.size(); ++k) {
        bucket[k] = row(points[k].y) * columns_ + column(points[k].x);
        ++first_[at(bucket[k] + 1)];
    }
    for (std::size_t b = 1; b < first_.size(); ++b) first_[b] += first_[b - 1];
    std::vector<int> fill(first_.begin(), first_.end() - 1);
    members_.resize(points.size());
    for (std::size_t k = 0; k < points.size(); ++k)
        members_[at(fill[at(bucket[k])]++)] = static_cast<int>(k);
}

int NearestPoints::column(double x) const {
    const double c = std::floor((x - x0_) / width_);
    return static_cast<int>(std::clamp(c, 0.0, columns_ - 1.0));
}

int NearestPoints::row(double y) const {
    const double r = std::floor((y - y0_) / height_);
    return static_cast<int>(std::clamp(r, 0.0, rows_ - 1.0));
}

double NearestPoints::clear_distance(Point2 p, int c0, int r0, int c1, int r1) const {
    constexpr double kFar = std::numeric_limits<double>::infinity();
    double d = kFar;
    if (c0 > 0) d = std::min(d, std::max(0.0, p.x - (x0_ + c0 * width_)));
    if (c1 < columns_ - 1) d = std::min(d, std::max(0.0, x0_ + (c1 + 1) * width_ - p.x));
    if (r0 > 0) d = std::min(d, std::max(0.0, p.y - (y0_ + r0 * height_)));
    if (r1 < rows_ - 1) d = std::min(d, std::max(0.0, y0_ + (r1 + 1) * height_ - p.y));
    return d;
}

std::vector<Neighbour> NearestPoints::nearest(Point2 p, int count) const {
    std::vector<Neighbour> best;
    if (points_.empty() || count < 1) return best;
    const std::size_t wanted = std::min(at(count), points_.size());
    const int c = column(p.x), r = row(p.y);
    for (int ring = 0;; ++ring) {
        const int c0 = std::max(0, c - ring), c1 = std::min(columns_ - 1, c + ring);
        const int r0 = std::max(0, r - ring), r1 = std::min(rows_ - 1, r + ring);
        for (int j = r0; j <= r1; ++j) {
            for (int i = c0; i <= c1; ++i) {
                if (std::max(std::abs(i - c), std::abs(j - r)) != ring) continue;
                const int b = j * columns_ + i;
                for (int m = first_[at(b)]; m < first_[at(b + 1)]; ++m) {
                    const int k = members_[at(m)];
                    const double d = std::hypot(points_[at(k)].x - p.x, points_[at(k)].y - p.y);
                    keep(best, wanted, {k, d});
                }
            }
        }
        const double clear = clear_distance(p, c0, r0, c1, r1);
        if (best.size() == wanted && best.back().distance <= clear) return best;
        if (std::isinf(clear)) return best;
    }
}

}  // namespace lumora::plot
