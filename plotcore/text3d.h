// A text in a plane of a 3-D view: standing at a data point, its baseline along a data
// direction and its up along another (the shear), seen by the viewer as an affine picture
// of the text: turned, foreshortened and sheared. A text of the frame's height facing the
// viewer keeps its size.
#pragma once

#include <string>

#include "frame_layout.h"
#include "layout_canvas.h"
#include "view3d.h"

namespace lumora::plotcore {

// The point and the two directions, in the view's data (steps from the point: on a log
// axis the direction runs from the point to the point plus the step). The text's up is a
// text height long along the shear, so that a shear leaning towards the baseline flattens
// the text; a shear of 0, 0, 0 stands the text upright in the plane that faces the viewer
// across the baseline.
struct Text3d {
    Point3 at, along, shear;
};

// Where the text stands on the page: its anchor (page pixels), its picture, and whether
// the viewer sees it at all (not when its plane is seen edge on). problem: why the text
// cannot be placed, as a refusal says it; empty when it can.
struct Text3dPlacement {
    std::string problem;
    bool seen = false;
    Point2 anchor;
    TextMatrix matrix;
};
Text3dPlacement place_text3d(const Frame& frame, const View3d& view, const Text3d& text);

// The point of the text's left end on its baseline for a text width pixels long and height
// high, so that the anchor lies the justification (0 its start, 1 its end) along its
// baseline and half a capital's height above it.
Point2 text3d_start(const Text3dPlacement& placed, double width, double height,
                    double justification);

}  // namespace lumora::plotcore
