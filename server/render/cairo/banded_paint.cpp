#include "banded_paint.h"

#include <algorithm>
#include <span>
#include <thread>
#include <vector>

#include "cairo_canvas.h"
#include "server/render/painter.h"

namespace luwnd::render {
namespace {

// Each band is at least this many rows, so that most lines fall inside few bands.
constexpr int kMinBandRows = 64;
constexpr int kMaxBands = 8;

using Items = std::span<const PaintItem>;

bool is_line(const PaintItem& op) {
    return op.item.kind == ItemKind::kLine;
}

// A surface over rows [top, top + rows) of the image, addressed in page pixels.
cairo_surface_t* band_surface(cairo_surface_t* image, int top, int rows) {
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    cairo_surface_t* band = cairo_image_surface_create_for_data(
        data + static_cast<std::ptrdiff_t>(top) * stride, CAIRO_FORMAT_RGB24,
        cairo_image_surface_get_width(image), rows, stride);
    cairo_surface_set_device_offset(band, 0, -top);
    return band;
}

// The canvas of a band still measures the whole image (page_width x page_height).
void paint_items(Items items, const Picture& page, cairo_surface_t* surface, int page_width,
                 int page_height) {
    CairoCanvas canvas(surface, page_width, page_height, true);
    for (const PaintItem& op : items) paint(op, page.width, page.height, canvas, page.background);
    cairo_surface_flush(surface);
}

void paint_in_bands(Items lines, const Picture& page, cairo_surface_t* image, int bands) {
    const int width = cairo_image_surface_get_width(image);
    const int height = cairo_image_surface_get_height(image);
    std::vector<cairo_surface_t*> surfaces;
    for (int b = 0; b < bands; ++b) {
        const int top = height * b / bands, bottom = height * (b + 1) / bands;
        surfaces.push_back(band_surface(image, top, bottom - top));
    }
    std::vector<std::thread> helpers;
    for (int b = 1; b < bands; ++b)
        helpers.emplace_back(paint_items, lines, std::cref(page), surfaces[b], width, height);
    paint_items(lines, page, surfaces[0], width, height);
    for (std::thread& helper : helpers) helper.join();
    for (cairo_surface_t* surface : surfaces) cairo_surface_destroy(surface);
}

}  // namespace

int band_count(int height, int cores) {
    return std::clamp(std::min(cores, height / kMinBandRows), 1, kMaxBands);
}

void paint_image(const Picture& picture, cairo_surface_t* image, int cores, std::size_t min_run) {
    const int width = cairo_image_surface_get_width(image);
    const int height = cairo_image_surface_get_height(image);
    CairoCanvas(image, width, height, true).clear(picture.background);
    const int bands = band_count(height, cores);
    const Items items(picture.items);
    for (std::size_t first = 0; first < items.size();) {
        const bool lines = is_line(items[first]);
        std::size_t end = first;
        while (end < items.size() && is_line(items[end]) == lines) ++end;
        const Items run = items.subspan(first, end - first);
        if (lines && bands > 1 && run.size() >= min_run) {
            cairo_surface_flush(image);
            paint_in_bands(run, picture, image, bands);
            cairo_surface_mark_dirty(image);
        } else {
            paint_items(run, picture, image, width, height);
        }
        first = end;
    }
}

}  // namespace luwnd::render
