// A polygon in a 3-D view drawn as its outline: the sides whose flag is set, cut to the
// view's box, and nothing when the viewer sees its back (judged by which way round its
// corners run as projected).
#pragma once

#include <vector>

#include "clip3d.h"
#include "view3d.h"

namespace lumora::plotcore {

// Twice the signed area of the polygon through the world points as the view projects them
// onto the frame's world: above 0 when its corners run counterclockwise there. Points with
// a coordinate that is not finite are left out.
double projected_turn(const View3d& view, const std::vector<Point3>& world);

// Which face of a polygon is its front: the one whose corners run counterclockwise as the
// viewer sees them, or the clockwise one. mirrored: the frame's world is drawn mirrored on
// the page (one of its axes reversed), which turns what the viewer sees.
struct Facing {
    bool counterclockwise_front = true;
    bool mirrored = false;
};

// Whether the viewer sees the polygon's front; a polygon seen edge on counts as seen.
bool front_seen(const View3d& view, const std::vector<Point3>& world, const Facing& facing);

// The runs to draw of the polygon's outline: side i from point i to point i + 1 where
// draw[i] is set (draw holds a flag per side, one fewer than the points), neighbouring
// sides joined, each cut to the box. None when the viewer sees the polygon's back.
std::vector<Run2> polygon3d_runs(const View3d& view, const std::vector<Point3>& world,
                                 const std::vector<bool>& draw, const Facing& facing);

}  // namespace lumora::plotcore
