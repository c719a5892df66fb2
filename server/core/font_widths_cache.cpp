#include "font_widths_cache.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "plotcore/markup_symbols.h"

namespace luwnd {

namespace plotcore = lumora::plotcore;

namespace {

// A measured length in the bounds a reader of the widths accepts (ten heights).
float length(std::int64_t value) {
    constexpr auto kMost = static_cast<std::int64_t>(10 * plotcore::kReferenceHeight);
    return static_cast<float>(std::clamp<std::int64_t>(value, 0, kMost));
}

}  // namespace

plotcore::FontWidths measure_font_widths(TextMeasure* measure, std::string_view face,
                                         std::int32_t style) {
    if (measure == nullptr) return plotcore::FontWidths::estimate();
    FontState font;
    font.size = static_cast<std::int32_t>(plotcore::kReferenceHeight);
    font.style = style;
    font.face = std::string(face);
    plotcore::FontWidths widths;
    widths.reference_height = plotcore::kReferenceHeight;
    for (int c = plotcore::kFirstMeasured; c <= plotcore::kLastMeasured; ++c) {
        const char byte = static_cast<char>(c);
        std::optional<std::array<std::int32_t, 4>> extent =
            measure->measure(font, std::string_view(&byte, 1));
        if (!extent) return plotcore::FontWidths::estimate();
        widths.advance[static_cast<std::size_t>(c - plotcore::kFirstMeasured)] =
            length((*extent)[0]);
        if (c == 'n') {
            // The line is the ascent and the descent together.
            widths.ascent = length((*extent)[3]);
            widths.descent = length(std::int64_t{(*extent)[1]} - (*extent)[3]);
        }
    }
    for (std::size_t i = 0; i < plotcore::kSymbolCount; ++i) {
        const std::string bytes = plotcore::utf8_of(plotcore::markup_symbols()[i].code);
        std::optional<std::array<std::int32_t, 4>> extent = measure->measure_utf8(font, bytes);
        widths.symbol_advance[i] =
            extent ? length((*extent)[0]) : widths.advance['n' - plotcore::kFirstMeasured];
    }
    return widths;
}

const plotcore::FontWidths& FontWidthsCache::get(std::string_view face, std::int32_t style) {
    auto key = std::make_pair(std::string(face), style);
    auto it = entries_.find(key);
    if (it != entries_.end()) return it->second;
    if (entries_.size() >= kMaxEntries) entries_.clear();
    return entries_.emplace(std::move(key), measure_font_widths(measure_, face, style))
        .first->second;
}

}  // namespace luwnd
