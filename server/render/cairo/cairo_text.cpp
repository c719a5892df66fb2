// Texts through Pango: the face (with fontconfig's fallback for characters it lacks, so
// Japanese texts find a Japanese font), the em height in pixels, the style bits, the
// angle (or the affine picture of a text in a 3-D plane) and the anchor of the nine alignments. In
// images the text becomes a path, so that it takes the clip, the transform and the mix modes like
// every other drawing; in SVG and PDF it is shown as glyphs. PDF keeps glyphs as text in an
// embedded font; Cairo's SVG writes them as outlines, and the SVG text layer (svg_text_layer.h)
// adds the text.
#include "cairo_text.h"

#include "cairo_canvas.h"
#include "server/render/text_bytes.h"
#include "svg_text_layer.h"

namespace luwnd::render {
namespace {

constexpr const char* kDefaultFace = "Sans";

PangoFontDescription* font_of(const TextStyle& style) {
    PangoFontDescription* font = pango_font_description_new();
    const std::string face = utf8_from_bytes(style.face);
    pango_font_description_set_family(font, face.empty() ? kDefaultFace : face.c_str());
    pango_font_description_set_absolute_size(font, style.height * PANGO_SCALE);
    if ((style.style & kTextBold) != 0) pango_font_description_set_weight(font, PANGO_WEIGHT_BOLD);
    if ((style.style & kTextItalic) != 0)
        pango_font_description_set_style(font, PANGO_STYLE_ITALIC);
    else if ((style.style & kTextOblique) != 0)
        pango_font_description_set_style(font, PANGO_STYLE_OBLIQUE);
    return font;
}

PangoAttrList* decorations_of(const TextStyle& style) {
    PangoAttrList* list = pango_attr_list_new();
    if ((style.style & kTextUnderline) != 0)
        pango_attr_list_insert(list, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if ((style.style & kTextStrikeout) != 0)
        pango_attr_list_insert(list, pango_attr_strikethrough_new(TRUE));
    return list;
}

// Offset of the layout's top left corner from the anchor point.
void anchor_offset(PangoLayout* layout, const TextStyle& style, double& dx, double& dy) {
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    double width = logical.width / double(PANGO_SCALE);
    double height = logical.height / double(PANGO_SCALE);
    double baseline = pango_layout_get_baseline(layout) / double(PANGO_SCALE);
    dx = style.h_align == HAlign::kLeft     ? 0
         : style.h_align == HAlign::kCentre ? -width / 2
                                            : -width;
    dy = style.v_align == VAlign::kTop        ? 0
         : style.v_align == VAlign::kBaseline ? -baseline
                                              : -height;
}

// The text laid out at its anchor: as a path (as_path), else shown in the source colour
// and, when there is a text layer, written there as well.
void place_text(cairo_t* cr, Point at, const std::string& utf8, const TextStyle& style,
                bool as_path, SvgTextLayer* texts = nullptr, const Clip& clip = {}) {
    PangoLayout* layout = text_layout(cr, utf8, style);
    double dx = 0, dy = 0;
    anchor_offset(layout, style, dx, dy);
    cairo_save(cr);
    cairo_translate(cr, at.x, at.y);
    if (style.shape) {
        const TextShape& m = *style.shape;
        cairo_matrix_t shape;
        cairo_matrix_init(&shape, m.xx, m.yx, m.xy, m.yy, 0, 0);
        cairo_transform(cr, &shape);
    } else {
        cairo_rotate(cr, -style.angle);  // counterclockwise on a y-down page
    }
    cairo_move_to(cr, dx, dy);
    as_path ? pango_cairo_layout_path(cr, layout) : pango_cairo_show_layout(cr, layout);
    if (texts != nullptr) texts->add(cr, layout, dx, dy, style, clip);
    cairo_restore(cr);
    g_object_unref(layout);
}

}  // namespace

PangoLayout* text_layout(cairo_t* cr, const std::string& utf8, const TextStyle& style) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    PangoContext* context = pango_layout_get_context(layout);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    // Advances as the font gives them: rounded to whole pixels, a small text grows by up
    // to half a pixel a character and outruns the width the layout reserved for it.
    pango_context_set_round_glyph_positions(context, FALSE);
    pango_layout_context_changed(layout);
    PangoFontDescription* font = font_of(style);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    PangoAttrList* decorations = decorations_of(style);
    pango_layout_set_attributes(layout, decorations);
    pango_attr_list_unref(decorations);
    pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
    return layout;
}

void CairoCanvas::text(Point at, const std::string& bytes, const TextStyle& style) {
    if (bytes.empty() || bytes.size() > kMaxTextBytes) return;
    const std::string utf8 = utf8_from_bytes(bytes);
    if (!raster_) {
        show([&](cairo_t* cr) { place_text(cr, at, utf8, style, false, texts_, clip_); }, style.rgb,
             style.mix);
        return;
    }
    draw([&](cairo_t* cr) { place_text(cr, at, utf8, style, true); },
         [](cairo_t* cr) { cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING); }, false, style.rgb,
         style.mix);
}

}  // namespace luwnd::render
