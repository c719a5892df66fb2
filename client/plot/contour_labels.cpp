#include "contour_labels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumora::plot {
namespace {

std::vector<double> lengths_along(const std::vector<DevicePoint>& line) {
    std::vector<double> s(line.size(), 0.0);
    for (std::size_t k = 1; k < line.size(); ++k)
        s[k] = s[k - 1] + std::hypot(line[k].x - line[k - 1].x, line[k].y - line[k - 1].y);
    return s;
}

// The point at length d along the line and the index of the segment it lies on.
DevicePoint point_at(const std::vector<DevicePoint>& line, const std::vector<double>& s, double d,
                     std::size_t& segment) {
    segment = static_cast<std::size_t>(std::upper_bound(s.begin(), s.end(), d) - s.begin());
    segment = std::clamp<std::size_t>(segment, 1, line.size() - 1);
    const DevicePoint& a = line[segment - 1];
    const DevicePoint& b = line[segment];
    double span = s[segment] - s[segment - 1];
    double t = span > 0 ? (d - s[segment - 1]) / span : 0;
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

double readable_angle(const DevicePoint& a, const DevicePoint& b) {
    double angle = std::atan2(a.y - b.y, b.x - a.x);  // y downward on the device
    if (angle > std::numbers::pi / 2) angle -= std::numbers::pi;
    if (angle <= -std::numbers::pi / 2) angle += std::numbers::pi;
    return angle;
}

// The bounding box of a label of width w and height h centred on at, turned by angle.
LabelBox box_of(DevicePoint at, double angle, double w, double h) {
    const double c = std::fabs(std::cos(angle)), s = std::fabs(std::sin(angle));
    const double ex = c * w / 2 + s * h / 2, ey = s * w / 2 + c * h / 2;
    return {at.x - ex, at.y - ey, at.x + ex, at.y + ey};
}

bool overlaps(const LabelBox& a, const LabelBox& b) {
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

// Where along the line the label of the share [lo, hi] goes: the share's middle, or near
// it where nothing stands (its cut beginning after free_from); a negative value when every
// place is taken.
double free_middle(const std::vector<DevicePoint>& line, const std::vector<double>& s, double lo,
                   double hi, double free_from, double width, double gap, const TakenPlaces* taken) {
    const double middle = (lo + hi) / 2, share = hi - lo;
    if (taken == nullptr) return middle;
    for (double shift : {0.0, 0.15, -0.15, 0.3, -0.3, 0.45, -0.45}) {
        const double at = middle + shift * share;
        if (at - width / 2 - gap < std::max({lo, free_from, 0.0}) ||
            at + width / 2 + gap > std::min(hi, s.back()))
            continue;
        std::size_t a = 0, b = 0, m = 0;
        const DevicePoint before = point_at(line, s, at - width / 2, a);
        const DevicePoint after = point_at(line, s, at + width / 2, b);
        const DevicePoint centre = point_at(line, s, at, m);
        const DevicePoint placed{taken->origin.x + centre.x, taken->origin.y + centre.y};
        const LabelBox box = box_of(placed, readable_angle(before, after), width, taken->height);
        if (std::none_of(taken->boxes.begin(), taken->boxes.end(),
                         [&](const LabelBox& t) { return overlaps(box, t); }))
            return at;
    }
    return -1;
}

}  // namespace

LabelledLine place_labels(const std::vector<DevicePoint>& line, double width, double gap,
                          double spacing, TakenPlaces* taken) {
    LabelledLine out;
    std::vector<double> s = lengths_along(line);
    double total = s.empty() ? 0 : s.back();
    if (line.size() < 2 || total < 3 * (width + 2 * gap) || spacing <= 0) {
        out.parts.push_back(line);
        return out;
    }
    int count = std::max(1, static_cast<int>(total / spacing));
    double from = 0;
    std::vector<DevicePoint> part{line.front()};
    std::size_t next = 1;  // the first point not yet in a part
    for (int k = 0; k < count; ++k) {
        const double middle = free_middle(line, s, total * k / count, total * (k + 1) / count, from,
                                          width, gap, taken);
        if (middle < 0) continue;
        double cut_start = middle - width / 2 - gap, cut_end = middle + width / 2 + gap;
        std::size_t seg = 0;
        DevicePoint start = point_at(line, s, cut_start, seg);
        for (; next < seg; ++next) part.push_back(line[next]);
        part.push_back(start);
        out.parts.push_back(std::move(part));
        std::size_t mseg = 0;
        DevicePoint centre = point_at(line, s, middle, mseg);
        std::size_t a = 0, b = 0;
        DevicePoint before = point_at(line, s, std::max(0.0, middle - width / 2), a);
        DevicePoint after = point_at(line, s, std::min(total, middle + width / 2), b);
        out.labels.push_back({centre, readable_angle(before, after)});
        if (taken != nullptr) {
            const DevicePoint placed{taken->origin.x + centre.x, taken->origin.y + centre.y};
            taken->boxes.push_back(box_of(placed, out.labels.back().angle, width, taken->height));
        }
        DevicePoint end = point_at(line, s, cut_end, seg);
        part = {end};
        next = seg;
        from = cut_end;
    }
    for (; next < line.size(); ++next)
        if (s[next] > from) part.push_back(line[next]);
    out.parts.push_back(std::move(part));
    return out;
}

}  // namespace lumora::plot
