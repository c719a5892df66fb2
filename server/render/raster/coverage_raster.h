// Antialiased coverage of outlines: the exact share of each pixel's area that an outline
// covers, under the non-zero or the even-odd rule, within a box of pixels.
//
// Each edge adds, per pixel row it crosses, the signed area it leaves to its right into an
// accumulation row; summing a row from the left then gives the winding of every pixel
// integrated over its area, which the fill rule turns into a coverage of 0 .. 255. Pixels
// that an edge crosses take the rule on that integral, so where two figures overlap
// within one pixel their shares add up before the rule applies: exact for one outline,
// and off by at most a pixel's share where separate outlines meet.
//
// Rows are swept in bands, so the memory is that of the edges and of one band; edges
// beyond kMaxEdges are refused and the raster then draws nothing (overflowed()).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "server/render/canvas.h"

namespace luwnd::render::raster {

// Pixels left .. right - 1 and top .. bottom - 1.
struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelBox&) const = default;
};

class CoverageRaster {
  public:
    static constexpr std::size_t kMaxEdges = std::size_t{1} << 22;
    static constexpr int kMaxSide = 1 << 16;

    // Coverage within the box (each side at most kMaxSide long).
    explicit CoverageRaster(PixelBox box);

    // One edge of an outline, in pixel coordinates (pixel x covers x .. x + 1). Edges with
    // a coordinate that is not a number are ignored; coordinates beyond 10^12 pixels are
    // taken as that far.
    void add_line(Point from, Point to);
    // The closed outline through the points.
    void add_polygon(std::span<const Point> points);

    std::size_t edge_count() const { return edges_.size(); }
    bool overflowed() const { return overflowed_; }
    const PixelBox& box() const { return box_; }

    // Calls row(y, x, coverage) for the rows with any coverage, top to bottom: coverage[i]
    // is that of pixel x + i (0 .. 255); pixels of the row outside the span are not covered.
    using RowSink = std::function<void(int y, int x, std::span<const std::uint8_t> coverage)>;
    void sweep(FillRule rule, const RowSink& row);
    // Forgets every edge, for the next outline.
    void clear();

  private:
    // Box-relative, top to bottom; winding +1 for an edge that ran downwards.
    struct Edge {
        float x_top, y_top, x_bottom, y_bottom;
        std::int32_t winding;
    };
    void add_clipped(double x0, double y0, double x1, double y1, int winding);
    void store(double x0, double y0, double x1, double y1, int winding);

    PixelBox box_;
    std::vector<Edge> edges_;
    bool overflowed_ = false;
};

}  // namespace luwnd::render::raster
