// Translucent drawing on a canvas that can only draw opaquely: the pixels are copied
// before a drawing, the drawing is made as usual, and then each pixel becomes the drawn
// one laid over the copy in the share the opacity gives. Pixels the drawing left alone
// stay as they were.
#pragma once

#include <cstdint>
#include <vector>

#include "pixel_blend.h"

namespace luwnd::render::raster {

class OpacityLayer {
  public:
    // Copies the target's pixels (it must stay alive and the same size).
    explicit OpacityLayer(const PixelTarget& target);
    // Lays what was drawn since the copy over it in the share alpha (255: as drawn).
    void lay_over(std::uint8_t alpha) const;

  private:
    PixelTarget target_;
    std::vector<std::uint8_t> before_;
};

}  // namespace luwnd::render::raster
