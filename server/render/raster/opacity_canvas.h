// A canvas that draws translucently through another that draws only opaquely, into
// pixels both share: each call with an opacity below 255 goes through an OpacityLayer.
// Opaque calls pass straight through, so that they draw exactly as before.
#pragma once

#include <functional>

#include "opacity_layer.h"
#include "server/render/canvas.h"

namespace luwnd::render::raster {

class OpacityCanvas : public Canvas {
  public:
    // inner draws into pixels; settle makes what it drew so far readable there (GdiFlush
    // on Windows). Both stay the caller's.
    OpacityCanvas(Canvas& inner, const PixelTarget& pixels, std::function<void()> settle = {});

    void clear(std::uint32_t rgb) override;
    void set_transform(const Transform& transform) override;
    void set_clip(const Clip& clip) override;
    void set_opacity(std::uint8_t alpha) override;
    void line(Point from, Point to, const Pen& pen) override;
    void polyline(std::span<const Point> points, const Pen& pen) override;
    void bezier(std::span<const Point> points, const Pen& pen) override;
    void polygon(std::span<const Point> points, FillRule rule, const Pen& pen,
                 std::optional<Fill> fill) override;
    void rectangle(const Box& box, const Pen& pen, std::optional<Fill> fill) override;
    void rounded_rectangle(const Box& box, double corner_width, double corner_height,
                           const Pen& pen, std::optional<Fill> fill) override;
    void ellipse(const Box& box, const Pen& pen, std::optional<Fill> fill) override;
    void arc(const Box& box, double start, double end, ArcShape shape, const Pen& pen,
             std::optional<Fill> fill) override;
    void text(Point at, const std::string& bytes, const TextStyle& style) override;
    void image(const ImagePixels& pixels, Point first, Point last, bool smooth) override;

  private:
    // Runs the drawing on the inner canvas at the current opacity.
    void draw(const std::function<void()>& drawing);
    void settle() const;

    Canvas& inner_;
    PixelTarget pixels_;
    std::function<void()> settle_;
    std::uint8_t alpha_ = 255;
};

}  // namespace luwnd::render::raster
