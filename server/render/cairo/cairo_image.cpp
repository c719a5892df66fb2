// Pictures on a Cairo surface. On a raster page under the plain transform the picture is
// scaled by image_resample.h, as on every raster canvas, and copied in. On vector surfaces
// (SVG, PDF) and under a transform the picture itself becomes the source, scaled by Cairo
// with the chosen filter, so that the file embeds one image of the picture's own pixels.
#include <cmath>

#include "cairo_canvas.h"
#include "server/render/image_resample.h"

namespace luwnd::render {
namespace {

bool plain(const cairo_matrix_t& m) {
    return m.xx == 1 && m.yy == 1 && m.xy == 0 && m.yx == 0 && m.x0 == std::floor(m.x0) &&
           m.y0 == std::floor(m.y0);
}

// A Cairo surface over packed RGB rows (the caller keeps the pixels alive).
cairo_surface_t* surface_over(const std::uint32_t* rgb, int width, int height) {
    // Cairo's RGB24 is exactly a packed word per pixel: red << 16 | green << 8 | blue.
    auto* data = reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(rgb));
    return cairo_image_surface_create_for_data(data, CAIRO_FORMAT_RGB24, width, height, width * 4);
}

}  // namespace

void CairoCanvas::image(const ImagePixels& pixels, Point first, Point last, bool smooth) {
    if (pixels.width <= 0 || pixels.height <= 0 || first.x == last.x || first.y == last.y) return;
    cairo_t* cr = begin();
    if (cr == nullptr) return;
    if (raster_ && plain(matrix_)) {
        Box page{-matrix_.x0, -matrix_.y0, width_ - matrix_.x0, height_ - matrix_.y0};
        Raster raster = resample(pixels, image_frame(first, last), page, smooth);
        if (!raster.rgb.empty()) {
            cairo_surface_t* source = surface_over(raster.rgb.data(), raster.width, raster.height);
            cairo_set_source_surface(cr, source, raster.left, raster.top);
            cairo_rectangle(cr, raster.left, raster.top, raster.width, raster.height);
            cover(cr);
            cairo_surface_destroy(source);
        }
        cairo_destroy(cr);
        return;
    }
    cairo_surface_t* source = surface_over(pixels.rgb.data(), pixels.width, pixels.height);
    cairo_translate(cr, first.x, first.y);
    cairo_scale(cr, (last.x - first.x) / pixels.width, (last.y - first.y) / pixels.height);
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_pattern_t* pattern = cairo_get_source(cr);
    cairo_pattern_set_filter(pattern, smooth ? CAIRO_FILTER_BILINEAR : CAIRO_FILTER_NEAREST);
    cairo_pattern_set_extend(pattern, raster_ ? CAIRO_EXTEND_PAD : CAIRO_EXTEND_NONE);
    cairo_rectangle(cr, 0, 0, pixels.width, pixels.height);
    cover(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(source);
}

void CairoCanvas::cover(cairo_t* cr) const {
    if (alpha_ >= 1.0) {
        cairo_fill(cr);
        return;
    }
    cairo_clip(cr);
    cairo_paint_with_alpha(cr, alpha_);
}

}  // namespace luwnd::render
