// The page of a vector file in the file's unit: points (1/72 inch) for PDF, CSS pixels
// (1/96 inch) for SVG. A pixel of the window is dpi / 72 or dpi / 96 of them, so that the
// file prints at the size the window has at its resolution; everything is drawn in pixels
// as on the screen, and the surface scales it.
#pragma once

#include <cairo.h>

#include <algorithm>

#include "server/render/picture.h"

namespace luwnd::render {

struct VectorPage {
    double width = 0, height = 0;  // in the file's unit
    double scale = 1;              // the file's units a pixel
};

inline constexpr double kPointsPerInch = 72, kCssPixelsPerInch = 96;

inline VectorPage vector_page(const Picture& picture, int width, int height, double per_inch) {
    const double scale = per_inch / std::clamp(picture.dpi, 1, 4800);
    return {width * scale, height * scale, scale};
}

// Drawing in pixels on the surface lands in the page's unit.
inline void draw_in_pixels(cairo_surface_t* surface, const VectorPage& page) {
    cairo_surface_set_device_scale(surface, page.scale, page.scale);
}

}  // namespace luwnd::render
