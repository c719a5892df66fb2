// The gallery's canvas natively: Cairo image surfaces.
#include <cairo.h>

#include "picture_io.h"
#include "server/render/cairo/picture_file.h"

namespace lumora::gallery {
namespace {

Image image_of(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    Image image(cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface));
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::ptrdiff_t(y) * stride);
        for (int x = 0; x < image.width; ++x) image.at(x, y) = row[x] & 0xFFFFFF;
    }
    return image;
}

}  // namespace

const char* canvas_name() {
    return "cairo";
}

Image render(const luwnd::render::Picture& picture) {
    cairo_surface_t* surface = luwnd::render::render_image(picture);
    Image image = image_of(surface);
    cairo_surface_destroy(surface);
    return image;
}

bool write_reference(const luwnd::render::Picture& picture, const std::string& path,
                     std::string& error) {
    return luwnd::render::write_picture(picture, path, luwnd::render::PictureFormat::kPng, error);
}

Image read_png_image(const std::string& path) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    Image image;
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS &&
        cairo_image_surface_get_format(surface) != CAIRO_FORMAT_INVALID) {
        cairo_surface_t* rgb =
            cairo_image_surface_create(CAIRO_FORMAT_RGB24, cairo_image_surface_get_width(surface),
                                       cairo_image_surface_get_height(surface));
        cairo_t* cr = cairo_create(rgb);
        cairo_set_source_surface(cr, surface, 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
        image = image_of(rgb);
        cairo_surface_destroy(rgb);
    }
    cairo_surface_destroy(surface);
    return image;
}

bool write_png_image(const Image& image, const std::string& path) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + std::ptrdiff_t(y) * stride);
        for (int x = 0; x < image.width; ++x) row[x] = image.at(x, y);
    }
    cairo_surface_mark_dirty(surface);
    const bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

}  // namespace lumora::gallery
