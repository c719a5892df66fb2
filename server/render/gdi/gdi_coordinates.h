// Device and world coordinates as GDI takes them. GDI's work for wide pens and fills grows
// with the height of the figure in device pixels, so coordinates are kept to 20 bits,
// far beyond any page, and figures that a transform takes further are not drawn.
#pragma once

#include <algorithm>
#include <cmath>

namespace luwnd::render {

inline constexpr double kGdiCoordinateLimit = (1 << 20) - 1;

// The nearest coordinate GDI can take; not-a-number gives 0.
inline int gdi_coordinate(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(
        std::lround(std::clamp(value, -kGdiCoordinateLimit, kGdiCoordinateLimit)));
}

}  // namespace luwnd::render
