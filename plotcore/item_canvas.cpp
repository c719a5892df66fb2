#include "item_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "batch_format.h"
#include "gradient.h"
#include "hatch.h"

namespace lumora::plotcore {
namespace {

// Pen styles 0 .. 9 as dashes; style 5 draws no line.
constexpr int kNoLine = 5;
Dash dash_of(int style) {
    switch (style) {
        case 1:
        case 7:
            return Dash::kDash;
        case 2:
        case 8:
        case 9:
            return Dash::kDot;
        case 3:
            return Dash::kDashDot;
        case 4:
            return Dash::kDashDotDot;
        default:
            return Dash::kSolid;
    }
}

// Places beyond what a batch may carry are pulled in to its bound: the line still leaves
// the page in the same direction.
float bounded(double v) {
    const double most = kMaxCoordinate;
    return static_cast<float>(v < -most ? -most : (v > most ? most : v));
}

// Two lines with the same stroke become one item of segments (tick marks, grids).
bool joins(const Item& last, const Item& next) {
    return last.kind == ItemKind::kSegments && next.kind == ItemKind::kPolyline &&
           next.points.size() == 2 && last.stroke == next.stroke;
}

}  // namespace

std::uint32_t batch_colour(int colour_value) {
    return kColourValueFlag | static_cast<std::uint32_t>(colour_value);
}

ItemCanvas::ItemCanvas(StyleWidths widths, bool utf8, double page_height, double resolution)
    : widths_(std::move(widths)), utf8_(utf8), page_height_(page_height), resolution_(resolution) {}

Items ItemCanvas::take_items() {
    Items taken = std::move(items_);
    items_.clear();
    return taken;
}

void ItemCanvas::add_as_is(Item item) {
    items_.push_back(std::move(item));
}

PointF ItemCanvas::place(double x, double y) const {
    return {bounded(x + 0.5), bounded(page_height_ - y + 0.5)};
}

Stroke ItemCanvas::stroke() const {
    return {batch_colour(pen_.colour), static_cast<float>(pen_.width * resolution_),
            dash_of(pen_.style)};
}

void ItemCanvas::add(Item item) {
    if (!items_.empty() && joins(items_.back(), item)) {
        items_.back().points.insert(items_.back().points.end(), item.points.begin(),
                                    item.points.end());
        return;
    }
    if (item.kind == ItemKind::kPolyline && item.points.size() == 2) {
        item.kind = ItemKind::kSegments;
    }
    items_.push_back(std::move(item));
}

namespace {

std::vector<PointF> place_all(const ItemCanvas& canvas, const std::vector<double>& xy) {
    std::vector<PointF> points;
    points.reserve(xy.size() / 2);
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
        if (std::isfinite(xy[i]) && std::isfinite(xy[i + 1])) {
            points.push_back(canvas.place(xy[i], xy[i + 1]));
        }
    }
    return points;
}

}  // namespace

void ItemCanvas::polyline(const std::vector<double>& xy) {
    if (pen_.style == kNoLine) return;
    Item item;
    item.kind = ItemKind::kPolyline;
    item.stroke = stroke();
    item.points = place_all(*this, xy);
    if (!item.points.empty()) add(std::move(item));
}

void ItemCanvas::polygon(const std::vector<double>& xy, int fill, bool outline, bool nonzero,
                         int fill_alpha) {
    Item item;
    item.kind = ItemKind::kPolygon;
    item.filled = fill >= 0;
    item.fill_alpha = static_cast<std::uint8_t>(std::clamp(fill_alpha, 0, 255));
    item.fill_rgb = item.filled ? batch_colour(fill) : 0;
    item.outlined = outline && pen_.style != kNoLine;
    item.nonzero = nonzero;
    // An outline's stroke only: a fill alone is the same whatever the pen.
    if (item.outlined) item.stroke = stroke();
    item.points = place_all(*this, xy);
    if (item.points.size() >= 3 && (item.filled || item.outlined)) add(std::move(item));
}

void ItemCanvas::markers(const std::vector<double>& xy, int type, double size, bool filled) {
    Item item;
    item.kind = ItemKind::kMarkers;
    item.marker = {static_cast<std::uint8_t>(type), filled, static_cast<float>(std::max(size, 1.0)),
                   static_cast<float>(resolution_), batch_colour(pen_.colour)};
    item.points = place_all(*this, xy);
    if (!item.points.empty()) add(std::move(item));
}

void ItemCanvas::coloured_markers(const std::vector<double>& xy, const std::vector<double>& sizes,
                                  const std::vector<int>& colours, int type, bool filled) {
    Item item;
    item.kind = ItemKind::kColouredMarkers;
    item.marker.type = static_cast<std::uint8_t>(type);  // size and colour: each point's own
    item.marker.filled = filled;
    item.marker.line_width = static_cast<float>(resolution_);
    for (std::size_t i = 0; 2 * i + 1 < xy.size() && i < sizes.size() && i < colours.size(); ++i) {
        if (!std::isfinite(xy[2 * i]) || !std::isfinite(xy[2 * i + 1])) continue;
        item.points.push_back(place(xy[2 * i], xy[2 * i + 1]));
        item.sizes.push_back(static_cast<float>(std::clamp(sizes[i], 1.0, double{kMaxWidth})));
        item.colours.push_back(batch_colour(colours[i]));
    }
    if (!item.points.empty()) add(std::move(item));
}

