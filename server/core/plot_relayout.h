// Laying a window's plots out again for a new page size: every part of a plot batch that
// says what it was laid out from (a frame, its box, its labels) is laid out anew with the
// library's layout, items placed in a frame's world move with the frame's box, and items
// kept on the page as they are stay where they are.
#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "colour_table.h"
#include "display_list.h"
#include "frame_views.h"
#include "plotcore/font_widths.h"
#include "plotcore/frame_layout.h"
#include "plotcore/item_canvas.h"

namespace luwnd {

struct Relaid {
    std::size_t batches = 0;  // how many batches changed
    // Each frame as it was laid out before and as it is now.
    std::vector<std::pair<lumora::plotcore::Frame, lumora::plotcore::Frame>> frames;
};

// The item's colours as packed RGB: colour values (flagged) as the window's colour table
// resolves them now, black where one names no colour.
void resolve_colours(lumora::plotcore::Item& item, const ColourTable& colours);

// A batch whose new items would not fit keeps its old. Frames are laid out for the ranges
// in views: their boxes get ticks and numbers for them, and the items placed in their
// world move with it, clipped to the box.
Relaid relayout_plots(DisplayList& display, double page_width, double page_height,
                      const lumora::plotcore::StyleWidths& widths, const ColourTable& colours,
                      const FrameViews& views = {});

// The frames of the window's plots as laid out on its page now, in the order drawn, each
// for the ranges it shows (views), with its number.
std::vector<lumora::plotcore::Frame> window_frames(const DisplayList& display, double page_width,
                                                   double page_height,
                                                   const lumora::plotcore::StyleWidths& widths,
                                                   const FrameViews& views);

// The numbers of the frames the window's plots hold.
std::set<std::uint32_t> frame_numbers(const DisplayList& display);

}  // namespace luwnd
