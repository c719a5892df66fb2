// The canvas on a Cairo surface. On an image surface the mix modes are exact: the figure
// is drawn into a mask and each covered pixel is combined bitwise with the pen colour. On
// vector surfaces (SVG, PDF) they are approximated: black, white and no-operation exactly,
// "not pen" with the inverted colour, "not" as the difference from white, "xor pen" as
// the difference from the pen colour, and every other mode as plain drawing. The opacity
// lays the colour over what is there in its share, after the mix mode on image surfaces.
#pragma once

#include <cairo.h>

#include <functional>

#include "server/render/canvas.h"

namespace luwnd::render {

class SvgTextLayer;

class CairoCanvas : public Canvas {
  public:
    // Draws on the surface, which the caller keeps alive; raster: it is an ARGB32 or
    // RGB24 image surface. texts: where an SVG surface's texts are also written as text
    // (the caller keeps it too), or nothing.
    CairoCanvas(cairo_surface_t* surface, int width, int height, bool raster,
                SvgTextLayer* texts = nullptr);

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

    // Builds a path on the context in device pixels (the transform already applied).
    using PathBuilder = std::function<void(cairo_t*)>;

    // Longer texts are not drawn; a text area holds far less.
    static constexpr std::size_t kMaxTextBytes = 65536;

  private:
    // A fresh context with the clip and the transform, or nullptr when the transform
    // cannot be drawn with (it is not invertible).
    cairo_t* begin() const;
    void fill_path(const PathBuilder& path, cairo_fill_rule_t rule, const Fill& fill) const;
    void stroke_path(const PathBuilder& path, const Pen& pen) const;
    // Fills (stroke false) or strokes the path in the colour with the mix mode.
    void draw(const PathBuilder& path, const std::function<void(cairo_t*)>& setup, bool stroke,
              std::uint32_t rgb, std::int32_t mix) const;
    // Vector surfaces: paints with the colour and the mix mode's operator set, so that
    // texts stay glyphs (real, searchable text with its font embedded) and not outlines.
    void show(const std::function<void(cairo_t*)>& paint, std::uint32_t rgb,
              std::int32_t mix) const;
    // Fills the context's path with its source at the opacity.
    void cover(cairo_t* cr) const;
    void draw_raster_mix(const PathBuilder& path, const std::function<void(cairo_t*)>& setup,
                         bool stroke, std::uint32_t rgb, std::int32_t mix) const;

    cairo_surface_t* surface_;
    int width_, height_;
    bool raster_;
    SvgTextLayer* texts_;
    cairo_matrix_t matrix_;
    Clip clip_;
    double alpha_ = 1.0;
};

}  // namespace luwnd::render
