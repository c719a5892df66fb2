// The shape of a vector field's arrows: points in the arrow's own coordinates (the shaft
// along x from the tail at -0.5 to the tip at 0.5, y across, in arrow lengths), laid on
// the page in device pixels so that an arrow keeps its shape whatever the world's aspect.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "fields_common.h"

namespace lumora::plot {

inline constexpr int kMaxArrowPoints = 64;
inline constexpr double kMaxArrowCoordinate = 10;  // arrow lengths from the shaft's middle
inline constexpr double kMaxHeadPixels = 1000;

// The front half of the shape (x from 0 to 0.5, where the heads lie) is
// min(share * length, pixels) long in device pixels; the rear half stretches over the
// rest of the arrow, and y scales as the front half does. Share 0.5 with no pixel bound
// scales the whole shape with the arrow.
struct ArrowStyle {
    std::vector<double> shape;  // x, y pairs
    bool filled = false;
    double share = 0.3;
    double pixels = 12;
    bool operator==(const ArrowStyle&) const = default;
};

// The named shapes: the barbs of a plain arrow, a triangle head on a line shaft, and a
// whole arrow whose head is 0.2 of it (as PLplot draws one by default).
enum class NamedArrow { kBarbs = 1, kTriangle = 2, kWhole = 3 };
std::vector<double> named_arrow_shape(NamedArrow name);

// Barbs 0.3 of the arrow long, at most 12 pixels, not filled: what every window starts with.
ArrowStyle default_arrow_style();

// A style from a shape and its head size: head > 0 keeps the front half head pixels long
// (half the arrow at most), head 0 scales the whole shape with the arrow.
ArrowStyle arrow_style_of(std::vector<double> shape, bool filled, double head);

// Why a shape of n points cannot be used (empty when it can): a count outside 2 ...
// kMaxArrowPoints (3 for a filled one), a point that is not finite or lies beyond
// kMaxArrowCoordinate.
template <class Value>
std::string arrow_shape_problem(const Value* x, const Value* y, int n, bool filled);

// The arrow of the style from (x, y) along (dx, dy), all in world units, as x, y pairs in
// world coordinates; none for an arrow of no length on the page.
std::vector<float> arrow_points(const ArrowStyle& style, double x, double y, double dx, double dy,
                                const DeviceScale& s);

}  // namespace lumora::plot
