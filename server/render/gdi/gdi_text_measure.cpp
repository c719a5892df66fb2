#include "gdi_text_measure.h"

#include "gdi_canvas.h"
#include "gdi_text.h"
#include "server/render/painter.h"

namespace luwnd::render {

GdiTextMeasure::GdiTextMeasure() : dc_(CreateCompatibleDC(nullptr)) {}

GdiTextMeasure::~GdiTextMeasure() {
    if (dc_ != nullptr) DeleteDC(dc_);
}

std::optional<std::array<std::int32_t, 4>> GdiTextMeasure::measure(const FontState& font,
                                                                   std::string_view bytes) {
    return measure_either(font, bytes, false);
}

std::optional<std::array<std::int32_t, 4>> GdiTextMeasure::measure_utf8(const FontState& font,
                                                                        std::string_view bytes) {
    return measure_either(font, bytes, true);
}

std::optional<std::array<std::int32_t, 4>> GdiTextMeasure::measure_either(const FontState& font,
                                                                          std::string_view bytes,
                                                                          bool utf8) {
    if (dc_ == nullptr || bytes.size() > GdiCanvas::kMaxTextBytes) return std::nullopt;
    TextStyle style = text_style_of(font, 0);
    style.angle = 0;  // along the text's own direction
    HFONT handle = create_font(style);
    if (handle == nullptr) return std::nullopt;
    HGDIOBJ previous = SelectObject(dc_, handle);
    SIZE size{};
    TEXTMETRICA metrics{};
    // The bytes are read in the ANSI code page, as TextOutA draws them, or as UTF-8.
    const std::wstring wide = utf8 ? wide_from_utf8(bytes) : std::wstring();
    const bool extent =
        utf8 ? GetTextExtentPoint32W(dc_, wide.data(), static_cast<int>(wide.size()), &size)
             : GetTextExtentPoint32A(dc_, bytes.data(), static_cast<int>(bytes.size()), &size);
    const bool measured = extent && GetTextMetricsA(dc_, &metrics);
    SelectObject(dc_, previous);
    DeleteObject(handle);
    if (!measured) return std::nullopt;
    return std::array<std::int32_t, 4>{size.cx, metrics.tmHeight, metrics.tmAveCharWidth,
                                       metrics.tmAscent};
}

}  // namespace luwnd::render
