// Making a frame: the panel, the box fitted with room for numbers and labels, the box
// drawn, the world left on the frame.
#pragma once

#include <string>

#include "page_draw.h"
#include "plot_state.h"

namespace lumora::plot {

struct FrameRequest {
    double x1 = 0, x2 = 1, y1 = 0, y2 = 1;  // as the caller gave them
    int options = 0;                        // LU_PLOT_...
};

// The panel the next frame goes into: the fresh one, else the one after the current.
int take_panel(WindowPlot& state);

// Sets up and draws a frame in the current window; the window number, or 0 (with a
// message for ranges too large).
int make_frame(const FrameRequest& request);
// Draws a frame made before again, as its setup says (its panel, style and text scale),
// with ranges and options changed where the setup changes them: a strip chart that
// moves on. The window number, or 0 with a message.
int remake_frame(const FrameSetup& setup);

// Why an axis's range cannot be shown (axis names it in the message); empty when it can.
std::string axis_problem(const char* axis, double a, double b, bool log);

// Lays the window's frame out again, as the window process does, when the page has
// changed size since it was laid out: later drawing then lands in the frame as shown.
void follow_page(WindowPlot& state, const Page& page);

}  // namespace lumora::plot
