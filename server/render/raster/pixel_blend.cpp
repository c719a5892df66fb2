#include "pixel_blend.h"

#include <algorithm>

namespace luwnd::render::raster {
namespace {

std::uint8_t mix(std::uint32_t colour, std::uint32_t under, std::uint32_t coverage) {
    return static_cast<std::uint8_t>((colour * coverage + under * (255 - coverage) + 127) / 255);
}

}  // namespace

std::uint32_t lay_over(std::uint32_t colour, std::uint32_t under, std::uint8_t share) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t c = (colour >> shift) & 0xFF, u = (under >> shift) & 0xFF;
        out |= std::uint32_t{mix(c, u, share)} << shift;
    }
    return out;
}

void blend_span(const PixelTarget& target, int y, int x, std::span<const std::uint8_t> coverage,
                std::uint32_t rgb) {
    if (target.bits == nullptr || y < 0 || y >= target.height) return;
    const long first = std::max<long>(x, 0);
    const long end = std::min<long>(long(x) + long(coverage.size()), target.width);
    const std::uint32_t red = (rgb >> 16) & 0xFF, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
    std::uint8_t* row = target.bits + target.stride * y;
    for (long i = first; i < end; ++i) {
        const std::uint32_t c = coverage[std::size_t(i - x)];
        if (c == 0) continue;
        std::uint8_t* pixel = row + 4 * i;
        pixel[0] = mix(blue, pixel[0], c);
        pixel[1] = mix(green, pixel[1], c);
        pixel[2] = mix(red, pixel[2], c);
    }
}

}  // namespace luwnd::render::raster
