// The legend: where its box and rows go in a corner of the frame's box, and drawing it.
#pragma once

#include <string>
#include <vector>

#include "frame_layout.h"
#include "geometry.h"
#include "layout_canvas.h"

namespace lumora::plotcore {

struct LegendEntry {
    std::string text;
    int colour = 0;       // a colour value
    int line_style = -1;  // pen style, -1 none
    int marker = 0;       // as lu_plot_points takes it, 0 none
    bool operator==(const LegendEntry&) const = default;
};

struct LegendLayout {
    Rect frame;                           // the legend's own box, page pixels
    std::vector<double> rows;             // the centre line of each entry
    double sample_x0 = 0, sample_x1 = 0;  // the line sample; the marker in its middle
    double text_x = 0;                    // where each text starts
};

// Where a legend goes: inside the box in a corner (1 upper right, 2 upper left, 3 lower
// left, 4 lower right) or at the middle of an edge (5 top, 6 left, 7 bottom, 8 right),
// or outside it on the right (9 at its top, 10 at its middle, 11 at its bottom).
inline constexpr int kLegendPlaces = 11;

// Entries of the text widths (pixels) at a place 1 ... kLegendPlaces (others: 1) of the
// box, for a text height h.
LegendLayout layout_legend(const Rect& box, int corner, const std::vector<double>& text_widths,
                           double h);

// Draws the entries on the page.
void draw_legend(LayoutCanvas& canvas, const Frame& frame, int corner,
                 const std::vector<LegendEntry>& entries);

}  // namespace lumora::plotcore
