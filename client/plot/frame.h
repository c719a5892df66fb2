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

// Whether a frame's ranges can be shown: ends that are NaN or infinite (or not positive
// on a log axis) are not numbers to it; finite ones too large for the single-precision
// world window (ends or width beyond 3.4e38 once equal ends are widened) are too large.
enum class Ends { kOk, kNotNumbers, kTooLarge };

// Checks and converts the ranges into the frame's world (log10, widened equal ends).
Ends frame_world(const FrameRequest& request, Frame& frame);

// The panel the next frame goes into: the fresh one, else the one after the current.
int take_panel(WindowPlot& state);

// Sets up and draws a frame in the current window; the window number, or 0 (with a
// message for ranges too large).
int make_frame(const FrameRequest& request);

// The options of the frame's own box for each axis.
AxisOptions frame_axis_options(int options, bool x_axis);

}  // namespace lumora::plot
