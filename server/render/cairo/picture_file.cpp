#include "picture_file.h"

#include <algorithm>
#include <thread>

#include <cairo-pdf.h>

#include "banded_paint.h"
#include "cairo_canvas.h"
#include "file_stream.h"
#include "png_writer.h"
#include "server/render/painter.h"
#include "svg_file.h"
#include "vector_page.h"

namespace luwnd::render {
namespace {

int cores() {
    return static_cast<int>(std::thread::hardware_concurrency());
}

int page_side(std::int32_t side) {
    return std::clamp(side, 1, kMaxPageSide);
}

}  // namespace

cairo_surface_t* render_image(const Picture& picture) {
    int width = page_side(picture.width), height = page_side(picture.height);
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    paint_image(picture, image, cores());
    return image;
}

bool write_picture(const Picture& picture, std::FILE* file, PictureFormat format,
                   std::string& error) {
    int width = page_side(picture.width), height = page_side(picture.height);
    if (format == PictureFormat::kPng) {
        cairo_surface_t* image = render_image(picture);
        const bool written = write_png(image, file, cores(), error);
        cairo_surface_destroy(image);
        return written;
    }
    if (format == PictureFormat::kSvg) return write_svg(picture, width, height, file, error);
    FileStream stream(file);
    const VectorPage page = vector_page(picture, width, height, kPointsPerInch);
    cairo_surface_t* surface =
        cairo_pdf_surface_create_for_stream(&FileStream::write, &stream, page.width, page.height);
    draw_in_pixels(surface, page);
    {
        CairoCanvas canvas(surface, width, height, false);
        paint(picture, canvas);
    }
    cairo_surface_finish(surface);
    cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status == CAIRO_STATUS_SUCCESS && stream.flush()) return true;
    error = stream.reason(status);
    return false;
}

bool write_picture(const Picture& picture, const std::string& path, PictureFormat format,
                   std::string& error) {
    return write_to_path(
        path,
        [&](std::FILE* file, std::string& e) { return write_picture(picture, file, format, e); },
        error);
}

}  // namespace luwnd::render
