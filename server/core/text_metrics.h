// Text extents. A host that draws texts measures them with the fonts it draws with (a
// TextMeasure); without one, every character is 0.6 of the font height wide, a line is
// the font height high. The rotation of the font is not considered: extents are along
// the text's own direction.
//
// The four words of a text extent ('B' 17), device units, each rounded to the nearest;
// the estimate's values:
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
#include <optional>
#include <string_view>

#include "drawing_attributes.h"

namespace luwnd {

std::array<std::int32_t, 4> text_extent(const FontState& font, std::size_t characters);

// Measures texts as the host's renderer draws them.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    // The four words of the extent of the bytes (as the program sent them) in the font:
    // the text's width, the line's height, the average character width of the font and
    // its ascent. Nothing when the renderer cannot measure.
    virtual std::optional<std::array<std::int32_t, 4>> measure(const FontState& font,
                                                               std::string_view bytes) = 0;
    // The same for bytes in UTF-8 whatever the platform reads (a plot's named symbols);
    // where texts are UTF-8 anyway, the same as measure.
    virtual std::optional<std::array<std::int32_t, 4>> measure_utf8(const FontState& font,
                                                                    std::string_view bytes) {
        return measure(font, bytes);
    }
};

struct SymbolExtent {
    std::int32_t width = 0, height = 0;
};
SymbolExtent symbol_extent(const FontState& font);

}  // namespace luwnd
