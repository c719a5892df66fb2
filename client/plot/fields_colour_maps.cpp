// The colour-map operations of the public interface.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "colour_maps.h"
#include "colour_spaces.h"
#include "entry.h"
#include "own_colour_maps.h"

using namespace lumora::plot;

namespace {

// -1 keeps the colour, -2 brings back the map's own (stored as -1), other negative values
// are not colours.
void set_extreme(std::int32_t& slot, int value) {
    if (value == -2) slot = -1;
    if (value >= 0) slot = value;
}

int set_colour_map(int map, float low, float high) {
    if (map != 0 && !known_map(map)) {
        const long number = std::abs(static_cast<long>(map));  // reversed or not
        const bool own = number > kOwnMapBase && number <= kOwnMapBase + kOwnMaps;
        return refuse("map " + std::to_string(map) +
                      (own ? " is not defined: call lu_define_colour_map first"
                           : " is not 0 (the current one), a built-in map (LU_MAP_..., 1 ... " +
                                 std::to_string(kLastListedMap) +
                                 ", negative: reversed) or an own map (LU_MAP_OWN + 1 ... "
                                 "LU_MAP_OWN + " +
                                 std::to_string(kOwnMaps) + ")"));
    }
    ColourMap& current = current_colour_map();
    if (map != 0) current.map = map;
    if (std::isfinite(low) && std::isfinite(high) && low != high) {
        current.low = low;
        current.high = high;
    }
    return 1;
}

// Why a colour, named so, has no colour of its own ("" when it has): only RGB colour
// values carry their colour with them (colour numbers and palette colours are a window's).
std::string rgb_colour_problem(int colour, const std::string& name) {
    if ((static_cast<std::uint32_t>(colour) & 0xFF000000u) == 0x02000000u) return "";
    return name + " (" + std::to_string(colour) +
           ") is not an RGB colour value (lu_make_rgb_colour, lu_hls_colour, lu_hsv_colour)";
}

// Packed RGB (red << 16 ...) of an RGB colour value (0x02bbggrr).
std::uint32_t packed_of_colour_value(int colour) {
    const auto c = static_cast<std::uint32_t>(colour);
    return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

// Writes the three components where there are variables.
void put(float* first, float* second, float* third, double a, double b, double c) {
    if (first != nullptr) *first = static_cast<float>(a);
    if (second != nullptr) *second = static_cast<float>(b);
    if (third != nullptr) *third = static_cast<float>(c);
}

int colour_to_hls(int colour, float* hue, float* lightness, float* saturation) {
    if (const std::string why = rgb_colour_problem(colour, "the colour"); !why.empty())
        return refuse(why);
    const Hls c = hls_of_rgb(rgb_of_packed(packed_of_colour_value(colour)));
    put(hue, lightness, saturation, c.hue, c.lightness, c.saturation);
    return 1;
}

int colour_to_hsv(int colour, float* hue, float* saturation, float* value) {
    if (const std::string why = rgb_colour_problem(colour, "the colour"); !why.empty())
        return refuse(why);
    const Hsv c = hsv_of_rgb(rgb_of_packed(packed_of_colour_value(colour)));
    put(hue, saturation, value, c.hue, c.saturation, c.value);
    return 1;
}

int define_colour_map(int map, int n, const float* positions, const int* colours, int blend) {
    if (map <= kOwnMapBase || map > kOwnMapBase + kOwnMaps)
        return refuse("map " + std::to_string(map) +
                      " is not an own map number (LU_MAP_OWN + 1 "
                      "... LU_MAP_OWN + " +
                      std::to_string(kOwnMaps) + ")");
    if (n < 2 || n > kMaxControlPoints)
        return refuse("a map needs 2 ... " + std::to_string(kMaxControlPoints) +
                      " control points, not n = " + std::to_string(n));
    if (colours == nullptr) return refuse("no colours (NULL)");
    if (blend < 0 || blend > static_cast<int>(Blend::kOklab))
        return refuse("blend " + std::to_string(blend) +
                      " is not LU_MAP_BLEND_RGB, _HLS or _OKLAB (0 ... 2)");
    std::vector<std::uint32_t> rgb;
    for (int i = 0; i < n; ++i) {
        const std::string name = "colour " + std::to_string(i + 1);
        if (const std::string why = rgb_colour_problem(colours[i], name); !why.empty())
            return refuse(why);
        rgb.push_back(packed_of_colour_value(colours[i]));
    }
    if (const std::string why = positions_problem(positions, n); !why.empty()) return refuse(why);
    define_own_map(
        map, blended_map(control_points(positions, rgb.data(), n), static_cast<Blend>(blend)));
    return 1;
}

// An RGB colour value, or -999 as the colour builders give for arguments out of range.
int colour_value_or_invalid(const Rgb& c, bool usable) {
    return usable ? colour_value_of(packed_of(c)) : -999;
}

bool unit(float v) {
    return v >= 0 && v <= 1;  // NaN is not
}

int set_colour_map_extremes(int under, int over, int invalid) {
    ColourMap& current = current_colour_map();
    set_extreme(current.under, under);
    set_extreme(current.over, over);
    set_extreme(current.invalid, invalid);
    return 1;
}

}  // namespace

extern "C" {

int lu_set_colour_map(int map, float low, float high) {
    return guarded(__func__, [&] { return set_colour_map(map, low, high); });
}

int lu_set_colour_map_(int* result, const int* map, const float* low, const float* high) {
    return guarded(__func__,
                   [&] { return store(result, lu_set_colour_map(at(map), at(low), at(high))); });
}

int lu_set_colour_map_extremes(int under, int over, int invalid) {
    return guarded(__func__, [&] { return set_colour_map_extremes(under, over, invalid); });
}

int lu_set_colour_map_extremes_(int* result, const int* under, const int* over,
                                const int* invalid) {
    // A colour not passed is kept.
    return guarded(__func__, [&] {
        return store(result, lu_set_colour_map_extremes(under ? *under : -1, over ? *over : -1,
                                                        invalid ? *invalid : -1));
    });
}

int lu_define_colour_map(int map, int n, const float* positions, const int* colours, int blend) {
    return guarded(__func__, [&] { return define_colour_map(map, n, positions, colours, blend); });
}

int lu_define_colour_map_(int* result, const int* map, const int* n, const float* positions,
                          const int* colours, const int* blend) {
    return guarded(__func__, [&] {
        return store(result, lu_define_colour_map(at(map), at(n), positions, colours, at(blend)));
    });
}

int lu_hls_colour(float hue, float lightness, float saturation) {
    const bool usable = std::isfinite(hue) && unit(lightness) && unit(saturation);
    return colour_value_or_invalid(rgb_of_hls({hue, lightness, saturation}), usable);
}

int lu_hls_colour_(const float* hue, const float* lightness, const float* saturation) {
    return lu_hls_colour(hue ? *hue : NAN, lightness ? *lightness : NAN,
                         saturation ? *saturation : NAN);
}

int lu_hsv_colour(float hue, float saturation, float value) {
    const bool usable = std::isfinite(hue) && unit(saturation) && unit(value);
    return colour_value_or_invalid(rgb_of_hsv(hue, saturation, value), usable);
}

int lu_hsv_colour_(const float* hue, const float* saturation, const float* value) {
    return lu_hsv_colour(hue ? *hue : NAN, saturation ? *saturation : NAN, value ? *value : NAN);
}

int lu_colour_to_hls(int colour, float* hue, float* lightness, float* saturation) {
    return guarded(__func__, [&] { return colour_to_hls(colour, hue, lightness, saturation); });
}

int lu_colour_to_hls_(int* result, const int* colour, float* hue, float* lightness,
                      float* saturation) {
    return guarded(__func__, [&] {
        return store(result, lu_colour_to_hls(at(colour), hue, lightness, saturation));
    });
}

int lu_colour_to_hsv(int colour, float* hue, float* saturation, float* value) {
    return guarded(__func__, [&] { return colour_to_hsv(colour, hue, saturation, value); });
}

int lu_colour_to_hsv_(int* result, const int* colour, float* hue, float* saturation, float* value) {
    return guarded(__func__, [&] {
        return store(result, lu_colour_to_hsv(at(colour), hue, saturation, value));
    });
}

int lu_colour_of_value(float value) {
    return guarded(__func__, [&] { return colour_of(current_colour_map(), value); });
}

int lu_colour_of_value_(int* result, const float* value) {
    return guarded(__func__,
                   [&] { return store(result, lu_colour_of_value(value ? *value : NAN)); });
}

}  // extern "C"