void ItemCanvas::hatch(const std::vector<double>& xy, int colour, const Hatch& hatch,
                       bool nonzero) {
    Item item;
    item.kind = ItemKind::kHatch;
    item.stroke = {batch_colour(colour), static_cast<float>(resolution_), Dash::kSolid};
    item.nonzero = nonzero;
    item.hatch = scaled_hatch(hatch, resolution_);
    item.points = place_all(*this, xy);
    if (item.points.size() >= 3 && !item.hatch.empty()) add(std::move(item));
}

void ItemCanvas::gradient(const std::vector<double>& xy, std::vector<GradientStop> stops,
                          double angle, bool nonzero) {
    Item item;
    item.kind = ItemKind::kGradient;
    item.nonzero = nonzero;
    item.points = place_all(*this, xy);
    item.gradient.stops = std::move(stops);
    gradient_axis(item.points, angle, item.gradient);
    if (item.points.size() >= 3 && item.gradient.from != item.gradient.to) add(std::move(item));
}

void ItemCanvas::clip_to(const Rect& box) {
    const PointF a = place(box.x0, box.y1), b = place(box.x1, box.y0);
    Item item;
    item.kind = ItemKind::kClip;
    item.clip_on = true;
    item.clip = {a.x - 0.5f, a.y - 0.5f, b.x + 0.5f, b.y + 0.5f};
    add(std::move(item));
}

void ItemCanvas::clip_off() {
    Item item;
    item.kind = ItemKind::kClip;
    item.clip_on = false;
    add(std::move(item));
}

void ItemCanvas::set_pen(int colour, int style, int width) {
    if (colour != kKeep) pen_.colour = colour;
    if (style != kKeep) pen_.style = style;
    if (width != kKeep) pen_.width = std::max(width, 1);
}

void ItemCanvas::set_text(double height, double angle, int align, int colour) {
    font_.height = std::max(height, 1.0);
    font_.angle = angle;
    font_.align = align;
    if (colour != kKeep) font_.colour = colour;
}

int ItemCanvas::set_text_style(int style) {
    return std::exchange(font_.style, style);
}

void ItemCanvas::set_text_matrix(const std::optional<TextMatrix>& matrix) {
    font_.matrix = matrix;
}

TextSize ItemCanvas::measure_text(const std::string& text) {
    const auto h = static_cast<float>(font_.height);
    const FontWidths& widths = widths_(font_.style & kTextStyles);
    const bool utf8 = utf8_ || (font_.style & kUtf8Text) != 0;
    const double scale = h / widths.reference_height;
    return {text_width(widths, text, h, utf8), (widths.ascent + widths.descent) * scale,
            widths.ascent * scale};
}

void ItemCanvas::draw_text(double x, double y, const std::string& bytes) {
    if (bytes.empty()) return;
    Item item;
    item.kind = ItemKind::kText;
    item.points = {place(x, y)};
    TextLook& t = item.text;
    t.height = static_cast<float>(std::max(font_.height, 1.0));
    t.angle = static_cast<float>(font_.angle * 2 * std::numbers::pi);
    if (font_.matrix) {
        // Batch coordinates run down the page, and so does the text's own y.
        const TextMatrix& m = *font_.matrix;
        t.angle = 0;
        t.matrix = BatchTextMatrix{static_cast<float>(m.xx), static_cast<float>(-m.xy),
                                   static_cast<float>(-m.yx), static_cast<float>(m.yy)};
    }
    t.h_align = static_cast<HAlign>(font_.align % 3);
    t.v_align = static_cast<VAlign>(font_.align / 3);
    t.style = static_cast<std::uint8_t>(font_.style & kTextStyles);
    if ((font_.style & kUtf8Text) != 0) t.style |= kTextUtf8Bytes;
    t.rgb = batch_colour(font_.colour);
    t.bytes = bytes.substr(0, kMaxTextBytes);
    add(std::move(item));
}

void ItemCanvas::draw_line(double x1, double y1, double x2, double y2) {
    polyline({x1, y1, x2, y2});
}

void ItemCanvas::draw_polyline(const std::vector<float>& xy) {
    if (xy.size() >= 4) polyline({xy.begin(), xy.end()});
}

void ItemCanvas::fill_box(double x0, double y0, double x1, double y1, int colour) {
    polygon({x0, y0, x1, y0, x1, y1, x0, y1}, colour, false, false);
}

void ItemCanvas::fill_translucent_box(double x0, double y0, double x1, double y1, int colour,
                                      int alpha) {
    polygon({x0, y0, x1, y0, x1, y1, x0, y1}, colour, false, false, alpha);
}

void ItemCanvas::outline_box(double x0, double y0, double x1, double y1) {
    polyline({x0, y0, x1, y0, x1, y1, x0, y1, x0, y0});
}

void ItemCanvas::draw_markers(const std::vector<double>& xy, int type, bool filled, double pixels) {
    markers(xy, type, pixels, filled);
}

void ItemCanvas::hatch_polygon(const std::vector<double>& xy, int colour, const Hatch& h) {
    hatch(xy, colour, h, false);
}

}  // namespace lumora::plotcore
