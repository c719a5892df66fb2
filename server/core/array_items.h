// A completed array becomes one display-list item:
//
//   'N' 28 polygon   kPolygon, 3 or more points; the fill rule is the block's fill-rule
//                    word when the array was announced: 2 winding, anything else alternate
//   'N' 29 Bezier    kBezier, 3k + 1 points with k >= 1 (start, then two control points and
//                    an end point per segment); any other count draws nothing and 'B' 37
//                    answers 0
//   'N' 30 polyline  kPolyline, 1 or more points; one point draws a dot
//   'N' 32 plot      kPlot, |n| values; n > 0 runs along x, n < 0 along y. The announce
//                    words are run1 (result1), run2 (result2), size (result3), base
//                    (result4). Value i sits at the run position
//                    run1 + (run2 - run1) * i / (|n| - 1), rounded (run1 for one value),
//                    and at the value itself along the measure axis. The mode chooses:
//                      0       bars `size` wide (0 .. 16384) from base to each value
//                      -1      a polyline through the values (size and base unused)
//                      < -1    impulses: a line from base to each value (size unused)
//                      1 .. 6  a marker of that type, `size` (0 .. 16384) big, per value
//                      > 6     refused
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "array_transfer.h"
#include "display_list.h"

namespace luwnd {

// How a plot of that mode and announce words is drawn, or nothing when the mode or the
// size is out of range.
std::optional<PlotShape> plot_shape(std::int32_t count, std::int32_t mode,
                                    const std::array<std::int32_t, 4>& words);

// The item for a complete array, or nothing when its count cannot draw that figure.
// Attributes and colour are left to the caller.
std::optional<DrawItem> array_item(const ArrayData& array);

}  // namespace luwnd
