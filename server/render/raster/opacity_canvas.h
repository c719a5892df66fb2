// A canvas that draws translucently through another that draws only opaquely, into
// pixels both share. What is drawn between two settings of the opacity (the painter sets
// it for each display item) goes through one OpacityLayer and is laid over as a whole at
// the next setting, a clear, finish() or the end: an item of many parts, a plot batch,
// costs one copy of the page, and its parts do not darken where they overlap. Opaque
// drawing passes straight through, so that it draws exactly as before.
#pragma once

#include <functional>
#include <optional>

#include "opacity_layer.h"
#include "server/render/canvas.h"

namespace luwnd::render::raster {

class OpacityCanvas : public Canvas {
  public:
    // inner draws into pixels; settle makes what it drew so far readable there (GdiFlush
    // on Windows). Both stay the caller's.
    OpacityCanvas(Canvas& inner, const PixelTarget& pixels, std::function<void()> settle = {});
    ~OpacityCanvas() override { finish(); }
    OpacityCanvas(const OpacityCanvas&) = delete;
    OpacityCanvas& operator=(const OpacityCanvas&) = delete;

    // Lays what was drawn translucently since the opacity was set over what was there.
    void finish();

    void clear(std::uint32_t rgb) override;
    void set_transform(const Transform& transform) override;
    void set_clip(const Clip& clip) override;
    void set_opacity(std::uint8_t alpha) override;
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
    void image(const ImagePixels& pixels, Point first, Point last, bool smooth) override;

  private:
    // Runs the drawing on the inner canvas, in the layer when the opacity is below 255.
    void draw(const std::function<void()>& drawing);
    void settle() const;

    Canvas& inner_;
    PixelTarget pixels_;
    std::function<void()> settle_;
    std::uint8_t alpha_ = 255;
    std::optional<OpacityLayer> layer_;
};

}  // namespace luwnd::render::raster
