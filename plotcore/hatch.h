// Hatching: a polygon covered with one or two sets of parallel lines instead of a colour.
// The lines of a set lie at whole multiples of its spacing from the page's origin (measured
// across them), so that neighbouring polygons hatched alike join up, and a polygon keeps
// its lines' angle and spacing in pixels whatever its size. Everything that paints or
// draws a hatch (each canvas of the window process, the library's drawing operations)
// turns it into segments here.
#pragma once

#include <cstddef>
#include <vector>

#include "items.h"
#include "layout_canvas.h"

namespace lumora::plotcore {

// The predefined patterns 1 ... kHatchPatterns, as PLplot's plpsty numbers them:
// 1 horizontal, 2 vertical, 3 at 45 degrees, 4 at -45, 5 at 30, 6 at -30, 7 horizontal
// and vertical, 8 at 45 and -45; spacing pixels apart. Pattern 0 (and any other) is a
// solid fill: no lines.
inline constexpr int kHatchPatterns = 8;
Hatch hatch_pattern(int pattern, float spacing);

// The hatch of spacings in pixels at 96 dpi on a page of that resolution (dots per inch
// / 96), each within kMinHatchSpacing ... kMaxCoordinate.
Hatch scaled_hatch(const Hatch& hatch, double resolution);

// Bounds of one hatch item's work: a set of lines across a polygon has at most
// kMaxHatchLines lines (a set that would have more takes the smallest whole multiple of
// its spacing that keeps within it: far below a pixel apart, lines cover the polygon all
// the same), and an item at most kMaxHatchSegments segments (those beyond are left out).
inline constexpr std::size_t kMaxHatchLines = 4096;
inline constexpr std::size_t kMaxHatchSegments = std::size_t{1} << 18;

// The parts of the hatch lines inside the polygon (batch coordinates, y downward; angles
// counterclockwise on the page), as pairs of end points: each line's spans where the
// polygon's edges cross it an odd number of times (even-odd), or where they wind round
// it (nonzero). Nothing for fewer than three points, a point that is not finite, or a
// spacing that is not above 0.
std::vector<PointF> hatch_segments(const std::vector<PointF>& polygon, bool nonzero,
                                   const Hatch& hatch);

}  // namespace lumora::plotcore
