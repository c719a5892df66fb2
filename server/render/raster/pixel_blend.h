// Laying a colour over 32-bit pixels (blue, green, red, unused) by coverage: the colour
// over what is there, in the share the coverage gives (255: the colour alone).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace luwnd::render::raster {

// Rows of width pixels, 4 bytes each; row y starts at bits + y * stride (a negative stride
// for pictures stored bottom row first).
struct PixelTarget {
    std::uint8_t* bits = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0, height = 0;
};

// The packed RGB colour over the pixels x .. x + coverage.size() - 1 of row y; pixels
// outside the target are left alone.
void blend_span(const PixelTarget& target, int y, int x, std::span<const std::uint8_t> coverage,
                std::uint32_t rgb);

// The packed RGB colour over the packed RGB under it in the share (255: the colour alone).
std::uint32_t lay_over(std::uint32_t colour, std::uint32_t under, std::uint8_t share);

}  // namespace luwnd::render::raster
