// The colour maps of the field operations and the program's current map: which map, the
// range of values it spans, and the colours of values below it, above it and of NaN.
// Colours are packed RGB (red << 16 | green << 8 | blue) here; colour values (the
// library's 0x02bbggrr form) only at the public operations.
#pragma once

#include <array>
#include <cstdint>

namespace lumora::plot {

// Computed maps, then listed ones (viridis, magma, cividis, inferno, plasma), then the
// program's own (own_colour_maps.h). A negative number is its map reversed.
inline constexpr int kMapSequential = 1, kMapDiverging = 2, kMapGrey = 3;
inline constexpr int kLastListedMap = 8;
inline constexpr int kMapSteps = 256;

// Whether a map number names a map: built in, or defined by the program.
bool known_map(int map);
// The map's colour at t (0 ... 1, clamped) from its table of kMapSteps colours; black for
// an unknown map.
std::uint32_t map_colour(int map, double t);

// Packed RGB as the library's RGB colour value, and back.
std::int32_t colour_value_of(std::uint32_t rgb);

struct ColourMap {
    int map = kMapSequential;
    double low = 0, high = 1;
    // Colour values; nothing set means the map's own.
    std::int32_t under = -1, over = -1, invalid = -1;
};

ColourMap& current_colour_map();

// Where a value falls: a place 0 ... 1 within the range, or one of the three others.
enum class Placement { kInside, kUnder, kOver, kInvalid };
Placement place(const ColourMap& map, double value, double& t);

// The colour value of a value in the map.
std::int32_t colour_of(const ColourMap& map, double value);
// The three extreme colour values, the map's own where none is set.
std::int32_t under_colour(const ColourMap& map);
std::int32_t over_colour(const ColourMap& map);
std::int32_t invalid_colour(const ColourMap& map);

// A palette of 256 colour values: entries 0 ... 252 the map in equal steps, then under,
// over and NaN; and the entry of a value.
inline constexpr int kPaletteSteps = 253;
inline constexpr int kPaletteUnder = 253, kPaletteOver = 254, kPaletteInvalid = 255;
std::array<std::int32_t, 256> palette_of(const ColourMap& map);
std::uint8_t palette_index(const ColourMap& map, double value);

}  // namespace lumora::plot
