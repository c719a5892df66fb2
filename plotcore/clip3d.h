// A line in a 3-D view cut to the view's box: the runs that lie in it, projected onto the
// frame's 2-D world.
#pragma once

#include <vector>

#include "view3d.h"

namespace lumora::plotcore {

using Run2 = std::vector<Point2>;

// The parts of the line through the world points (the view's world: log10 on a log axis)
// inside the box, each a run of at least two points. A point with a coordinate that is not
// finite breaks the line there.
std::vector<Run2> clip_line3d(const View3d& view, const std::vector<Point3>& world);

}  // namespace lumora::plotcore
