// Painting a picture into an image with long runs of separate lines spread over several
// cores: the page is cut into bands of whole rows and each band paints the whole run on a
// thread of its own, its surface offset by whole rows so that every line lands on the same
// pixels. Cairo culls and clips what lies outside a band; for a separate line that changes
// nothing, but for joined outlines, texts and unsmoothed mix-mode fills it changes a few
// edge pixels, so every other drawing is painted in one pass, in its place in the order.
#pragma once

#include <cairo.h>

#include <cstddef>

#include "server/render/picture.h"

namespace luwnd::render {

// Below this many lines in a row a run paints in well under a frame: threads would not pay.
inline constexpr std::size_t kBandedRun = 4096;

// How many bands a page of that many rows is cut into with that many cores.
int band_count(int height, int cores);

// Paints the picture into the RGB image surface of its page size. Runs of at least
// min_run separate lines are painted in band_count(height, cores) bands.
void paint_image(const Picture& picture, cairo_surface_t* image, int cores,
                 std::size_t min_run = kBandedRun);

}  // namespace luwnd::render
