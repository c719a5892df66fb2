#include "cairo_canvas.h"

#include <algorithm>
#include <array>
#include <vector>

#include "cairo_mix.h"
#include "cairo_paths.h"
#include "server/render/dash_pattern.h"
#include "server/render/mix_mode.h"

namespace luwnd::render {
namespace {

// Far outside any page, for the clip that keeps the outside of a box.
constexpr double kFar = 1 << 22;

void set_rgb(cairo_t* cr, std::uint32_t rgb, double alpha = 1.0) {
    cairo_set_source_rgba(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                          (rgb & 0xFF) / 255.0, alpha);
}

// Dash lengths in pixels (alternate: every other pixel, whatever the width).
std::vector<double> dashes_of(const Pen& pen) {
    if (pen.dash == DashStyle::kAlternate) return {1, 1};
    std::vector<double> dashes = dash_pattern(pen.dash);
    for (double& length : dashes) length *= pen.exact() ? pen.exact_width : pen.width;
    return dashes;
}

// A plot item's pen: its own width, round ends and joins when solid, flat dash ends.
void setup_exact_pen(cairo_t* cr, const Pen& pen) {
    cairo_set_line_width(cr, pen.exact_width);
    std::vector<double> dashes = dashes_of(pen);
    cairo_set_dash(cr, dashes.data(), static_cast<int>(dashes.size()), 0);
    const bool solid = dashes.empty();
    cairo_set_line_cap(cr, solid ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
}

void setup_pen(cairo_t* cr, const Pen& pen) {
    if (pen.exact()) return setup_exact_pen(cr, pen);
    cairo_set_line_width(cr, pen.width);
    std::vector<double> dashes = dashes_of(pen);
    // A one-pixel path runs through pixel centres: square caps make every dash cover whole
    // pixels (a dash of n pixels is n - 1 long between its caps), where butt caps would
    // cover half pixels at each end and blur dots to grey.
    const bool thin = pen.width == 1;
    // (Cairo leaves out dashes of length 0 within a dash pattern: a dot keeps a trace.)
    for (std::size_t i = 0; thin && i < dashes.size(); ++i)
        dashes[i] = i % 2 == 0 ? std::max(dashes[i] - 1, 1e-3) : dashes[i] + 1;
    cairo_set_dash(cr, dashes.data(), static_cast<int>(dashes.size()), 0);
    bool round = pen.width > 1 && pen.dash == DashStyle::kSolid;
    cairo_line_cap_t cap = round ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT;
    cairo_set_line_cap(cr, thin ? CAIRO_LINE_CAP_SQUARE : cap);
    cairo_set_line_join(cr, round ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
}

// Points of one stroke of a long solid polyline.
constexpr std::size_t kPolylinePiece = 256;

// Strokes of odd width run through pixel centres, so that they cover whole pixels; exact
// ones run where they are told.
double stroke_offset(const Pen& pen) {
    if (pen.exact()) return 0.0;
    return pen.width % 2 == 1 ? 0.5 : 0.0;
}

// The line an outline of the box runs along: through its border pixels (an exact pen:
// along its edges).
Box outline_box(const Box& box, const Pen& pen) {
    if (pen.exact()) return box;
    double o = stroke_offset(pen);
    return {box.left + o, box.top + o, box.right - 1 + o, box.bottom - 1 + o};
}

bool drawable(const cairo_matrix_t& matrix) {
    cairo_matrix_t check = matrix;
    return cairo_matrix_invert(&check) == CAIRO_STATUS_SUCCESS;
}

// The clip (in device pixels) and then the transform of the drawing.
void prepare(cairo_t* cr, const Clip& clip, const cairo_matrix_t& matrix) {
    const Box& b = clip.box;
    if (clip.kind != Clip::Kind::kNone) {
        cairo_rectangle(cr, b.left, b.top, b.right - b.left, b.bottom - b.top);
        if (clip.kind == Clip::Kind::kOutside) {
            cairo_rectangle(cr, -kFar, -kFar, 2 * kFar, 2 * kFar);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        }
        cairo_clip(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    }
    cairo_set_matrix(cr, &matrix);
}

}  // namespace

CairoCanvas::CairoCanvas(cairo_surface_t* surface, int width, int height, bool raster,
                         SvgTextLayer* texts)
    : surface_(surface), width_(width), height_(height), raster_(raster), texts_(texts) {
    cairo_matrix_init_identity(&matrix_);
}

void CairoCanvas::clear(std::uint32_t rgb) {
    cairo_matrix_init_identity(&matrix_);
    clip_ = {};
    alpha_ = 1.0;
    cairo_t* cr = cairo_create(surface_);
    set_rgb(cr, rgb);
    cairo_paint(cr);
    cairo_destroy(cr);
}

void CairoCanvas::set_transform(const Transform& t) {
    constexpr double kOne = 65536.0;
    cairo_matrix_init(&matrix_, t.m11 / kOne, t.m21 / kOne, t.m12 / kOne, t.m22 / kOne, t.dx, t.dy);
}

void CairoCanvas::set_clip(const Clip& clip) {
    clip_ = clip;
}

void CairoCanvas::set_opacity(std::uint8_t alpha) {
    alpha_ = alpha / 255.0;
}

cairo_t* CairoCanvas::begin() const {
    if (!drawable(matrix_)) return nullptr;
    cairo_t* cr = cairo_create(surface_);
    prepare(cr, clip_, matrix_);
    return cr;
}

void CairoCanvas::draw(const PathBuilder& path, const std::function<void(cairo_t*)>& setup,
                       bool stroke, std::uint32_t rgb, std::int32_t mix) const {
    std::int32_t effective = effective_mix(mix);
    if (effective == kMixNop) return;
    if (raster_ && effective != kMixCopyPen) {
        draw_raster_mix(path, setup, stroke, rgb, effective);
        return;
    }
    cairo_t* cr = begin();
    if (cr == nullptr) return;
    path(cr);
    cairo_identity_matrix(cr);  // pen widths are device pixels whatever the transform
    setup(cr);
    VectorMix vector = vector_mix(effective, rgb);
    set_rgb(cr, vector.rgb, alpha_);
    cairo_set_operator(cr, vector.op);
    stroke ? cairo_stroke(cr) : cairo_fill(cr);
    cairo_destroy(cr);
}

void CairoCanvas::show(const std::function<void(cairo_t*)>& paint, std::uint32_t rgb,
                       std::int32_t mix) const {
    const std::int32_t effective = effective_mix(mix);
    if (effective == kMixNop) return;
    cairo_t* cr = begin();
    if (cr == nullptr) return;
    VectorMix vector = vector_mix(effective, rgb);
    set_rgb(cr, vector.rgb, alpha_);
    cairo_set_operator(cr, vector.op);
    paint(cr);
    cairo_destroy(cr);
}

void CairoCanvas::draw_raster_mix(const PathBuilder& path,
                                  const std::function<void(cairo_t*)>& setup, bool stroke,
                                  std::uint32_t rgb, std::int32_t mix) const {
    if (!drawable(matrix_)) return;
    RasterMask mask(surface_);
    cairo_t* cr = mask.context();
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    prepare(cr, clip_, matrix_);
    path(cr);
    cairo_identity_matrix(cr);
    setup(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    stroke ? cairo_stroke(cr) : cairo_fill(cr);
    mask.apply(surface_, rgb, mix, alpha_);
}

void CairoCanvas::fill_path(const PathBuilder& path, cairo_fill_rule_t rule,
                            const Fill& fill) const {
    draw(
        path, [rule](cairo_t* cr) { cairo_set_fill_rule(cr, rule); }, false, fill.rgb, fill.mix);
}

void CairoCanvas::stroke_path(const PathBuilder& path, const Pen& pen) const {
    if (pen.dash == DashStyle::kNone) return;
    draw(
        path, [&pen](cairo_t* cr) { setup_pen(cr, pen); }, true, pen.rgb, pen.mix);
}

void CairoCanvas::line(Point from, Point to, const Pen& pen) {
    std::array<Point, 2> points{from, to};
    polyline(points, pen);
}

void CairoCanvas::polyline(std::span<const Point> points, const Pen& pen) {
    double o = stroke_offset(pen);
    // Cairo's stroker slows down far more than linearly with the length of one path (a
    // million points took seconds): long solid lines go in pieces that share their end
    // points. Dashes would restart in each piece and a raster mix would apply twice at
    // the shared points, so those stay one path.
    const bool plain = pen.dash == DashStyle::kSolid && effective_mix(pen.mix) == kMixCopyPen;
    const std::size_t piece = plain ? kPolylinePiece : std::max<std::size_t>(points.size(), 1);
    for (std::size_t first = 0; first == 0 || first + 1 < points.size(); first += piece) {
        auto part = points.subspan(first, std::min(piece + 1, points.size() - first));
        stroke_path([&](cairo_t* cr) { points_path(cr, part, o, false); }, pen);
    }
}

void CairoCanvas::bezier(std::span<const Point> points, const Pen& pen) {
    double o = stroke_offset(pen);
    stroke_path([&](cairo_t* cr) { bezier_path(cr, points, o); }, pen);
}

void CairoCanvas::polygon(std::span<const Point> points, FillRule rule, const Pen& pen,
                          std::optional<Fill> fill) {
    double o = stroke_offset(pen);
    auto path = [&](cairo_t* cr) { points_path(cr, points, o, true); };
    if (fill) {
        fill_path(path,
                  rule == FillRule::kWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD,
                  *fill);
    }
    stroke_path(path, pen);
}

// A true gradient: vector files carry it as one, not as bands.
void CairoCanvas::gradient_polygon(std::span<const Point> points, FillRule rule,
                                   const lumora::plotcore::Gradient& gradient) {
    cairo_t* cr = begin();
    if (cr == nullptr) return;
    points_path(cr, points, 0, true);
    cairo_pattern_t* pattern =
        cairo_pattern_create_linear(gradient.from.x, gradient.from.y, gradient.to.x, gradient.to.y);
    for (const lumora::plotcore::GradientStop& stop : gradient.stops) {
        cairo_pattern_add_color_stop_rgba(pattern, stop.offset, ((stop.rgb >> 16) & 0xFF) / 255.0,
                                          ((stop.rgb >> 8) & 0xFF) / 255.0,
                                          (stop.rgb & 0xFF) / 255.0, stop.alpha / 255.0 * alpha_);
    }
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_set_source(cr, pattern);
    cairo_set_fill_rule(
        cr, rule == FillRule::kWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
    cairo_destroy(cr);
}

void CairoCanvas::rectangle(const Box& box, const Pen& pen, std::optional<Fill> fill) {
    if (fill) {
        fill_path(
            [&](cairo_t* cr) {
                cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
            },
            CAIRO_FILL_RULE_WINDING, *fill);
    }
    Box line = outline_box(box, pen);
    stroke_path(
        [&](cairo_t* cr) {
            cairo_rectangle(cr, line.left, line.top, line.right - line.left,
                            line.bottom - line.top);
        },
        pen);
}

void CairoCanvas::rounded_rectangle(const Box& box, double corner_width, double corner_height,
                                    const Pen& pen, std::optional<Fill> fill) {
    if (fill) {
        fill_path([&](cairo_t* cr) { rounded_path(cr, box, corner_width, corner_height); },
                  CAIRO_FILL_RULE_WINDING, *fill);
    }
    Box line = outline_box(box, pen);
    stroke_path([&](cairo_t* cr) { rounded_path(cr, line, corner_width, corner_height); }, pen);
}

void CairoCanvas::ellipse(const Box& box, const Pen& pen, std::optional<Fill> fill) {
    if (fill)
        fill_path([&](cairo_t* cr) { ellipse_path(cr, box); }, CAIRO_FILL_RULE_WINDING, *fill);
    Box line = outline_box(box, pen);
    stroke_path([&](cairo_t* cr) { ellipse_path(cr, line); }, pen);
}

void CairoCanvas::arc(const Box& box, double start, double end, ArcShape shape, const Pen& pen,
                      std::optional<Fill> fill) {
    if (fill && shape != ArcShape::kOpen) {
        fill_path([&](cairo_t* cr) { arc_path(cr, box, start, end, shape); },
                  CAIRO_FILL_RULE_WINDING, *fill);
    }
    Box line = outline_box(box, pen);
    stroke_path([&](cairo_t* cr) { arc_path(cr, line, start, end, shape); }, pen);
}

}  // namespace luwnd::render
