// The box of a 3-D view drawn on a frame: the x and y axes on the base's two edges that
// meet at the corner nearest the viewer, the z axis on the vertical edges over the base's
// leftmost and rightmost corners, with ticks, numbers and labels chosen as a 2-D frame's,
// and grid lines on the two back walls.
#pragma once

#include <string>

#include "axes.h"
#include "frame_layout.h"
#include "view3d.h"

namespace lumora::plotcore {

// The options of each axis (letters as lu_plot_box3d takes them) and its label.
struct Box3dAxes {
    AxisOptions x, y, z;
    std::string x_label, y_label, z_label;
};

// The base's corners (k 0) as the view sees them: the one nearest the viewer (the lowest
// on the page, also when seen from straight above), the one opposite it, and the other two,
// leftmost and rightmost on the page. The x axis runs along the front corner's y end, the y axis
// along its x end.
struct BaseCorners {
    Corner front, back, left, right;
};
BaseCorners base_corners(const View3d& view);

// Draws the box on the frame's page (the view projects onto the frame's world).
void draw_box3d(LayoutCanvas& canvas, const Frame& frame, const View3d& view,
                const Box3dAxes& axes);

// A text beside an edge of the box: the edge of axis (0 x, 1 y, 2 z) on which
// draw_box3d puts the axis (primary) or the one opposite it across the base (secondary:
// the x or y edge through the back corner, the z edge over the rightmost corner). It runs
// along the edge, read from left to right (or upwards), displacement text heights outward
// of it (below 0: inward), its anchor position of the way along the edge as it is read,
// justification of the way along the text (0 its start, 1 its end).
struct EdgeText {
    int axis = 0;
    bool secondary = false;
    double displacement = 0, position = 0.5, justification = 0.5;
    std::string text;
    int colour = kBlack;
};
void draw_edge_text(LayoutCanvas& canvas, const Frame& frame, const View3d& view,
                    const EdgeText& text);

}  // namespace lumora::plotcore
