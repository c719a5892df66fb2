// The box of a frame with its ticks, subticks, grid and numbers, laid out on the page.
#pragma once

#include <string>

#include "layout_canvas.h"
#include "ticks.h"

namespace lumora::plotcore {

struct Frame;

struct AxisOptions {
    bool low = false, high = false;                                 // b, c: the edges
    bool ticks = false, subticks = false, grid = false;             // t, s, g
    bool numbers_low = false, numbers_high = false;                 // n, m
    bool log = false, time = false, zero = false, outward = false;  // l, d, a, o
    bool fixed = false;  // f: a log axis numbered 0.01, 0.1, 1, 10 instead of powers
    double step = 0;
    int subdivisions = 0;
    bool operator==(const AxisOptions&) const = default;
};
// Letters as lu_plot_box takes them; others are ignored.
AxisOptions parse_axis_options(const char* letters, double step, int subdivisions);

// The width of tick label i as drawn at text height h: plain, or 10 with an exponent.
double tick_label_width(LayoutCanvas& canvas, const Ticks& ticks, std::size_t i, double h);

// The common factor "×10" with the ticks' exponent, written once beside an axis's numbers.
PowerText tick_exponent_label(const Ticks& ticks, double h);

// The ticks of the frame's x axis (x_axis) or y axis as the options ask for them,
// measured with the numbers' text look.
Ticks axis_ticks(LayoutCanvas& canvas, const Frame& frame, bool x_axis, const AxisOptions& options,
                 double time_origin);

// Draws the box and records in the frame how far its numbers reach out.
void draw_box(LayoutCanvas& canvas, Frame& frame, const AxisOptions& x, const AxisOptions& y,
              double time_origin);

}  // namespace lumora::plotcore
