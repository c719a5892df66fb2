// Text widths without a round trip per text: the window process measures the printable
// ASCII characters of a face once, at a reference height, and the layout adds up the
// advances of a text's characters, scaled to its height. Kerning is left out, so a width
// may be off by a fraction of a pixel; the window process aligns each text itself, so
// only the room the layout leaves depends on it.
//
// Wire form ('B' 63 reply, the text area): kFontWidthValues little-endian f32 values:
// the reference height, the ascent and the descent at that height, then the advances of
// the characters 32 .. 126 at that height, then those of the markup's named symbols
// (markup_symbols.h) in their order, each measured as UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace lumora::plotcore {

inline constexpr int kFirstMeasured = 32, kLastMeasured = 126;
inline constexpr std::size_t kMeasuredCount = kLastMeasured - kFirstMeasured + 1;
inline constexpr std::size_t kSymbolCount = 105;  // markup_symbols().size()
inline constexpr std::size_t kFontWidthValues = 3 + kMeasuredCount + kSymbolCount;
inline constexpr float kReferenceHeight = 1000.0f;

struct FontWidths {
    float reference_height = kReferenceHeight;
    float ascent = 0.8f * kReferenceHeight;
    float descent = 0.2f * kReferenceHeight;
    std::array<float, kMeasuredCount> advance{};       // characters 32 .. 126
    std::array<float, kSymbolCount> symbol_advance{};  // the markup's named symbols

    // 0.6 of the height for every character, as the window process estimates without fonts.
    static FontWidths estimate();
    // A character outside 32 .. 126 takes the advance of 'n'.
    float advance_of(unsigned char c) const;
    // The advance of a character given by its code: a named symbol's own, otherwise as
    // advance_of.
    float advance_of_code(char32_t code) const;
};

// The width of the bytes at the height, in the same unit. utf8: a multi-byte sequence is
// one character (Linux, and the named symbols of markup everywhere); otherwise every byte
// is one (a Windows code page).
float text_width(const FontWidths& widths, std::string_view bytes, float height, bool utf8);

// The wire form and back. from_wire gives nothing when a value is not finite, a height is
// not positive or an advance is negative or beyond ten heights.
std::vector<std::uint8_t> to_wire(const FontWidths& widths);
bool from_wire(std::span<const std::uint8_t> bytes, FontWidths& widths);

}  // namespace lumora::plotcore
