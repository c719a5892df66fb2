// The outline of a stroke: a polyline of some width turned into closed figures that,
// filled under the non-zero rule, cover exactly what the pen covers.
//
// The outline runs forward along the left side of the line and back along its right side.
// At each corner the outer side takes the join (a round arc, or a miter tip, or a bevel
// where the tip would reach too far) and the inner side runs through the corner point
// itself; the little loops this makes lie inside the stroke and only wind it twice.
#pragma once

#include <cstdint>
#include <span>

#include "coverage_raster.h"

namespace luwnd::render::raster {

enum class Cap : std::uint8_t { kRound, kFlat };
enum class Join : std::uint8_t { kRound, kMiter };

struct StrokeStyle {
    double width = 1;  // pixels
    Cap cap = Cap::kRound;
    Join join = Join::kRound;
    // Longest miter, in line widths from the inner to the outer corner; longer ones are
    // bevelled.
    double miter_limit = 10;
};

// Adds the outline of the stroke through the points (closed: back to the first point, with
// a join there and no caps) to the raster. Points that repeat the one before are skipped;
// a single point with round caps is a dot. The points must be finite.
void add_stroke_outline(std::span<const Point> points, bool closed, const StrokeStyle& style,
                        CoverageRaster& raster);

}  // namespace luwnd::render::raster
