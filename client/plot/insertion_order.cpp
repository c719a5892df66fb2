#include "insertion_order.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <utility>

#include "point_bounds.h"

namespace lumora::plot {
namespace {

constexpr std::uint32_t kCells = 1u << 16;  // the Hilbert curve's cells along a side

// The position along the Hilbert curve of the cell (x, y).
std::uint64_t hilbert_index(std::uint32_t x, std::uint32_t y) {
    std::uint64_t d = 0;
    for (std::uint32_t s = kCells / 2; s > 0; s /= 2) {
        const std::uint32_t rx = (x & s) != 0 ? 1 : 0, ry = (y & s) != 0 ? 1 : 0;
        d += static_cast<std::uint64_t>(s) * s * ((3 * rx) ^ ry);
        if (ry == 0) {
            if (rx == 1) {
                x = kCells - 1 - x;
                y = kCells - 1 - y;
            }
            std::swap(x, y);
        }
    }
    return d;
}

std::uint32_t cell(double v, double low, double high) {
    if (!(high > low)) return 0;
    const double f = (v - low) / (high - low) * (kCells - 1);
    return static_cast<std::uint32_t>(std::clamp(f, 0.0, double{kCells - 1}));
}

}  // namespace

std::vector<int> insertion_order(const std::vector<Point2>& points) {
    std::vector<int> order(points.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = static_cast<int>(k);
    if (points.empty()) return order;
    const Bounds box = bounds_of(points);
    std::vector<std::uint64_t> key(points.size());
    for (std::size_t k = 0; k < points.size(); ++k)
        key[k] =
            hilbert_index(cell(points[k].x, box.x0, box.x1), cell(points[k].y, box.y0, box.y1));
    std::mt19937 random(20261211u);  // the same order every run: results repeat exactly
    std::shuffle(order.begin(), order.end(), random);
    // Rounds: the last half, the quarter before it, ... each sorted along the curve.
    std::size_t end = order.size();
    while (end > 0) {
        const std::size_t begin = end < 64 ? 0 : end / 2;
        std::sort(order.begin() + static_cast<std::ptrdiff_t>(begin),
                  order.begin() + static_cast<std::ptrdiff_t>(end), [&](int a, int b) {
                      return key[static_cast<std::size_t>(a)] < key[static_cast<std::size_t>(b)];
                  });
        end = begin;
    }
    return order;
}

}  // namespace lumora::plot
