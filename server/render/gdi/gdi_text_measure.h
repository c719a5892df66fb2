// Text extents measured with GDI, with the fonts the GDI canvas draws with.
#pragma once

#include <windows.h>

#include "server/core/text_metrics.h"

namespace luwnd::render {

class GdiTextMeasure : public TextMeasure {
  public:
    GdiTextMeasure();
    ~GdiTextMeasure() override;
    GdiTextMeasure(const GdiTextMeasure&) = delete;
    GdiTextMeasure& operator=(const GdiTextMeasure&) = delete;

    std::optional<std::array<std::int32_t, 4>> measure(const FontState& font,
                                                       std::string_view bytes) override;
    std::optional<std::array<std::int32_t, 4>> measure_utf8(const FontState& font,
                                                            std::string_view bytes) override;

  private:
    std::optional<std::array<std::int32_t, 4>> measure_either(const FontState& font,
                                                              std::string_view bytes, bool utf8);

    HDC dc_ = nullptr;  // a memory DC to select the fonts into
};

}  // namespace luwnd::render
