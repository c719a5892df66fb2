// The colour-map operations of the public interface.
#include <cmath>

#include "client/include/lumora.h"
#include "colour_maps.h"

using namespace lumora::plot;

namespace {

// -1 keeps the colour, -2 brings back the map's own (stored as -1), other negative values
// are not colours.
void set_extreme(std::int32_t& slot, int value) {
    if (value == -2) slot = -1;
    if (value >= 0) slot = value;
}

}  // namespace

extern "C" {

int lu_set_colour_map(int map, float low, float high) {
    if (map != 0 && (map < kMapSequential || map > kMapGrey)) return 0;
    ColourMap& current = current_colour_map();
    if (map != 0) current.map = map;
    if (std::isfinite(low) && std::isfinite(high) && low != high) {
        current.low = low;
        current.high = high;
    }
    return 1;
}

int lu_set_colour_map_(int* result, const int* map, const float* low, const float* high) {
    int r = lu_set_colour_map(map ? *map : 0, low ? *low : 0.0f, high ? *high : 0.0f);
    if (result != nullptr) *result = r;
    return r;
}

int lu_set_colour_map_extremes(int under, int over, int invalid) {
    ColourMap& current = current_colour_map();
    set_extreme(current.under, under);
    set_extreme(current.over, over);
    set_extreme(current.invalid, invalid);
    return 1;
}

int lu_set_colour_map_extremes_(int* result, const int* under, const int* over,
                                const int* invalid) {
    int r =
        lu_set_colour_map_extremes(under ? *under : -1, over ? *over : -1, invalid ? *invalid : -1);
    if (result != nullptr) *result = r;
    return r;
}

int lu_colour_of_value(float value) {
    return colour_of(current_colour_map(), value);
}

int lu_colour_of_value_(int* result, const float* value) {
    int r = lu_colour_of_value(value ? *value : NAN);
    if (result != nullptr) *result = r;
    return r;
}

}  // extern "C"
