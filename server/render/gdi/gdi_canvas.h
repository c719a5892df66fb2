// The canvas on a GDI device context, normally a memory DC with a DIB section selected
// (see page_image.h). Figures are traced as GDI paths under the world transform and then
// filled and stroked with the identity transform, so that pen widths stay device pixels
// whatever the transform, as on every canvas. The mix modes are GDI's own binary raster
// operations (SetROP2) for lines and figures, so they are exact; texts take them through
// a coverage mask of the text (see gdi_text.cpp).
//
// Plot items (exact pens, Pen::exact) drawn plainly on a canvas that has the pixels of its
// bitmap are painted antialiased at the precision of their coordinates and widths,
// straight into those pixels (raster/): GDI draws neither fractions nor antialiased lines,
// and GDI+ under Wine draws through GDI. Elsewhere (metafiles, other mix modes) they are
// drawn with GDI, their coordinates and widths rounded to the nearest pixel.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "server/render/canvas.h"
#include "server/render/raster/pixel_blend.h"

namespace luwnd::render {

class GdiCanvas : public Canvas {
  public:
    // Draws on the DC, which the caller keeps alive; the page is width x height pixels.
    // `pixels`: the rows of the 32-bit bitmap selected into the DC, when the caller has
    // them (a page image), for the plot items.
    GdiCanvas(HDC dc, int width, int height,
              std::optional<raster::PixelTarget> pixels = std::nullopt);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    void clear(std::uint32_t rgb) override;
    void set_transform(const Transform& transform) override;
    void set_clip(const Clip& clip) override;
    // GDI draws opaquely; raster::OpacityCanvas makes translucent drawing on page images.
    // A metafile shows every item opaque.
    void set_opacity(std::uint8_t) override {}
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

    // Longer texts are not drawn; a text area holds far less.
    static constexpr std::size_t kMaxTextBytes = 65536;

    // Draws the figure into the current path of the DC, in world coordinates.
    using Shape = std::function<void(HDC)>;

  private:
    // Whether a figure through the points (or filling the box) drawn with the pen can
    // touch the page under the transform.
    bool reaches(std::span<const Point> points, const Pen& pen) const;
    bool reaches(const Box& box, const Pen& pen) const;
    // Traces the shape as the DC's path under the transform; false when the transform
    // cannot be drawn with (it is not invertible).
    bool trace(const Shape& shape) const;
    void fill_shape(const Shape& shape, FillRule rule, const Fill& fill) const;
    void stroke_shape(const Shape& shape, const Pen& pen) const;
    // Paints a plot item's stroke or fill through the figure's world points antialiased;
    // false when it is not one to paint so (then GDI draws it).
    bool smooth_stroke(std::span<const Point> points, bool closed, const Pen& pen) const;
    bool smooth_fill(std::span<const Point> points, FillRule rule, const Fill& fill,
                     const Pen& pen) const;
    bool smooth_paints(const Pen& pen, std::int32_t mix) const;
    std::vector<Point> device_points(std::span<const Point> points) const;
    bool text_reaches_page(Point at, const std::string& bytes, const TextStyle& style) const;
    void draw_text(Point at, const std::string& bytes, const TextStyle& style, HDC dc,
                   COLORREF colour) const;
    void masked_text(Point at, const std::string& bytes, const TextStyle& style) const;

    HDC dc_;
    int width_, height_;
    XFORM xform_{1, 0, 0, 1, 0, 0};
    Transform transform_;
    bool drawable_ = true;
    Clip clip_;
    std::optional<raster::PixelTarget> pixels_;
    int saved_;
};

// GDI's colour of packed RGB.
COLORREF colour_of(std::uint32_t rgb);

}  // namespace luwnd::render
