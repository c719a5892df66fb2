#include "ellipse_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace luwnd::render::raster {

std::vector<Point> ellipse_outline(const Box& box, double scale) {
    const double rx = (box.right - box.left) / 2, ry = (box.bottom - box.top) / 2;
    if (!(rx > 0) || !(ry > 0) || !std::isfinite(rx) || !std::isfinite(ry)) return {};
    // Chords at most 0.03 pixels inside the curve, 8 to 4096 of them.
    const double radius = std::max(rx, ry) * (std::isfinite(scale) ? std::fabs(scale) : 1.0);
    const double step = 2 * std::acos(std::clamp(1 - 0.03 / std::max(radius, 1e-9), -1.0, 1.0));
    const int count = std::clamp(static_cast<int>(std::ceil(2 * std::numbers::pi / step)), 8, 4096);
    const double angle = 2 * std::numbers::pi / count;
    const double grow = std::sqrt(angle / std::sin(angle));
    const double cx = box.left + rx, cy = box.top + ry;
    std::vector<Point> points;
    points.reserve(std::size_t(count));
    for (int k = 0; k < count; ++k)
        points.push_back(
            {cx + rx * grow * std::cos(k * angle), cy - ry * grow * std::sin(k * angle)});
    return points;
}

}  // namespace luwnd::render::raster
