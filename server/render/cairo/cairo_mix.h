// Mix modes on Cairo surfaces: exact on image surfaces through a coverage mask, and the
// closest Cairo operator on vector surfaces.
#pragma once

#include <cairo.h>

#include <cstdint>

namespace luwnd::render {

// A coverage mask the size of an image surface, addressed like it (the same device
// offset): draw the figure in it (opaque where covered), then apply it to that image.
class RasterMask {
  public:
    explicit RasterMask(cairo_surface_t* image);
    ~RasterMask();
    RasterMask(const RasterMask&) = delete;
    RasterMask& operator=(const RasterMask&) = delete;

    cairo_t* context() { return cr_; }
    // Combines every pixel of the image surface that the mask covers at least half with
    // the colour by the mix mode 1 .. 16, and lays the result over the pixel in the share
    // alpha (0 .. 1) gives.
    void apply(cairo_surface_t* image, std::uint32_t rgb, std::int32_t mix, double alpha = 1.0);

  private:
    cairo_surface_t* mask_;
    cairo_t* cr_;
};

struct VectorMix {
    std::uint32_t rgb;
    cairo_operator_t op;
};

// The colour and operator that stand in for the mix mode on a vector surface.
VectorMix vector_mix(std::int32_t mix, std::uint32_t rgb);

}  // namespace luwnd::render
