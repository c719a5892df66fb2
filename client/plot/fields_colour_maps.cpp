// The colour-map operations of the public interface.
#include <cmath>

#include "client/include/lumora.h"
#include "colour_maps.h"
#include "entry.h"

using namespace lumora::plot;

namespace {

// -1 keeps the colour, -2 brings back the map's own (stored as -1), other negative values
// are not colours.
void set_extreme(std::int32_t& slot, int value) {
    if (value == -2) slot = -1;
    if (value >= 0) slot = value;
}

int set_colour_map(int map, float low, float high) {
    if (map != 0 && (map < kMapSequential || map > kMapGrey)) {
        return refuse("map " + std::to_string(map) +
                      " is not 0 (the current one), LU_MAP_SEQUENTIAL, LU_MAP_DIVERGING or "
                      "LU_MAP_GREY (1 ... 3)");
    }
    ColourMap& current = current_colour_map();
    if (map != 0) current.map = map;
    if (std::isfinite(low) && std::isfinite(high) && low != high) {
        current.low = low;
        current.high = high;
    }
    return 1;
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

int lu_colour_of_value(float value) {
    return guarded(__func__, [&] { return colour_of(current_colour_map(), value); });
}

int lu_colour_of_value_(int* result, const float* value) {
    return guarded(__func__,
                   [&] { return store(result, lu_colour_of_value(value ? *value : NAN)); });
}

}  // extern "C"
