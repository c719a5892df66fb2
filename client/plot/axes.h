// The box of a frame with its ticks, subticks, grid and numbers, drawn in the page world.
#pragma once

#include <string>

#include "plot_state.h"
#include "ticks.h"

namespace lumora::plot {

struct AxisOptions {
    bool low = false, high = false;                                 // b, c: the edges
    bool ticks = false, subticks = false, grid = false;             // t, s, g
    bool numbers_low = false, numbers_high = false;                 // n, m
    bool log = false, time = false, zero = false, outward = false;  // l, d, a, o
    double step = 0;
    int subdivisions = 0;
};
// Letters as lu_plot_box takes them; others are ignored.
AxisOptions parse_axis_options(const char* letters, double step, int subdivisions);

// The ticks of the frame's x axis (x_axis) or y axis as the options ask for them,
// measured with the layer's number font.
Ticks axis_ticks(const Frame& frame, bool x_axis, const AxisOptions& options, double time_origin);

// Draws the box and records in the frame how far its numbers reach out.
void draw_box(Frame& frame, const AxisOptions& x, const AxisOptions& y, double time_origin);

}  // namespace lumora::plot
