// Values of scattered samples at the points of a grid: the nearest sample's, a weighted
// mean of the nearest ones, linear interpolation in the Delaunay triangle, or natural
// neighbour (Sibson) interpolation.
#pragma once

#include <vector>

#include "client/include/lumora_fields.h"
#include "predicates.h"

namespace lumora::plot {

// The public method codes, so that one converts to the other as it is.
enum class GridMethod {
    nearest = LU_GRID_NEAREST,
    inverse_distance = LU_GRID_INVERSE_DISTANCE,
    linear = LU_GRID_LINEAR,
    natural = LU_GRID_NATURAL
};

// How many of the nearest samples an inverse-distance mean takes.
inline constexpr int kInverseDistanceNeighbours = 12;

struct Samples {
    std::vector<Point2> points;
    std::vector<double> values;
};

// The samples as gridding takes them: those with a coordinate or value that is no finite
// number left out, those at one place merged into one with the mean of their values.
template <class Value>
Samples samples_of(const Value* x, const Value* y, const Value* z, int n);

// Whether linear and natural neighbour interpolation can use the samples: at least three
// of them, not all on one line.
bool has_area(const Samples& samples);

// The value at (xg[i], yg[j]) at [j * nx + i]; NaN where the method gives none (outside
// the samples' convex hull for linear and natural neighbour, at a coordinate that is no
// finite number). `parameter`: the power of the inverse-distance weights (0: 2).
std::vector<double> grid_values(Samples samples, std::vector<double> xg, std::vector<double> yg,
                                GridMethod method, double parameter);

}  // namespace lumora::plot
