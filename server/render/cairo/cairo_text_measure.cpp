#include "cairo_text_measure.h"

#include <algorithm>
#include <cmath>

#include "cairo_canvas.h"
#include "cairo_text.h"
#include "server/render/painter.h"
#include "server/render/text_bytes.h"

namespace luwnd::render {
namespace {

std::int32_t pixels(double value) {
    return static_cast<std::int32_t>(std::lround(std::clamp(value, 0.0, 1e9)));
}

}  // namespace

CairoTextMeasure::CairoTextMeasure()
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1)), cr_(cairo_create(surface_)) {}

CairoTextMeasure::~CairoTextMeasure() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

std::optional<std::array<std::int32_t, 4>> CairoTextMeasure::measure(const FontState& font,
                                                                     std::string_view bytes) {
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS || bytes.size() > CairoCanvas::kMaxTextBytes)
        return std::nullopt;
    TextStyle style = text_style_of(font, 0);
    style.angle = 0;  // along the text's own direction
    PangoLayout* layout = text_layout(cr_, utf8_from_bytes(std::string(bytes)), style);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    PangoFontMetrics* metrics = pango_context_get_metrics(
        pango_layout_get_context(layout), pango_layout_get_font_description(layout), nullptr);
    std::array<std::int32_t, 4> extent{
        pixels(double(logical.width) / PANGO_SCALE), pixels(double(logical.height) / PANGO_SCALE),
        pixels(double(pango_font_metrics_get_approximate_char_width(metrics)) / PANGO_SCALE),
        pixels(double(pango_font_metrics_get_ascent(metrics)) / PANGO_SCALE)};
    pango_font_metrics_unref(metrics);
    g_object_unref(layout);
    return extent;
}

}  // namespace luwnd::render
