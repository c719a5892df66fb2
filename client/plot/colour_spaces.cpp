#include "colour_spaces.h"

#include <algorithm>
#include <cmath>

namespace lumora::plot {
namespace {

// A hue in degrees into 0 ... 360.
double turned(double hue) {
    const double h = std::fmod(hue, 360.0);
    return h < 0 ? h + 360 : h;
}

// One component of HLS to RGB (the classic two-value construction).
double hls_component(double m1, double m2, double hue) {
    hue = turned(hue);
    if (hue < 60) return m1 + (m2 - m1) * hue / 60;
    if (hue < 180) return m2;
    if (hue < 240) return m1 + (m2 - m1) * (240 - hue) / 60;
    return m1;
}

// The hue of a colour that is no grey: its largest component hi, hi minus its smallest d.
double hue_of(const Rgb& c, double hi, double d) {
    double h = 0;
    if (hi == c[0])
        h = (c[1] - c[2]) / d;
    else if (hi == c[1])
        h = 2 + (c[2] - c[0]) / d;
    else
        h = 4 + (c[0] - c[1]) / d;
    return turned(60 * h);
}

}  // namespace

Rgb rgb_of_hls(const Hls& c) {
    const double l = c.lightness, s = c.saturation;
    const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    const double m1 = 2 * l - m2;
    if (s == 0) return {l, l, l};
    return {hls_component(m1, m2, c.hue + 120), hls_component(m1, m2, c.hue),
            hls_component(m1, m2, c.hue - 120)};
}

Hls hls_of_rgb(const Rgb& c) {
    const double hi = std::max({c[0], c[1], c[2]}), lo = std::min({c[0], c[1], c[2]});
    const double l = (hi + lo) / 2, d = hi - lo;
    if (d <= 0) return {0, l, 0};
    const double s = l <= 0.5 ? d / (hi + lo) : d / (2 - hi - lo);
    return {hue_of(c, hi, d), l, s};
}

Hsv hsv_of_rgb(const Rgb& c) {
    const double hi = std::max({c[0], c[1], c[2]}), lo = std::min({c[0], c[1], c[2]});
    const double d = hi - lo;
    if (d <= 0) return {0, 0, hi};
    return {hue_of(c, hi, d), d / hi, hi};
}

Rgb rgb_of_hsv(double hue, double saturation, double value) {
    const double h = turned(hue) / 60, c = value * saturation;
    const double x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1)), m = value - c;
    Rgb r{};
    switch (static_cast<int>(h) % 6) {
        case 0:
            r = {c, x, 0};
            break;
        case 1:
            r = {x, c, 0};
            break;
        case 2:
            r = {0, c, x};
            break;
        case 3:
            r = {0, x, c};
            break;
        case 4:
            r = {x, 0, c};
            break;
        default:
            r = {c, 0, x};
            break;
    }
    return {r[0] + m, r[1] + m, r[2] + m};
}

double encode_srgb(double c) {
    return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
}

double decode_srgb(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Ottosson's matrices.
Rgb linear_rgb_of_oklab(const Lab& c) {
    double l = c.l + 0.3963377774 * c.a + 0.2158037573 * c.b;
    double m = c.l - 0.1055613458 * c.a - 0.0638541728 * c.b;
    double s = c.l - 0.0894841775 * c.a - 1.2914855480 * c.b;
    l = l * l * l;
    m = m * m * m;
    s = s * s * s;
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

Lab oklab_of_rgb(const Rgb& c) {
    const double r = decode_srgb(c[0]), g = decode_srgb(c[1]), b = decode_srgb(c[2]);
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

Rgb rgb_of_oklab(const Lab& c) {
    Rgb linear = linear_rgb_of_oklab(c);
    for (double& v : linear) v = encode_srgb(std::clamp(v, 0.0, 1.0));
    return linear;
}

std::uint32_t packed_of(const Rgb& c) {
    std::uint32_t packed = 0;
    for (double v : c) {
        const double clamped = std::isnan(v) ? 0.0 : std::clamp(v, 0.0, 1.0);
        packed = packed << 8 | static_cast<std::uint32_t>(std::lround(clamped * 255));
    }
    return packed;
}

Rgb rgb_of_packed(std::uint32_t p) {
    return {((p >> 16) & 0xFF) / 255.0, ((p >> 8) & 0xFF) / 255.0, (p & 0xFF) / 255.0};
}

}  // namespace lumora::plot
