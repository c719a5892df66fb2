// Where the 3-D operations draw: the current frame, when lu_plot_view3d gave it a view.
#pragma once

#include <vector>

#include "data.h"
#include "plotcore/clip3d.h"

namespace lumora::plot {

// The current frame with its 3-D view, ready for drawing; window 0 (and refused) when
// there is none.
DataTarget view_target();

// The view's world points of n data points.
template <typename T>
std::vector<plotcore::Point3> view_world_points(const plotcore::View3d& view, int n, const T* x,
                                                const T* y, const T* z) {
    std::vector<plotcore::Point3> out;
    out.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        out.push_back(view.world(static_cast<double>(x[i]), static_cast<double>(y[i]),
                                 static_cast<double>(z[i])));
    return out;
}

// Draws runs of the frame's world points as lines with the current pen.
void draw_runs(const Page& page, const Frame& frame, const std::vector<plotcore::Run2>& runs);

}  // namespace lumora::plot
