// Linear gradients: a polygon's colours blended between stops along an axis. The library
// finds the axis of a fill at an angle; whatever cannot paint a true gradient (GDI, the
// drawing operations of windows without plot batches) paints it as bands across the
// axis, each in the colour of its middle, found here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "items.h"

namespace lumora::plotcore {

// The axis across a polygon (batch coordinates, y downward) for a gradient at an angle
// (radians, counterclockwise from the page's x axis): through the middle of the points'
// extent, from the point of least reach along the angle to the one of most, so that the
// first stop lies on the polygon's first corner that way and the last on its last.
// Both ends the same when the points have no extent along the angle.
void gradient_axis(const std::vector<PointF>& polygon, double angle, Gradient& gradient);

// The colour (packed RGB) and opacity at offset t along the stops (offsets in order):
// blended component by component between the two stops around t, the first stop's
// colour before the first offset and the last's beyond the last.
struct Rgba {
    std::uint32_t rgb = 0;
    std::uint8_t alpha = 255;
    bool operator==(const Rgba&) const = default;
};
Rgba gradient_colour(const std::vector<GradientStop>& stops, double t);

struct GradientBand {
    std::vector<PointF> points;  // a polygon, filled with the gradient's rule
    Rgba colour;
};

// Bands at most this many.
inline constexpr std::size_t kMaxGradientBands = 4096;

// The polygon cut into bands across the gradient's axis, each `width` along it (at most
// kMaxGradientBands over the polygon's reach: wider ones when it reaches further), in
// the colour at the band's middle. The first band takes what lies before the axis, the
// last what lies beyond it. Nothing for fewer than three points, points that are not
// finite, an axis of no length or a width that is not above 0.
std::vector<GradientBand> gradient_bands(const std::vector<PointF>& polygon,
                                         const Gradient& gradient, double width);

}  // namespace lumora::plotcore
