// Lines and polygons carried through a plot transform: a straight piece between two
// positions becomes a polyline in the world, split where the transform bends it until it
// follows the curve within a fraction of a pixel.
#pragma once

#include <vector>

#include "plot_transform.h"

namespace lumora::plot {

// The transform, and the page pixels one world unit takes along x and y (where the
// curve's distance from a straight piece is measured).
struct TransformedWorld {
    const PlotTransform& transform;
    double pixels_x = 1, pixels_y = 1;
};

// How far (pixels) a straight piece may stray from the curve, and how often one piece of
// the data is halved at most: a wild transform gets 2^depth pieces, never more.
inline constexpr double kBendTolerance = 0.25;
inline constexpr int kMaxSplitDepth = 10;

// The line through x, y pairs (a pair that is not finite breaks it) in the world, as runs
// of x, y pairs separated by a NaN pair. Positions the transform cannot show break the
// line too; the line is followed up to where they begin.
std::vector<double> transform_line(const TransformedWorld& w, const std::vector<double>& xy);

// The closed outline of a polygon in the world: its sides bent as the line's are, the
// positions the transform cannot show left out (the outline goes on from the next one).
std::vector<double> transform_outline(const TransformedWorld& w, const std::vector<double>& xy);

// Each position in the world; a NaN pair for one the transform cannot show.
std::vector<double> transform_positions(const PlotTransform& t, const std::vector<double>& xy);

}  // namespace lumora::plot
