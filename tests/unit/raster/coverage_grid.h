// The coverage a raster sweeps, as a grid of the whole box, for the checks.
#pragma once

#include <cstdint>
#include <vector>

#include "server/render/raster/coverage_raster.h"

namespace luwnd::render::raster {

class CoverageGrid {
  public:
    CoverageGrid(CoverageRaster& raster, FillRule rule)
        : box_(raster.box()),
          cells_(std::size_t(box_.right - box_.left) * std::size_t(box_.bottom - box_.top), 0) {
        raster.sweep(rule, [this](int y, int x, std::span<const std::uint8_t> coverage) {
            rows_ += 1;
            for (std::size_t i = 0; i < coverage.size(); ++i) {
                const int px = x + int(i);
                if (px < box_.left || px >= box_.right || y < box_.top || y >= box_.bottom) {
                    outside_ += 1;
                    continue;
                }
                at(px, y) += coverage[i];
            }
        });
    }
    // Coverage of the pixel, 0 .. 255 (more where a row was handed on twice).
    int& at(int x, int y) {
        return cells_[std::size_t(y - box_.top) * std::size_t(box_.right - box_.left) +
                      std::size_t(x - box_.left)];
    }
    int at(int x, int y) const { return const_cast<CoverageGrid*>(this)->at(x, y); }
    // The covered area in pixels.
    double area() const {
        double sum = 0;
        for (int c : cells_) sum += c;
        return sum / 255.0;
    }
    int outside() const { return outside_; }
    int rows() const { return rows_; }

  private:
    PixelBox box_;
    std::vector<int> cells_;
    int outside_ = 0, rows_ = 0;
};

}  // namespace luwnd::render::raster
