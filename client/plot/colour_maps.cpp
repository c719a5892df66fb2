// The computed maps (sequential, diverging, grey) are paths through the OKLab colour space with the
// CIE lightness L* of each colour chosen: it changes linearly along the map (or, diverging,
// linearly away from its pale middle), so equal steps in value look like equal steps in lightness.
// Colours outside sRGB lose chroma until they fit.
#include "colour_maps.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <vector>

#include "colour_spaces.h"
#include "listed_colour_maps.h"
#include "own_colour_maps.h"

namespace lumora::plot {
namespace {

bool in_gamut(const Rgb& rgb) {
    return std::all_of(rgb.begin(), rgb.end(),
                       [](double c) { return c >= -1e-9 && c <= 1 + 1e-9; });
}

// OKLab's lightness of a neutral of CIE lightness L* (0 ... 1 here): the cube root of
// its luminance.
double oklab_lightness(double cie) {
    double l = 100 * cie;
    double y = l > 8 ? std::pow((l + 16) / 116, 3) : l / 903.3;
    return std::cbrt(y);
}

// CIE lightness (0 ... 1), OKLab chroma and hue (degrees) to packed sRGB, chroma reduced
// into the gamut.
std::uint32_t computed_colour(double cie_lightness, double chroma, double hue) {
    const double lightness = oklab_lightness(cie_lightness);
    double h = hue * std::numbers::pi / 180;
    auto at = [&](double c) {
        return linear_rgb_of_oklab({lightness, c * std::cos(h), c * std::sin(h)});
    };
    double lo = 0, hi = chroma;
    if (!in_gamut(at(hi))) {
        for (int k = 0; k < 30; ++k) {
            double mid = (lo + hi) / 2;
            (in_gamut(at(mid)) ? lo : hi) = mid;
        }
        hi = lo;
    }
    Rgb rgb = at(hi);
    for (double& c : rgb) c = encode_srgb(std::clamp(c, 0.0, 1.0));
    return packed_of(rgb);
}

// Dark blue-violet through teal and green to yellow: L* 18 to 92, the hue turning from
// 285 to 105 degrees, chroma growing towards the yellow end.
std::uint32_t sequential(double t) {
    return computed_colour(0.18 + 0.74 * t, 0.11 + 0.08 * t * t, 285 - 180 * t);
}

// Blue (hue 255) and red (hue 30) at L* 40 meeting in a pale neutral at 95.
std::uint32_t diverging(double t) {
    double d = std::abs(2 * t - 1);
    return computed_colour(0.95 - 0.55 * d, 0.17 * d, t < 0.5 ? 255 : 30);
}

std::uint32_t grey(double t) {
    return computed_colour(t, 0, 0);
}

const std::vector<std::uint32_t>& table(int map) {
    static const std::array<std::vector<std::uint32_t>, 3> tables = [] {
        std::array<std::vector<std::uint32_t>, 3> t;
        std::uint32_t (*const shapes[3])(double) = {sequential, diverging, grey};
        for (int m = 0; m < 3; ++m)
            for (int k = 0; k < kMapSteps; ++k) t[m].push_back(shapes[m](k / (kMapSteps - 1.0)));
        return t;
    }();
    return tables[static_cast<std::size_t>(map - 1)];
}

// The table of a map number (negative: the same, reversed), nullptr for none.
const std::uint32_t* table_of(int map) {
    if (map == INT_MIN) return nullptr;
    map = std::abs(map);
    if (map >= kMapSequential && map <= kMapGrey) return table(map).data();
    if (map > kMapGrey && map <= kLastListedMap) return listed_map(map - kMapGrey - 1)->data();
    const auto* own = own_map(map);
    return own ? own->data() : nullptr;
}

}  // namespace

bool known_map(int map) {
    return map != 0 && table_of(map) != nullptr;
}

std::uint32_t map_colour(int map, double t) {
    const std::uint32_t* colours = table_of(map);
    if (colours == nullptr) return 0;
    if (!(t > 0)) t = 0;  // NaN too
    if (map < 0) t = 1 - std::min(t, 1.0);
    int k =
        std::min(kMapSteps - 1, static_cast<int>(std::lround(std::min(t, 1.0) * (kMapSteps - 1))));
    return colours[k];
}

std::int32_t colour_value_of(std::uint32_t rgb) {
    std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return static_cast<std::int32_t>(0x02000000u | r | g << 8 | b << 16);
}

ColourMap& current_colour_map() {
    static ColourMap map;
    return map;
}

Placement place(const ColourMap& map, double value, double& t) {
    if (std::isnan(value)) return Placement::kInvalid;
    t = (value - map.low) / (map.high - map.low);
    if (t < 0) return Placement::kUnder;
    if (t > 1) return Placement::kOver;
    return Placement::kInside;
}

std::int32_t under_colour(const ColourMap& map) {
    return map.under >= 0 ? map.under : colour_value_of(map_colour(map.map, 0));
}

std::int32_t over_colour(const ColourMap& map) {
    return map.over >= 0 ? map.over : colour_value_of(map_colour(map.map, 1));
}

std::int32_t invalid_colour(const ColourMap& map) {
    if (map.invalid >= 0) return map.invalid;
    // Grey maps, either way round, show NaN in red.
    const bool grey_map = map.map == kMapGrey || map.map == -kMapGrey;
    return colour_value_of(grey_map ? 0xFF0000 : 0x808080);
}

std::int32_t colour_of(const ColourMap& map, double value) {
    double t = 0;
    switch (place(map, value, t)) {
        case Placement::kInside:
            return colour_value_of(map_colour(map.map, t));
        case Placement::kUnder:
            return under_colour(map);
        case Placement::kOver:
            return over_colour(map);
        default:
            return invalid_colour(map);
    }
}

std::array<std::int32_t, 256> palette_of(const ColourMap& map) {
    std::array<std::int32_t, 256> palette{};
    for (int k = 0; k < kPaletteSteps; ++k)
        palette[static_cast<std::size_t>(k)] =
            colour_value_of(map_colour(map.map, (k + 0.5) / kPaletteSteps));
    palette[kPaletteUnder] = under_colour(map);
    palette[kPaletteOver] = over_colour(map);
    palette[kPaletteInvalid] = invalid_colour(map);
    return palette;
}

std::uint8_t palette_index(const ColourMap& map, double value) {
    double t = 0;
    switch (place(map, value, t)) {
        case Placement::kInside:
            return static_cast<std::uint8_t>(
                std::min(kPaletteSteps - 1, static_cast<int>(t * kPaletteSteps)));
        case Placement::kUnder:
            return kPaletteUnder;
        case Placement::kOver:
            return kPaletteOver;
        default:
            return kPaletteInvalid;
    }
}

}  // namespace lumora::plot
