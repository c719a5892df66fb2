// A gradient painted as bands one pixel wide across its axis, each a polygon in the colour
// of its middle (plotcore::gradient_bands): for canvases that cannot paint a gradient.
#pragma once

#include <cstdint>
#include <span>

#include "canvas.h"

namespace luwnd::render {

// Paints the bands on the canvas without outline. A canvas that draws translucently
// (translucent true) takes each band's opacity under `opacity`, the canvas's own, and
// gets that back at the end; one that does not paints the bands opaque.
void paint_gradient_bands(Canvas& canvas, std::span<const Point> points, FillRule rule,
                          const lumora::plotcore::Gradient& gradient, std::uint8_t opacity,
                          bool translucent);

}  // namespace luwnd::render
