// The order points are best inserted into a Delaunay triangulation in: random rounds of
// doubling size (so no bad order of the caller's can make the work quadratic), each round
// along a Hilbert curve (so each point lies near the one before and its search is short).
#pragma once

#include <vector>

#include "predicates.h"

namespace lumora::plot {

std::vector<int> insertion_order(const std::vector<Point2>& points);

}  // namespace lumora::plot
