// The legend: where its box and rows go in a corner of the frame's box, and drawing it.
#pragma once

#include <vector>

#include "plot_state.h"
#include "plotcore/geometry.h"

namespace lumora::plot {

struct LegendLayout {
    Rect frame;                           // the legend's own box, page pixels
    std::vector<double> rows;             // the centre line of each entry
    double sample_x0 = 0, sample_x1 = 0;  // the line sample; the marker in its middle
    double text_x = 0;                    // where each text starts
};

// Entries of the text widths (pixels) in corner 1 ... 4 (upper right, upper left, lower
// left, lower right; others: 1) of the box, for a text height h.
LegendLayout layout_legend(const Rect& box, int corner, const std::vector<double>& text_widths,
                           double h);

// Draws the entries in the page world.
void draw_legend(const Frame& frame, int corner, const std::vector<LegendEntry>& entries);

}  // namespace lumora::plot
