#include "font_widths.h"

#include <cmath>
#include <cstring>

#include "markup_symbols.h"

namespace lumora::plotcore {
namespace {

constexpr float kEstimate = 0.6f;

void put_f32(std::vector<std::uint8_t>& out, float v) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

float get_f32(std::span<const std::uint8_t> bytes, std::size_t index) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(bytes[index * 4 + i]) << (8 * i);
    float v = 0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

}  // namespace

FontWidths FontWidths::estimate() {
    FontWidths w;
    w.advance.fill(kEstimate * kReferenceHeight);
    w.symbol_advance.fill(kEstimate * kReferenceHeight);
    return w;
}

float FontWidths::advance_of(unsigned char c) const {
    if (c >= kFirstMeasured && c <= kLastMeasured) return advance[c - kFirstMeasured];
    return advance['n' - kFirstMeasured];
}

float FontWidths::advance_of_code(char32_t code) const {
    if (code < 0x80) return advance_of(static_cast<unsigned char>(code));
    const int symbol = symbol_index(code);
    return symbol >= 0 ? symbol_advance[static_cast<std::size_t>(symbol)]
                       : advance['n' - kFirstMeasured];
}

float text_width(const FontWidths& widths, std::string_view bytes, float height, bool utf8) {
    if (widths.reference_height <= 0) return 0;
    float sum = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t length = 1;
        if (utf8) {
            sum += widths.advance_of_code(decode_utf8(bytes, i, length));
        } else {
            sum += widths.advance_of(static_cast<unsigned char>(bytes[i]));
        }
        i += length;
    }
    return sum * height / widths.reference_height;
}

std::vector<std::uint8_t> to_wire(const FontWidths& widths) {
    std::vector<std::uint8_t> out;
    out.reserve(kFontWidthValues * 4);
    put_f32(out, widths.reference_height);
    put_f32(out, widths.ascent);
    put_f32(out, widths.descent);
    for (float a : widths.advance) put_f32(out, a);
    for (float a : widths.symbol_advance) put_f32(out, a);
    return out;
}

bool from_wire(std::span<const std::uint8_t> bytes, FontWidths& widths) {
    if (bytes.size() < kFontWidthValues * 4) return false;
    FontWidths w;
    w.reference_height = get_f32(bytes, 0);
    w.ascent = get_f32(bytes, 1);
    w.descent = get_f32(bytes, 2);
    const float h = w.reference_height;
    if (!std::isfinite(h) || h <= 0 || h > 1e6f) return false;
    const auto sane = [h](float v) { return std::isfinite(v) && v >= 0 && v <= 10 * h; };
    if (!sane(w.ascent) || !sane(w.descent)) return false;
    for (std::size_t i = 0; i < kMeasuredCount; ++i) {
        w.advance[i] = get_f32(bytes, 3 + i);
        if (!sane(w.advance[i])) return false;
    }
    for (std::size_t i = 0; i < kSymbolCount; ++i) {
        w.symbol_advance[i] = get_f32(bytes, 3 + kMeasuredCount + i);
        if (!sane(w.symbol_advance[i])) return false;
    }
    widths = w;
    return true;
}

}  // namespace lumora::plotcore
