// The font widths of 'B' 73 (plotcore/font_widths.h) per face and style, measured once
// with the host's TextMeasure at the reference height and kept for the process: a
// measurement lays out 95 characters, which is too slow to repeat for every plot.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "plotcore/font_widths.h"
#include "text_metrics.h"

namespace luwnd {

// The widths of the face ("" the renderer's default) with the style bits (1 bold,
// 2 italic), measured with the measure; the estimate without one, or when it cannot
// measure every character.
lumora::plotcore::FontWidths measure_font_widths(TextMeasure* measure, std::string_view face,
                                                 std::int32_t style);

class FontWidthsCache {
  public:
    // Faces come from programs: past this many the cache starts again.
    static constexpr std::size_t kMaxEntries = 64;

    explicit FontWidthsCache(TextMeasure* measure) : measure_(measure) {}
    const lumora::plotcore::FontWidths& get(std::string_view face, std::int32_t style);
    std::size_t size() const { return entries_.size(); }

  private:
    TextMeasure* measure_;
    std::map<std::pair<std::string, std::int32_t>, lumora::plotcore::FontWidths> entries_;
};

}  // namespace luwnd
