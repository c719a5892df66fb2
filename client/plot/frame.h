// Making a frame: the panel, the box fitted with room for numbers and labels, the box
// drawn, the world left on the frame.
#pragma once

#include "axes.h"
#include "page_draw.h"
#include "plot_state.h"

namespace lumora::plot {

struct FrameRequest {
    double x1 = 0, x2 = 1, y1 = 0, y2 = 1;  // as the caller gave them
    int options = 0;                        // LU_PLOT_...
};

// Checks and converts the ranges into the frame's world (log10, widened equal ends);
// false when they are refused.
bool frame_world(const FrameRequest& request, Frame& frame);

// The panel the next frame goes into: the fresh one, else the one after the current.
int take_panel(WindowPlot& state);

// Sets up and draws a frame in the current window; the window number, or 0.
int make_frame(const FrameRequest& request);

// The options of the frame's own box for each axis.
AxisOptions frame_axis_options(int options, bool x_axis);

}  // namespace lumora::plot
