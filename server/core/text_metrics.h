// Text extents until real fonts measure them: every character is 0.6 of the font height
// wide, a line is the font height high, and the rotation of the font is not considered.
//
// The four words of a text extent ('B' 17), device units, each rounded to the nearest:
//   result1  width of the whole text       0.6 · height · characters   (horizontal)
//   result2  height of the line            height                      (vertical)
//   result3  width of one character        0.6 · height                (horizontal)
//   result4  ascent above the baseline     0.8 · height                (vertical)
// A symbol extent ('B' 18) is one character of the symbol font: its width in result2 and
// its height in result3.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "drawing_attributes.h"

namespace luwnd {

std::array<std::int32_t, 4> text_extent(const FontState& font, std::size_t characters);

struct SymbolExtent {
    std::int32_t width = 0, height = 0;
};
SymbolExtent symbol_extent(const FontState& font);

}  // namespace luwnd
