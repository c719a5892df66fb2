#include "font_widths.h"

#include <cmath>
#include <cstring>

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

bool is_continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

}  // namespace

FontWidths FontWidths::estimate() {
    FontWidths w;
    w.advance.fill(kEstimate * kReferenceHeight);
    return w;
}

float FontWidths::advance_of(unsigned char c) const {
    if (c >= kFirstMeasured && c <= kLastMeasured) return advance[c - kFirstMeasured];
    return advance['n' - kFirstMeasured];
}

float text_width(const FontWidths& widths, std::string_view bytes, float height, bool utf8) {
    if (widths.reference_height <= 0) return 0;
    float sum = 0;
    for (unsigned char c : bytes) {
        if (utf8 && is_continuation(c)) continue;
        sum += widths.advance_of(c);
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
    widths = w;
    return true;
}

}  // namespace lumora::plotcore
