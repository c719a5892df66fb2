#include <cairo.h>

#include <cstring>

#include "png_reader.h"

namespace lumora::test {

PngImage read_png(const std::string& path) {
    PngImage image;
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return image;
    }
    cairo_surface_flush(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    image.pixels.resize(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // RGB24 and opaque ARGB32 both keep the colour in the low 24 bits.
            std::uint32_t value;
            std::memcpy(&value, data + std::size_t(y) * std::size_t(stride) + 4 * std::size_t(x),
                        4);
            image.pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = value & 0xFFFFFF;
        }
    }
    image.width = width;
    image.height = height;
    cairo_surface_destroy(surface);
    return image;
}

}  // namespace lumora::test
