// Text extents measured with Pango, as the Cairo canvas lays the texts out.
#pragma once

#include <cairo.h>

#include "server/core/text_metrics.h"

namespace luwnd::render {

class CairoTextMeasure : public TextMeasure {
  public:
    CairoTextMeasure();
    ~CairoTextMeasure() override;
    CairoTextMeasure(const CairoTextMeasure&) = delete;
    CairoTextMeasure& operator=(const CairoTextMeasure&) = delete;

    std::optional<std::array<std::int32_t, 4>> measure(const FontState& font,
                                                       std::string_view bytes) override;

  private:
    cairo_surface_t* surface_ = nullptr;  // a pixel to lay texts out on
    cairo_t* cr_ = nullptr;
};

}  // namespace luwnd::render
