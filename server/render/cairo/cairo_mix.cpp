#include "cairo_mix.h"

#include <algorithm>
#include <cstring>

#include "server/render/mix_mode.h"
#include "server/render/raster/pixel_blend.h"

namespace luwnd::render {

RasterMask::RasterMask(cairo_surface_t* image)
    : mask_(cairo_image_surface_create(CAIRO_FORMAT_A8,
                                       std::max(cairo_image_surface_get_width(image), 1),
                                       std::max(cairo_image_surface_get_height(image), 1))) {
    double x = 0, y = 0;
    cairo_surface_get_device_offset(image, &x, &y);
    cairo_surface_set_device_offset(mask_, x, y);
    cr_ = cairo_create(mask_);
}

RasterMask::~RasterMask() {
    cairo_destroy(cr_);
    cairo_surface_destroy(mask_);
}

void RasterMask::apply(cairo_surface_t* image, std::uint32_t rgb, std::int32_t mix, double alpha) {
    const auto share = static_cast<std::uint8_t>(std::clamp(alpha, 0.0, 1.0) * 255 + 0.5);
    cairo_surface_flush(mask_);
    cairo_surface_flush(image);
    int width =
        std::min(cairo_image_surface_get_width(mask_), cairo_image_surface_get_width(image));
    int height =
        std::min(cairo_image_surface_get_height(mask_), cairo_image_surface_get_height(image));
    const unsigned char* coverage = cairo_image_surface_get_data(mask_);
    unsigned char* pixels = cairo_image_surface_get_data(image);
    if (coverage == nullptr || pixels == nullptr) return;
    int mask_stride = cairo_image_surface_get_stride(mask_);
    int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < height; ++y) {
        const unsigned char* m = coverage + static_cast<std::ptrdiff_t>(y) * mask_stride;
        unsigned char* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            if (m[x] < 128) continue;
            std::uint32_t pixel;
            std::memcpy(&pixel, row + 4 * x, 4);
            const std::uint32_t under = pixel & 0xFFFFFF;
            pixel = 0xFF000000u | raster::lay_over(apply_mix(mix, rgb, under), under, share);
            std::memcpy(row + 4 * x, &pixel, 4);
        }
    }
    cairo_surface_mark_dirty(image);
}

VectorMix vector_mix(std::int32_t mix, std::uint32_t rgb) {
    switch (effective_mix(mix)) {
        case kMixBlack:
            return {0x000000, CAIRO_OPERATOR_OVER};
        case kMixWhite:
            return {0xFFFFFF, CAIRO_OPERATOR_OVER};
        case kMixNotCopyPen:
            return {~rgb & 0xFFFFFF, CAIRO_OPERATOR_OVER};
        case kMixNot:
            return {0xFFFFFF, CAIRO_OPERATOR_DIFFERENCE};
        case kMixXorPen:
            return {rgb, CAIRO_OPERATOR_DIFFERENCE};
        default:
            return {rgb, CAIRO_OPERATOR_OVER};
    }
}

}  // namespace luwnd::render
