// Colours of a window: the 36 numbered entries and the three forms of a colour value.
//
// A colour value is one of
//   0 .. 35                      a colour entry of the window
//   0x02000000 | r | g<<8 | b<<16  an RGB colour (red in the low byte)
//   0x01000000 | index           a colour of the fixed 256-colour palette, index 0 .. 255
// Anything else (-999, -1, other flag bytes) is not a colour.
//
// Colours are held as packed RGB: red << 16 | green << 8 | blue.
//
// Entries a new window starts with:
//    0 black    000000     6 magenta    FF00FF    12 dark blue   000080
//    1 white    FFFFFF     7 cyan       00FFFF    13 olive       808000
//    2 red      FF0000     8 grey       808080    14 purple      800080
//    3 green    00FF00     9 light grey C0C0C0    15 teal        008080
//    4 blue     0000FF    10 dark red   800000    16..19 greys 404040 606060 A0A0A0 E0E0E0
//    5 yellow   FFFF00    11 dark green 008000    20..35 a hue circle from red in 16 steps
// Entries 20 .. 35 are the ones colour files save and load.
//
// The palette: 0 .. 15 the entries 0 .. 15 above, 16 .. 231 the 6 x 6 x 6 colour cube with
// the levels 0, 51, 102, 153, 204, 255 (red slowest), 232 .. 255 greys 8, 18, .. 238.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace luwnd {

inline constexpr int kColourEntries = 36;

// Packed RGB of the default entry 0 .. 35 (black for any other number).
std::uint32_t default_entry(int entry);
// Packed RGB of palette colour 0 .. 255 (black for any other index).
std::uint32_t palette_colour(int index);

class ColourTable {
  public:
    ColourTable();
    // Packed RGB of entry 0 .. 35, or nothing for another number.
    std::optional<std::uint32_t> entry(std::int32_t number) const;
    // Sets the entry to the colour value; false when the entry number or the value is bad.
    bool set(std::int32_t value, std::int32_t number);
    // Packed RGB of a colour value, or nothing when the value is not a colour.
    std::optional<std::uint32_t> resolve(std::int32_t value) const;

  private:
    std::array<std::uint32_t, kColourEntries> entries_{};
};

}  // namespace luwnd
