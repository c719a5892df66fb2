#include "gradient.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumora::plotcore {
namespace {

struct Vec {
    double x = 0, y = 0;
};

double along(PointF p, Vec d) {
    return p.x * d.x + p.y * d.y;
}

bool finite_points(const std::vector<PointF>& points) {
    return std::all_of(points.begin(), points.end(),
                       [](PointF p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

// The part of the polygon where the reach along d is at least `low` (keep_above) or at
// most `low`: each edge crossing the line is cut there and the part beyond it left out.
// A convex cut keeps every winding number on its kept side, so either fill rule fills
// the same there.
std::vector<PointF> cut(const std::vector<PointF>& polygon, Vec d, double low, bool keep_above) {
    std::vector<PointF> out;
    const auto inside = [&](double s) { return keep_above ? s >= low : s <= low; };
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const PointF a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        const double sa = along(a, d), sb = along(b, d);
        if (inside(sa)) out.push_back(a);
        if (inside(sa) != inside(sb)) {
            const double f = (low - sa) / (sb - sa);
            out.push_back({static_cast<float>(a.x + f * (b.x - a.x)),
                           static_cast<float>(a.y + f * (b.y - a.y))});
        }
    }
    return out;
}

std::uint32_t blend(std::uint32_t a, std::uint32_t b, double f) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        out |= static_cast<std::uint32_t>(std::lround(ca + f * (cb - ca))) << shift;
    }
    return out;
}

}  // namespace

void gradient_axis(const std::vector<PointF>& polygon, double angle, Gradient& gradient) {
    const Vec d{std::cos(angle), -std::sin(angle)};  // y grows downward
    double low = std::numeric_limits<double>::infinity(), high = -low;
    double left = low, right = high, top = low, bottom = high;
    for (PointF p : polygon) {
        low = std::min(low, along(p, d));
        high = std::max(high, along(p, d));
        left = std::min(left, double{p.x});
        right = std::max(right, double{p.x});
        top = std::min(top, double{p.y});
        bottom = std::max(bottom, double{p.y});
    }
    if (polygon.empty()) return;
    const Vec mid{(left + right) / 2, (top + bottom) / 2};
    const double at = mid.x * d.x + mid.y * d.y;
    const auto end = [&](double s) {
        return PointF{static_cast<float>(mid.x + (s - at) * d.x),
                      static_cast<float>(mid.y + (s - at) * d.y)};
    };
    gradient.from = end(low);
    gradient.to = end(high);
}

Rgba gradient_colour(const std::vector<GradientStop>& stops, double t) {
    if (stops.empty()) return {};
    if (!(t > stops.front().offset)) return {stops.front().rgb, stops.front().alpha};
    for (std::size_t i = 1; i < stops.size(); ++i) {
        const GradientStop &a = stops[i - 1], &b = stops[i];
        if (t > b.offset) continue;
        const double f = b.offset > a.offset ? (t - a.offset) / (b.offset - a.offset) : 1.0;
        const double alpha = a.alpha + f * (b.alpha - a.alpha);
        return {blend(a.rgb, b.rgb, f), static_cast<std::uint8_t>(std::lround(alpha))};
    }
    return {stops.back().rgb, stops.back().alpha};
}

std::vector<GradientBand> gradient_bands(const std::vector<PointF>& polygon,
                                         const Gradient& gradient, double width) {
    const double dx = double{gradient.to.x} - gradient.from.x;
    const double dy = double{gradient.to.y} - gradient.from.y;
    const double length = std::hypot(dx, dy);
    if (polygon.size() < 3 || !finite_points(polygon) || !(length > 0) || !(width > 0)) return {};
    const Vec d{dx / length, dy / length};
    const double start = along(gradient.from, d);
    double low = std::numeric_limits<double>::infinity(), high = -low;
    for (PointF p : polygon) {
        low = std::min(low, along(p, d));
        high = std::max(high, along(p, d));
    }
    const double reach = high - low;
    const auto count = static_cast<std::size_t>(
        std::clamp(std::ceil(reach / width), 1.0, double(kMaxGradientBands)));
    const double band = reach / double(count);
    std::vector<GradientBand> bands;
    for (std::size_t k = 0; k < count; ++k) {
        const double s0 = low + double(k) * band, s1 = std::min(high, s0 + band);
        std::vector<PointF> part = polygon;
        if (k > 0) part = cut(part, d, s0, true);
        if (k + 1 < count) part = cut(part, d, s1, false);
        if (part.size() < 3) continue;
        const double middle = ((s0 + s1) / 2 - start) / length;
        bands.push_back({std::move(part), gradient_colour(gradient.stops, middle)});
    }
    return bands;
}

}  // namespace lumora::plotcore
