// Sibson's natural neighbour coordinates: the share of the Voronoi cell a place would
// have, were it inserted, that each data point's cell gives up to it.
#pragma once

#include <vector>

#include "delaunay.h"

namespace lumora::plot {

struct Weight {
    int index = 0;
    double weight = 0;
};

// The natural neighbours of p and their weights, summing to 1, for p inside the convex
// hull; for p on the hull's boundary the two ends of its edge (or its vertex) weighted
// linearly; none outside the hull. `hint`: a triangle near p, updated for the next
// place.
std::vector<Weight> natural_neighbour_weights(const Delaunay& mesh, Point2 p, int& hint);

// The weights of a triangle's corners (barycentric) at p; nothing when p lies outside the
// hull. `hint` as above.
std::vector<Weight> linear_weights(const Delaunay& mesh, Point2 p, int& hint);

}  // namespace lumora::plot
