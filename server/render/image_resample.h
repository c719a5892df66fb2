// Pictures scaled into their box on a raster page, the same way on every canvas.
//
// The box of the two corners covers the device pixels min .. max - 1 on each axis; a
// corner pair given the other way round mirrors the picture on that axis. Device pixel
// (x, y) takes the picture's colour at the point of its centre: nearest takes the pixel
// under it, bilinear blends the four pixels around it (the edge pixels extend outward).
#pragma once

#include <cstdint>
#include <vector>

#include "canvas.h"
#include "server/core/image_pixels.h"

namespace luwnd::render {

// Where a picture goes on the page.
struct ImageFrame {
    Box box;
    bool mirror_x = false, mirror_y = false;
};

ImageFrame image_frame(Point first, Point last);

// Device pixels left .. left + width - 1, top .. top + height - 1 of a picture, packed RGB
// row after row.
struct Raster {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint32_t> rgb;
};

// The part of the picture that falls inside the area (device pixels, usually the page):
// an empty raster when nothing does.
Raster resample(const ImagePixels& pixels, const ImageFrame& frame, const Box& area, bool smooth);

}  // namespace luwnd::render
