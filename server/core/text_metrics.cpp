#include "text_metrics.h"

#include "drawing_state.h"

namespace luwnd {
namespace {

constexpr double kCharacterWidth = 0.6;
constexpr double kAscent = 0.8;

}  // namespace

std::array<std::int32_t, 4> text_extent(const FontState& font, std::size_t characters) {
    double height = font.size;
    double count = static_cast<double>(characters);
    return {to_device(kCharacterWidth * height * count), font.size,
            to_device(kCharacterWidth * height), to_device(kAscent * height)};
}

SymbolExtent symbol_extent(const FontState& font) {
    return {to_device(kCharacterWidth * font.size), font.size};
}

}  // namespace luwnd
