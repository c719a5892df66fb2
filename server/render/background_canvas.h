// A canvas that draws the shapes it is given in the page's background colour, at one
// opacity, through another: what compositing lays under a drawing (see painter.h).
#pragma once

#include <cstdint>

#include "canvas.h"

namespace luwnd::render {

class BackgroundCanvas : public Canvas {
  public:
    // Every shape in `background` (packed RGB), with no mix mode, at opacity `alpha`
    // whatever the drawing sets.
    BackgroundCanvas(Canvas& inner, std::uint32_t background, std::uint8_t alpha)
        : inner_(inner), background_(background), alpha_(alpha) {}

    void clear(std::uint32_t rgb) override { inner_.clear(rgb); }
    void set_transform(const Transform& transform) override { inner_.set_transform(transform); }
    void set_clip(const Clip& clip) override { inner_.set_clip(clip); }
    void set_opacity(std::uint8_t) override { inner_.set_opacity(alpha_); }
    void line(Point from, Point to, const Pen& pen) override;
    void polyline(std::span<const Point> points, const Pen& pen) override;
    void bezier(std::span<const Point> points, const Pen& pen) override;
    void polygon(std::span<const Point> points, FillRule rule, const Pen& pen,
                 std::optional<Fill> fill) override;
    void gradient_polygon(std::span<const Point> points, FillRule rule,
                          const lumora::plotcore::Gradient& gradient) override;
    void rectangle(const Box& box, const Pen& pen, std::optional<Fill> fill) override;
    void rounded_rectangle(const Box& box, double corner_width, double corner_height,
                           const Pen& pen, std::optional<Fill> fill) override;
    void ellipse(const Box& box, const Pen& pen, std::optional<Fill> fill) override;
    void arc(const Box& box, double start, double end, ArcShape shape, const Pen& pen,
             std::optional<Fill> fill) override;
    void text(Point at, const std::string& bytes, const TextStyle& style) override;
    // The picture's box filled.
    void image(const ImagePixels& pixels, Point first, Point last, bool smooth) override;

  private:
    Pen pen(Pen p) const;
    std::optional<Fill> fill(const std::optional<Fill>& f) const;

    Canvas& inner_;
    std::uint32_t background_;
    std::uint8_t alpha_;
};

}  // namespace luwnd::render
