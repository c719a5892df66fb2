// What the plotting layer remembers per window: the subpage grid and current panel, the
// current frame, the legend being gathered, the colour cycle's position, the text scale
// and the time origin.
#pragma once

#include <string>
#include <vector>

#include "geometry.h"

namespace lumora::plot {

struct LegendEntry {
    std::string text;
    int colour = 0;       // a colour value
    int line_style = -1;  // pen style, -1 none
    int marker = 0;       // as lu_plot_points takes it, 0 none
};

// The current frame. World values are those of the world window: log10 of the data on
// a log axis, seconds after the time origin on a time axis.
struct Frame {
    bool set = false;
    Rect panel, box;  // page pixels, y upward
    double wx1 = 0, wx2 = 1, wy1 = 0, wy2 = 1;
    bool log_x = false, log_y = false, time_x = false;
    double text_height = 12;
    // How far the numbers reach out of the box: below it and left of it, in pixels from
    // the box edge (labels go beyond these).
    double x_numbers_depth = 0, y_numbers_width = 0;
    // World to page pixels.
    double px(double wx) const { return box.x0 + (wx - wx1) / (wx2 - wx1) * box.width(); }
    double py(double wy) const { return box.y0 + (wy - wy1) / (wy2 - wy1) * box.height(); }
};

struct WindowPlot {
    int nx = 1, ny = 1;
    int panel = 0;             // 0: none yet
    bool panel_fresh = false;  // chosen by lu_plot_advance, not yet framed
    Frame frame;
    std::vector<LegendEntry> legend;
    int next_colour = 0;
    double text_scale = 1;
    double time_origin = 0;
    double resolution = 0;  // dots per inch / 96 of the window, 0 until asked
    // The layer the plotting calls draw into (0 none), and whether it holds drawing sent
    // since it was chosen: later batches then add to it instead of replacing it.
    int layer = 0;
    bool layer_drawn = false;
};

// The state of window 1 ... 63 (any other number: a spare that nothing keeps).
WindowPlot& plot_state(int window);
// Forgets everything, for a new run and for the tests.
void reset_plot_state();

}  // namespace lumora::plot
