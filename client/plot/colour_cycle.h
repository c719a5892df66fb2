// The default colours of successive data sets.
#pragma once

namespace lumora::plot {

// Colour i of the default cycle (any integer, taken modulo its length) as an RGB colour
// value.
int cycle_colour(int i);
constexpr int kCycleLength = 8;
// At most this many colours in a window's own cycle.
constexpr int kMaxCycleColours = 64;

struct WindowPlot;
// Colour i of the window's cycle: its own (lu_plot_colour_cycle), else the default.
int cycle_colour(const WindowPlot& s, int i);

}  // namespace lumora::plot
