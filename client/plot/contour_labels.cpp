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

}  // namespace

LabelledLine place_labels(const std::vector<DevicePoint>& line, double width, double gap,
                          double spacing) {
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
        double middle = total * (k + 0.5) / count;
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
