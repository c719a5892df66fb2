// A frame laid out on a page: its panel, the box fitted with room for numbers and labels,
// the box drawn with its ticks and numbers, and the labels around it. What a frame is made
// of (FrameSetup) is all the layout needs, so a frame can be laid out again for another
// page size with the same result the library had.
#pragma once

#include <cstdint>
#include <string>

#include "axes.h"
#include "frame_style.h"
#include "geometry.h"
#include "layout_canvas.h"
#include "number_format.h"

namespace lumora::plotcore {

// A frame option of the library's own (beside LU_PLOT_...): room around the box for the
// numbers of a polar frame's spokes, which stand outside its outer ring.
inline constexpr int kPolarRoom = 0x100;
// LU_PLOT_ options up to LU_PLOT_ROOM_RIGHT, then LU_PLOT_ROOM_TWIN_X and _Y, then
// LU_PLOT_ROOM_LEFT, _ABOVE and _BELOW.
inline constexpr int kPublicFrameOptions = 0xFF | 0xC00 | 0xE000;

// The title's height in text heights, unless the frame's setup gives its own.
inline constexpr double kDefaultTitleSize = 1.15;

// Where a polar frame's spoke numbers stand: this many text heights beyond the outer ring.
inline constexpr double kSpokeNumberGap = 0.5;

// What a frame is made of: the caller's ranges and options (LU_PLOT_...), its panel of
// the subpage grid, the text scale, the time origin, the window's resolution against
// 96 dpi, its colours, the formats of its numbers, its labels' own colours and the title's
// size in text heights.
struct FrameSetup {
    double x1 = 0, x2 = 1, y1 = 0, y2 = 1;
    int options = 0;
    int nx = 1, ny = 1, panel = 1;
    double text_scale = 1, time_origin = 0, resolution = 1;
    FrameStyle style;
    NumberFormats formats;
    LabelColours label_colours;
    double title_size = kDefaultTitleSize;
    bool operator==(const FrameSetup&) const = default;
};

// A frame as laid out. World values are those of the world window: log10 of the data on
// a log axis, seconds after the time origin on a time axis.
struct Frame {
    bool set = false;
    FrameSetup setup;
    std::uint32_t id = 0;                    // the frame's number in its window, 0 none
    double page_width = 0, page_height = 0;  // the page it was laid out on
    Rect panel, box;                         // page pixels, y upward
    double wx1 = 0, wx2 = 1, wy1 = 0, wy2 = 1;
    bool log_x = false, log_y = false, time_x = false;
    double text_height = 12;
    // How far the numbers reach out of the box: below it, left of it and above it, in
    // pixels from the box edge (labels go beyond these).
    double x_numbers_depth = 0, y_numbers_width = 0, top_numbers_height = 0;
    double right_numbers_width = 0;  // of numbers right of the box (a twin y axis)
    // World to page pixels.
    double px(double wx) const { return box.x0 + (wx - wx1) / (wx2 - wx1) * box.width(); }
    double py(double wy) const { return box.y0 + (wy - wy1) / (wy2 - wy1) * box.height(); }
};

// Whether a frame's ranges can be shown: ends that are NaN or infinite (or not positive
// on a log axis) are not numbers to it; finite ones too large for the single-precision
// world window (ends or width beyond 3.4e38 once equal ends are widened) are too large.
enum class Ends { kOk, kNotNumbers, kTooLarge };

// Checks and converts the ranges into the frame's world (log10, widened equal ends).
Ends frame_world(const FrameSetup& setup, Frame& frame);
// The same for one axis from a to b: its world ends lo, hi.
Ends axis_world(double a, double b, bool log, double& lo, double& hi);

// The options of the frame's own box for each axis.
AxisOptions frame_axis_options(int options, bool x_axis);

// Lays out a frame whose world frame_world accepted on a page of the size: fits the box
// into its panel and draws it (unless LU_PLOT_NO_BOX). The pen and text look are the
// canvas's afterwards.
Frame lay_out_frame(LayoutCanvas& canvas, const FrameSetup& setup, double page_width,
                    double page_height);

// The axis labels and the title around the frame's box; empty texts are left out.
struct Labels {
    std::string x, y, title;
    bool operator==(const Labels&) const = default;
};
void draw_labels(LayoutCanvas& canvas, const Frame& frame, const Labels& labels);

// Where a colour bar's gap counts from on a side of the frame's box (kSide...), in pixels
// beyond the box's edge: right of the box and above it, from the edge itself; left of it
// and below it, from beyond the numbers and the axis label there (whether the label is
// drawn or not), so that a bar there stands clear of both.
double bar_clearance(const Frame& frame, int side);
// The strip of a colour bar on a side of the frame's box: gap beyond bar_clearance and
// width across, both in normalized units of unit pixels (see beside).
Rect bar_strip(const Frame& frame, int side, double gap, double width, double unit);

}  // namespace lumora::plotcore
