// Strokes and fills of plot items painted antialiased into 32-bit pixels, at the precision
// of their coordinates and widths: the pen's width, ends, corners and dashes as the other
// canvases draw them, within the clip and the page.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "coverage_raster.h"
#include "pixel_blend.h"
#include "stroke_outline.h"

namespace luwnd::render::raster {

// How a plot item's pen strokes: solid lines with round ends, dashed ones with flat ends,
// round corners on both, the dashes in pixels (the pattern scaled by the width).
struct PlotStroke {
    StrokeStyle style;
    std::vector<double> dashes;  // empty: solid
};
PlotStroke plot_stroke_of(const Pen& pen);

// Whether the painter draws the pen's strokes: an exact pen of a style with a dash pattern
// or solid (not the every-other-pixel style, not none).
bool paints_pen(const Pen& pen);

class AntialiasedPainter {
  public:
    // Paints into the target within the clip (device pixels; its box rounded to whole
    // pixels).
    AntialiasedPainter(const PixelTarget& target, const Clip& clip);

    // The line through the device points (closed: back to the first) in the pen's colour.
    void stroke(std::span<const Point> points, bool closed, const Pen& pen);
    // The figure through the device points under the rule; false when it has too many
    // edges to paint, and nothing was painted.
    bool fill(std::span<const Point> points, FillRule rule, std::uint32_t rgb);

  private:
    void stroke_piece(std::span<const Point> points, bool closed, const StrokeStyle& style,
                      std::uint32_t rgb);
    void paint(FillRule rule, std::uint32_t rgb);

    PixelTarget target_;
    PixelBox area_;
    std::optional<PixelBox> hole_;  // not painted: the box of a clip that keeps its outside
    CoverageRaster raster_;
};

}  // namespace luwnd::render::raster
