#include "opacity_canvas.h"

#include <utility>

#include "server/render/gradient_bands.h"

namespace luwnd::render::raster {

OpacityCanvas::OpacityCanvas(Canvas& inner, const PixelTarget& pixels, std::function<void()> settle)
    : inner_(inner), pixels_(pixels), settle_(std::move(settle)) {}

void OpacityCanvas::settle() const {
    if (settle_) settle_();
}

void OpacityCanvas::draw(const std::function<void()>& drawing) {
    if (alpha_ != 255 && !layer_) {
        settle();
        layer_.emplace(pixels_);
    }
    drawing();
}

void OpacityCanvas::finish() {
    if (!layer_) return;
    settle();
    layer_->lay_over(alpha_);
    layer_.reset();
}

void OpacityCanvas::clear(std::uint32_t rgb) {
    finish();
    alpha_ = 255;
    inner_.clear(rgb);
}

void OpacityCanvas::set_transform(const Transform& transform) {
    inner_.set_transform(transform);
}

void OpacityCanvas::set_clip(const Clip& clip) {
    inner_.set_clip(clip);
}

// The inner canvas keeps drawing opaquely: the layer makes the opacity.
void OpacityCanvas::set_opacity(std::uint8_t alpha) {
    finish();
    alpha_ = alpha;
}

void OpacityCanvas::line(Point from, Point to, const Pen& pen) {
    draw([&] { inner_.line(from, to, pen); });
}

void OpacityCanvas::polyline(std::span<const Point> points, const Pen& pen) {
    draw([&] { inner_.polyline(points, pen); });
}

void OpacityCanvas::bezier(std::span<const Point> points, const Pen& pen) {
    draw([&] { inner_.bezier(points, pen); });
}

void OpacityCanvas::polygon(std::span<const Point> points, FillRule rule, const Pen& pen,
                            std::optional<Fill> fill) {
    draw([&] { inner_.polygon(points, rule, pen, fill); });
}

// Bands, each laid over with its stop's opacity under the canvas's.
void OpacityCanvas::gradient_polygon(std::span<const Point> points, FillRule rule,
                                     const lumora::plotcore::Gradient& gradient) {
    paint_gradient_bands(*this, points, rule, gradient, alpha_, true);
}

void OpacityCanvas::rectangle(const Box& box, const Pen& pen, std::optional<Fill> fill) {
    draw([&] { inner_.rectangle(box, pen, fill); });
}

void OpacityCanvas::rounded_rectangle(const Box& box, double corner_width, double corner_height,
                                      const Pen& pen, std::optional<Fill> fill) {
    draw([&] { inner_.rounded_rectangle(box, corner_width, corner_height, pen, fill); });
}

void OpacityCanvas::ellipse(const Box& box, const Pen& pen, std::optional<Fill> fill) {
    draw([&] { inner_.ellipse(box, pen, fill); });
}

void OpacityCanvas::arc(const Box& box, double start, double end, ArcShape shape, const Pen& pen,
                        std::optional<Fill> fill) {
    draw([&] { inner_.arc(box, start, end, shape, pen, fill); });
}

void OpacityCanvas::text(Point at, const std::string& bytes, const TextStyle& style) {
    draw([&] { inner_.text(at, bytes, style); });
}

void OpacityCanvas::image(const ImagePixels& pixels, Point first, Point last, bool smooth) {
    draw([&] { inner_.image(pixels, first, last, smooth); });
}

}  // namespace luwnd::render::raster
