#include "background_canvas.h"

#include <algorithm>

namespace luwnd::render {

Pen BackgroundCanvas::pen(Pen p) const {
    p.rgb = background_;
    p.mix = 0;
    return p;
}

std::optional<Fill> BackgroundCanvas::fill(const std::optional<Fill>& f) const {
    if (!f) return std::nullopt;
    return Fill{background_, 0};
}

void BackgroundCanvas::line(Point from, Point to, const Pen& p) {
    inner_.line(from, to, pen(p));
}

void BackgroundCanvas::polyline(std::span<const Point> points, const Pen& p) {
    inner_.polyline(points, pen(p));
}

void BackgroundCanvas::bezier(std::span<const Point> points, const Pen& p) {
    inner_.bezier(points, pen(p));
}

void BackgroundCanvas::polygon(std::span<const Point> points, FillRule rule, const Pen& p,
                               std::optional<Fill> f) {
    inner_.polygon(points, rule, pen(p), fill(f));
}

void BackgroundCanvas::gradient_polygon(std::span<const Point> points, FillRule rule,
                                        const lumora::plotcore::Gradient&) {
    inner_.polygon(points, rule, Pen{background_, DashStyle::kNone, 1, 0, 0}, Fill{background_, 0});
}

void BackgroundCanvas::rectangle(const Box& box, const Pen& p, std::optional<Fill> f) {
    inner_.rectangle(box, pen(p), fill(f));
}

void BackgroundCanvas::rounded_rectangle(const Box& box, double corner_width, double corner_height,
                                         const Pen& p, std::optional<Fill> f) {
    inner_.rounded_rectangle(box, corner_width, corner_height, pen(p), fill(f));
}

void BackgroundCanvas::ellipse(const Box& box, const Pen& p, std::optional<Fill> f) {
    inner_.ellipse(box, pen(p), fill(f));
}

void BackgroundCanvas::arc(const Box& box, double start, double end, ArcShape shape, const Pen& p,
                           std::optional<Fill> f) {
    inner_.arc(box, start, end, shape, pen(p), fill(f));
}

void BackgroundCanvas::text(Point at, const std::string& bytes, const TextStyle& style) {
    TextStyle plain = style;
    plain.rgb = background_;
    plain.mix = 0;
    inner_.text(at, bytes, plain);
}

void BackgroundCanvas::image(const ImagePixels&, Point first, Point last, bool) {
    const Box box{std::min(first.x, last.x), std::min(first.y, last.y), std::max(first.x, last.x),
                  std::max(first.y, last.y)};
    inner_.rectangle(box, Pen{background_, DashStyle::kNone, 1, 0, 0}, Fill{background_, 0});
}

}  // namespace luwnd::render
