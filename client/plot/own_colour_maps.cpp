#include "own_colour_maps.h"

#include <algorithm>
#include <cmath>

#include "colour_spaces.h"
#include "entry.h"

namespace lumora::plot {
namespace {

Rgb mix(const Rgb& a, const Rgb& b, double t) {
    return {a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t};
}

// Round the hue circle the shorter way; a grey end (no hue of its own) takes the other's.
Rgb mix_hls(const Rgb& a, const Rgb& b, double t) {
    Hls p = hls_of_rgb(a), q = hls_of_rgb(b);
    if (p.saturation == 0) p.hue = q.hue;
    if (q.saturation == 0) q.hue = p.hue;
    double turn = q.hue - p.hue;
    if (turn > 180) turn -= 360;
    if (turn < -180) turn += 360;
    return rgb_of_hls({p.hue + turn * t, p.lightness + (q.lightness - p.lightness) * t,
                       p.saturation + (q.saturation - p.saturation) * t});
}

Rgb mix_oklab(const Rgb& a, const Rgb& b, double t) {
    const Lab p = oklab_of_rgb(a), q = oklab_of_rgb(b);
    return rgb_of_oklab({p.l + (q.l - p.l) * t, p.a + (q.a - p.a) * t, p.b + (q.b - p.b) * t});
}

Rgb blend_between(const ControlPoint& lo, const ControlPoint& hi, double t, Blend blend) {
    const Rgb a = rgb_of_packed(lo.rgb), b = rgb_of_packed(hi.rgb);
    switch (blend) {
        case Blend::kHls:
            return mix_hls(a, b, t);
        case Blend::kOklab:
            return mix_oklab(a, b, t);
        default:
            return mix(a, b, t);
    }
}

// Every public call holds the library's call lock: no lock of their own.
struct OwnMaps {
    std::array<std::array<std::uint32_t, 256>, kOwnMaps> tables{};
    std::array<bool, kOwnMaps> defined{};
};

OwnMaps& own_maps() {
    static OwnMaps maps;
    return maps;
}

}  // namespace

std::array<std::uint32_t, 256> blended_map(const std::vector<ControlPoint>& points, Blend blend) {
    std::array<std::uint32_t, 256> table{};
    std::size_t k = 0;  // the segment [k, k + 1] that holds t
    for (std::size_t i = 0; i < table.size(); ++i) {
        const double t = static_cast<double>(i) / (table.size() - 1);
        while (k + 2 < points.size() && points[k + 1].position <= t) ++k;
        const ControlPoint& lo = points[k];
        const ControlPoint& hi = points[std::min(k + 1, points.size() - 1)];
        const double span = hi.position - lo.position;
        const double f = span > 0 ? std::clamp((t - lo.position) / span, 0.0, 1.0) : 1.0;
        table[i] = packed_of(blend_between(lo, hi, f, blend));
    }
    return table;
}

std::string positions_problem(const float* positions, int n) {
    if (positions == nullptr) return "";
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(positions[i]))
            return "position " + std::to_string(i + 1) + " is " + number_text(positions[i]);
        if (i > 0 && positions[i] < positions[i - 1])
            return "position " + std::to_string(i + 1) + " (" + number_text(positions[i]) +
                   ") lies below the one before it (" + number_text(positions[i - 1]) + ")";
    }
    if (!(positions[n - 1] > positions[0])) return "the last position is not above the first";
    return "";
}

std::vector<ControlPoint> control_points(const float* positions, const std::uint32_t* rgb, int n) {
    std::vector<ControlPoint> points;
    // Without positions a colour's place is its number.
    auto place = [&](int i) { return positions ? static_cast<double>(positions[i]) : i; };
    const double first = place(0), last = place(n - 1);
    for (int i = 0; i < n; ++i) {
        const double at = place(i);
        points.push_back({(at - first) / (last - first), rgb[i]});
    }
    points.back().position = 1;  // exactly, whatever the division gave
    return points;
}

void define_own_map(int map, const std::array<std::uint32_t, 256>& table) {
    const auto k = static_cast<std::size_t>(map - kOwnMapBase - 1);
    own_maps().tables[k] = table;
    own_maps().defined[k] = true;
}

const std::array<std::uint32_t, 256>* own_map(int map) {
    if (map <= kOwnMapBase || map > kOwnMapBase + kOwnMaps) return nullptr;
    const auto k = static_cast<std::size_t>(map - kOwnMapBase - 1);
    return own_maps().defined[k] ? &own_maps().tables[k] : nullptr;
}

void forget_own_maps() {
    own_maps().defined = {};
}

}  // namespace lumora::plot
