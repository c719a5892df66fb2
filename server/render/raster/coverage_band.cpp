#include "coverage_band.h"

#include <algorithm>
#include <cmath>

namespace luwnd::render::raster {
namespace {

// The area left of x under an edge that runs from x_a to x_b (x_a < x_b) across a row of
// height 1: the integral of the share of the height over which the edge lies left of x.
double area_left_of(double x, double x_a, double x_b) {
    if (x <= x_a) return 0;
    if (x >= x_b) return (x_b - x_a) / 2 + (x - x_b);
    return (x - x_a) * (x - x_a) / (2 * (x_b - x_a));
}

std::uint8_t coverage_of(double winding, FillRule rule) {
    double a = std::fabs(winding);
    if (rule == FillRule::kAlternate) {
        a = std::fmod(a, 2.0);
        if (a > 1) a = 2 - a;
    }
    return static_cast<std::uint8_t>(std::lround(std::min(a, 1.0) * 255));
}

}  // namespace

CoverageBand::CoverageBand(int width, int rows)
    : width_(std::max(width, 0)),
      rows_(std::max(rows, 0)),
      stride_(std::size_t(width_) + 2),
      acc_(stride_ * std::size_t(rows_), 0.0),
      first_(std::size_t(rows_), width_ + 2),
      last_(std::size_t(rows_), -1),
      coverage_(std::size_t(width_)) {}

void CoverageBand::add(double x_top, double y_top, double x_bottom, double y_bottom, int winding) {
    if (!(y_top < y_bottom)) return;
    const double slope = (x_bottom - x_top) / (y_bottom - y_top);
    const double from = std::max(y_top, 0.0), to = std::min(y_bottom, double(rows_));
    if (!(from < to)) return;
    const int first = static_cast<int>(std::floor(from));
    const int last = std::min(static_cast<int>(std::ceil(to)), rows_) - 1;
    for (int row = first; row <= last; ++row) {
        const double y_a = std::max(from, double(row)), y_b = std::min(to, double(row + 1));
        if (y_b <= y_a) continue;
        const double x_a = std::clamp(x_top + slope * (y_a - y_top), 0.0, double(width_));
        const double x_b = std::clamp(x_top + slope * (y_b - y_top), 0.0, double(width_));
        add_in_row(row, std::min(x_a, x_b), std::max(x_a, x_b), (y_b - y_a) * winding);
    }
}

void CoverageBand::add_in_row(int row, double x_a, double x_b, double area) {
    double* cells = row_cells(row);
    const int first = static_cast<int>(std::floor(x_a));
    int last = std::max(first, static_cast<int>(std::ceil(x_b)) - 1);
    std::size_t r = std::size_t(row);
    first_[r] = std::min(first_[r], first);
    last_[r] = std::max(last_[r], last + 1);
    if (last == first) {
        // Within one pixel: its share right of the edge's middle, the rest to the next.
        const double right = 1 - ((x_a + x_b) / 2 - first);
        cells[first] += area * right;
        cells[first + 1] += area * (1 - right);
        return;
    }
    double before = 0;  // the value of the previous pixel
    for (int c = first; c <= last; ++c) {
        const double value = area * (area_left_of(c + 1, x_a, x_b) - area_left_of(c, x_a, x_b));
        cells[c] += value - before;
        before = value;
    }
    cells[last + 1] += area - before;
}

void CoverageBand::resolve(FillRule rule, int top, int left, const RowSink& sink) {
    for (int row = 0; row < rows_; ++row) {
        const std::size_t r = std::size_t(row);
        if (last_[r] < 0) continue;
        double* cells = row_cells(row);
        const int first = first_[r];
        double winding = 0;
        int end = first;  // one past the last pixel with coverage
        for (int c = first; c < width_; ++c) {
            if (c <= last_[r]) {
                winding += cells[c];
                cells[c] = 0;
            } else if (std::fabs(winding) < 1e-9) {
                break;  // nothing more to the right
            }
            coverage_[std::size_t(c)] = coverage_of(winding, rule);
            if (coverage_[std::size_t(c)] != 0) end = c + 1;
        }
        for (int c = std::max(first, width_); c <= last_[r]; ++c) cells[c] = 0;
        first_[r] = width_ + 2;
        last_[r] = -1;
        if (end > first)
            sink(top + row, left + first,
                 std::span<const std::uint8_t>(coverage_.data() + first, std::size_t(end - first)));
    }
}

}  // namespace luwnd::render::raster
