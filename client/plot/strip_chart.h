// Strip charts: what each one keeps (its window, ranges, pens and their recent points)
// and how a new point moves its ranges. Drawing is strip_drawing's.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "plot_state.h"

namespace lumora::plot {

inline constexpr int kMaxStripCharts = 64;  // at once, in the whole program
inline constexpr int kMaxStripPens = 8;
// A pen keeps its points from the one before the left end of the x range on, and at
// most this many: the oldest go first.
inline constexpr std::size_t kMaxStripPoints = 65536;

struct StripPoint {
    float x = 0, y = 0;
};

struct StripPen {
    int colour = 0, line_style = 0;
    std::string legend;
    std::deque<StripPoint> points;
    // Segments added to its layer one by one since its whole line was last drawn there.
    std::size_t appended = 0;
};

struct StripRanges {
    double x_min = 0, width = 1, y1 = 0, y2 = 1;
    double x_max() const { return x_min + width; }
};

struct StripChart {
    int window = 0;
    int options = 0;  // LU_PLOT_STRIP_ and the frame's
    StripRanges ranges;
    std::string x_label, y_label, title;
    FrameSetup setup;  // of its first frame: panel, style, text scale, time origin
    Frame frame;       // as last drawn
    std::vector<StripPen> pens;
    int legend_corner = 2;  // as lu_plot_legend takes it: inside at the upper left
    bool has_legend() const;
};

// Keeps a new chart; its handle (> 0), or 0 when kMaxStripCharts exist.
int keep_strip_chart(StripChart chart);
// The chart of the handle; nullptr when there is none.
StripChart* strip_chart(int handle);
void forget_strip_chart(int handle);
// Forgets the charts of a window (closed), or every chart for 0.
void forget_strip_charts(int window);

// Layer k of the chart (0 its frame, labels and legend; 1 ... 8 its pens' lines). The
// charts keep to the top of the layer range, above kFirstStripLayer.
inline constexpr int kFirstStripLayer = 0x3FF00000;
int strip_layer(int handle, int k);

// Moves the ranges so that they show the point: on x by halves of the width until it
// lies inside, or with LU_PLOT_STRIP_SCROLL so that it stands at the right end, or with
// LU_PLOT_STRIP_ACCUMULATE by widening the range 30 % at a time from its left end; with
// LU_PLOT_STRIP_AUTO_Y the y range grows past it by a tenth of its height. True when
// they moved.
bool fit_point(StripRanges& ranges, int options, double x, double y);

// Adds a point to the pen and lets go of what the range no longer shows.
void keep_point(StripPen& pen, StripPoint p, double x_min);
// Lets go of the points left of x_min, all but the last of them: the line comes in
// from the left edge.
void drop_hidden(StripPen& pen, double x_min);

}  // namespace lumora::plot
