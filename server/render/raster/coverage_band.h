// A band of pixel rows in which CoverageRaster accumulates its edges: per row, the signed
// area that each edge leaves to its right in each pixel, stored as differences from the
// pixel before, so that a running sum along the row gives each pixel's integrated winding.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "server/render/canvas.h"

namespace luwnd::render::raster {

class CoverageBand {
  public:
    using RowSink = std::function<void(int y, int x, std::span<const std::uint8_t> coverage)>;

    // Rows of width pixels.
    CoverageBand(int width, int rows);

    // An edge piece from its top to its bottom point in band coordinates, with
    // 0 <= y_top < y_bottom <= rows and 0 <= x <= width (values outside are clamped).
    void add(double x_top, double y_top, double x_bottom, double y_bottom, int winding);
    // Hands each row that an edge touched to the sink as coverage under the rule, row r
    // as page row top + r and column c as page column left + c, and clears the band.
    void resolve(FillRule rule, int top, int left, const RowSink& sink);

  private:
    // The part of an edge within one row, running from x_a to x_b over a height whose
    // signed share of the row is `area`.
    void add_in_row(int row, double x_a, double x_b, double area);
    double* row_cells(int row) { return acc_.data() + std::size_t(row) * stride_; }

    int width_, rows_;
    std::size_t stride_;
    std::vector<double> acc_;
    std::vector<int> first_, last_;  // the cells each row's edges touched, last inclusive
    std::vector<std::uint8_t> coverage_;
};

}  // namespace luwnd::render::raster
