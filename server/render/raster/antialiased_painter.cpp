#include "antialiased_painter.h"

#include <algorithm>
#include <cmath>

#include "dash_split.h"
#include "path_clip.h"
#include "server/render/dash_pattern.h"

namespace luwnd::render::raster {
namespace {

// Points of one piece of a long line, and edges gathered before they are painted: long
// lines are painted in parts of bounded memory, which meet at shared end points.
constexpr std::size_t kPiecePoints = 4096;
constexpr std::size_t kPaintEdges = std::size_t{1} << 18;

int pixel_edge(double value, int low, int high) {
    if (std::isnan(value)) return low;
    return static_cast<int>(std::lround(std::clamp(value, double(low), double(high))));
}

// The box in whole pixels within the page, its corners in order.
PixelBox pixel_box(const Box& box, const PixelTarget& target) {
    const int x0 = pixel_edge(box.left, 0, target.width),
              x1 = pixel_edge(box.right, 0, target.width);
    const int y0 = pixel_edge(box.top, 0, target.height);
    const int y1 = pixel_edge(box.bottom, 0, target.height);
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

PixelBox area_of(const PixelTarget& target, const Clip& clip) {
    const PixelBox page{0, 0, target.width, target.height};
    if (clip.kind != Clip::Kind::kInside) return page;
    return pixel_box(clip.box, target);
}

// Where a stroke can reach pixels of the area: the area grown by the farthest a corner
// reaches from its point.
Box reach_of(const PixelBox& area, const StrokeStyle& style) {
    const double reach =
        style.width * (style.join == Join::kMiter ? std::max(style.miter_limit, 1.0) : 1.0) / 2 + 2;
    return {area.left - reach, area.top - reach, area.right + reach, area.bottom + reach};
}

}  // namespace

PlotStroke plot_stroke_of(const Pen& pen) {
    PlotStroke stroke;
    stroke.style.width = pen.exact_width;
    stroke.dashes = dash_pattern(pen.dash);
    for (double& length : stroke.dashes) length *= pen.exact_width;
    const bool solid = stroke.dashes.empty();
    // As the Cairo canvas strokes plot pens: flat dash ends, round corners everywhere.
    stroke.style.cap = solid ? Cap::kRound : Cap::kFlat;
    stroke.style.join = Join::kRound;
    return stroke;
}

bool paints_pen(const Pen& pen) {
    return pen.exact() && pen.dash != DashStyle::kNone && pen.dash != DashStyle::kAlternate;
}

AntialiasedPainter::AntialiasedPainter(const PixelTarget& target, const Clip& clip)
    : target_(target), area_(area_of(target, clip)), raster_(area_) {
    if (clip.kind != Clip::Kind::kOutside) return;
    const PixelBox hole = pixel_box(clip.box, target);
    if (!hole.empty()) hole_ = hole;
}

void AntialiasedPainter::stroke(std::span<const Point> points, bool closed, const Pen& pen) {
    if (!paints_pen(pen) || area_.empty()) return;
    const PlotStroke plot = plot_stroke_of(pen);
    const Box reach = reach_of(area_, plot.style);
    raster_.clear();
    if (plot.dashes.empty()) {
        visible_pieces(points, closed, reach, kPiecePoints,
                       [&](std::span<const Point> piece, bool piece_closed) {
                           stroke_piece(piece, piece_closed, plot.style, pen.rgb);
                       });
    } else {
        split_dashes(points, closed, plot.dashes, reach, [&](std::span<const Point> dash) {
            stroke_piece(dash, false, plot.style, pen.rgb);
        });
    }
    paint(FillRule::kWinding, pen.rgb);
}

void AntialiasedPainter::stroke_piece(std::span<const Point> points, bool closed,
                                      const StrokeStyle& style, std::uint32_t rgb) {
    add_stroke_outline(points, closed, style, raster_);
    if (raster_.edge_count() >= kPaintEdges) paint(FillRule::kWinding, rgb);
}

bool AntialiasedPainter::fill(std::span<const Point> points, FillRule rule, std::uint32_t rgb) {
    if (area_.empty()) return true;
    raster_.clear();
    Point first{}, last{};
    bool any = false;
    for (const Point& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
        if (any) raster_.add_line(last, p);
        if (!any) first = p;
        any = true;
        last = p;
    }
    if (any) raster_.add_line(last, first);
    if (raster_.overflowed()) {
        raster_.clear();
        return false;
    }
    paint(rule, rgb);
    return true;
}

void AntialiasedPainter::paint(FillRule rule, std::uint32_t rgb) {
    raster_.sweep(rule, [&](int y, int x, std::span<const std::uint8_t> coverage) {
        if (!hole_ || y < hole_->top || y >= hole_->bottom) {
            blend_span(target_, y, x, coverage, rgb);
            return;
        }
        // The parts of the span left and right of the hole.
        const int end = x + static_cast<int>(coverage.size());
        const int left_end = std::clamp(hole_->left, x, end);
        const int right_start = std::clamp(hole_->right, x, end);
        blend_span(target_, y, x, coverage.first(std::size_t(left_end - x)), rgb);
        blend_span(target_, y, right_start, coverage.subspan(std::size_t(right_start - x)), rgb);
    });
    raster_.clear();
}

}  // namespace luwnd::render::raster
