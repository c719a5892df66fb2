#include "svg_text_layer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

namespace luwnd::render {
namespace {

// Far outside any page, for the clip path that keeps the outside of a box.
constexpr double kFar = 1 << 22;

// A number in SVG syntax whatever the locale, to a thousandth of a pixel.
std::string number(double value) {
    if (!std::isfinite(value)) return "0";
    std::array<char, 64> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 3);
    if (error != std::errc()) return "0";
    std::string text(buffer.data(), end);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text == "-0" ? "0" : text;
}

// A number in SVG syntax whatever the locale, to nine significant digits.
std::string exact_number(double value) {
    std::array<char, 64> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 9);
    return error == std::errc() && std::isfinite(value) ? std::string(buffer.data(), end) : "1";
}

std::string attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + value + "\"";
}

std::string box_path(const Box& b) {
    return "M " + number(b.left) + " " + number(b.top) + " H " + number(b.right) + " V " +
           number(b.bottom) + " H " + number(b.left) + " Z";
}

// The family of a run's font as a quoted CSS family name, or nothing.
std::string family_of(const PangoLayoutRun* run) {
    if (run->item == nullptr || run->item->analysis.font == nullptr) return {};
    PangoFontDescription* font = pango_font_describe(run->item->analysis.font);
    const char* family = pango_font_description_get_family(font);
    std::string name;
    for (const char* c = family != nullptr ? family : ""; *c != '\0'; ++c)
        if (*c != '\'' && *c != '\\') name += *c;  // what would end or escape the quotes
    pango_font_description_free(font);
    return name.empty() ? name : "'" + name + "'";
}

// The families of the fonts the line is drawn in (fontconfig's choices, fallbacks for
// characters the face lacks among them), in order of first use.
std::string families_of(PangoLayoutLine* line) {
    std::vector<std::string> families;
    for (GSList* run = line->runs; run != nullptr; run = run->next) {
        std::string family = family_of(static_cast<const PangoLayoutRun*>(run->data));
        if (!family.empty() &&
            std::find(families.begin(), families.end(), family) == families.end())
            families.push_back(std::move(family));
    }
    std::string list;
    for (const std::string& family : families) list += (list.empty() ? "" : ", ") + family;
    return list.empty() ? "sans-serif" : list;
}

bool translation_only(const cairo_matrix_t& m) {
    return m.xx == 1 && m.yy == 1 && m.xy == 0 && m.yx == 0;
}

// Length of the UTF-8 sequence starting with the byte (the text is valid UTF-8).
std::size_t sequence_length(unsigned char byte) {
    return byte < 0x80 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
}

// What stands for the character in XML, or nothing when it stands for itself.
const char* replacement(std::string_view c) {
    static constexpr std::pair<std::string_view, const char*> kReplaced[] = {
        {"&", "&amp;"},  {"<", "&lt;"},         {">", "&gt;"},        {"\"", "&quot;"},
        {"'", "&apos;"}, {"\xEF\xBF\xBE", " "}, {"\xEF\xBF\xBF", " "}};
    for (auto [from, to] : kReplaced)
        if (c == from) return to;
    const auto byte = static_cast<unsigned char>(c[0]);
    return byte < 0x20 && byte != '\t' ? " " : nullptr;
}

}  // namespace

std::string xml_text(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length =
            std::min(sequence_length(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const std::string_view c(utf8.data() + i, length);
        i += length;
        const char* instead = replacement(c);
        out += instead != nullptr ? std::string_view(instead) : c;
    }
    return out;
}

void SvgTextLayer::open_clip(const Clip& clip) {
    if (!elements_.empty() && clip == clip_) return;
    if (clip_.kind != Clip::Kind::kNone && !elements_.empty()) elements_ += "</g>\n";
    clip_ = clip;
    if (clip.kind == Clip::Kind::kNone) return;
    const std::string id = "lumora-text-clip-" + std::to_string(++clips_);
    std::string path = box_path(clip.box);
    if (clip.kind == Clip::Kind::kOutside)
        path = box_path({-kFar, -kFar, kFar, kFar}) + " " + path + "\" clip-rule=\"evenodd";
    defs_ += "<clipPath id=\"" + id + "\"><path d=\"" + path + "\"/></clipPath>\n";
    elements_ += "<g clip-path=\"url(#" + id + ")\">\n";
}

void SvgTextLayer::add(cairo_t* cr, PangoLayout* layout, double x, double y, const TextStyle& style,
                       const Clip& clip) {
    cairo_matrix_t matrix;
    cairo_get_matrix(cr, &matrix);
    PangoLayoutIter* line = pango_layout_get_iter(layout);
    bool opened = false;
    do {
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(line, nullptr, &logical);
        if (logical.width <= 0 || pango_layout_iter_get_line_readonly(line)->length <= 0) continue;
        if (!opened) open_clip(clip);
        opened = true;
        add_line(matrix, line, layout, x, y, style);
    } while (pango_layout_iter_next_line(line));
    pango_layout_iter_free(line);
}

void SvgTextLayer::add_line(const cairo_matrix_t& matrix, PangoLayoutIter* iter,
                            PangoLayout* layout, double x, double y, const TextStyle& style) {
    PangoLayoutLine* line = pango_layout_iter_get_line_readonly(iter);
    PangoRectangle logical;
    pango_layout_iter_get_line_extents(iter, nullptr, &logical);
    x += double(logical.x) / PANGO_SCALE;
    y += double(pango_layout_iter_get_baseline(iter)) / PANGO_SCALE;
    std::string element = "<text";
    if (translation_only(matrix)) {
        x += matrix.x0;
        y += matrix.y0;
    } else {
        element +=
            attribute("transform", "matrix(" + number(matrix.xx) + " " + number(matrix.yx) + " " +
                                       number(matrix.xy) + " " + number(matrix.yy) + " " +
                                       number(matrix.x0) + " " + number(matrix.y0) + ")");
    }
    element += attribute("x", number(x)) + attribute("y", number(y));
    element += attribute("textLength", number(double(logical.width) / PANGO_SCALE));
    element += attribute("lengthAdjust", "spacingAndGlyphs");
    element += attribute("font-family", xml_text(families_of(line)));
    element += attribute("font-size", number(style.height));
    if ((style.style & kTextBold) != 0) element += attribute("font-weight", "bold");
    if ((style.style & kTextItalic) != 0)
        element += attribute("font-style", "italic");
    else if ((style.style & kTextOblique) != 0)
        element += attribute("font-style", "oblique");
    const char* text = pango_layout_get_text(layout);
    element += ">" + xml_text(std::string(text + line->start_index, line->length)) + "</text>\n";
    elements_ += element;
}

std::string SvgTextLayer::markup(double scale) const {
    if (elements_.empty()) return {};
    // Transparent, but filled: viewers pick and select only what is painted, and a fill
    // of opacity 0 counts as painted where "fill: none" would not.
    std::string out = "<g fill=\"rgb(0,0,0)\" fill-opacity=\"0\" stroke=\"none\"";
    if (scale != 1) out += attribute("transform", "scale(" + exact_number(scale) + ")");
    out += " xml:space=\"preserve\">\n";
    if (!defs_.empty()) out += "<defs>\n" + defs_ + "</defs>\n";
    out += elements_;
    if (clip_.kind != Clip::Kind::kNone) out += "</g>\n";
    return out + "</g>\n";
}

}  // namespace luwnd::render
