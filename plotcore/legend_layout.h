// The legend: where its box and entries go, inside the frame's box or outside it, in one
// column or several, and drawing it.
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
    bool swatch = false;  // a box filled with the colour instead of a line and marker
    int text_colour = kBlack;
    Hatch hatch = {};  // of a swatch: hatched with lines of the colour instead (none: filled)
    bool operator==(const LegendEntry&) const = default;
};

// A position, a sum of a side (right, left or neither: centred across), an edge (top,
// bottom or neither: centred up and down) and kLegendOutside. Inside the box: a corner or
// the middle of an edge. Outside: beside the box on the right or left, level with its
// top, middle or bottom, or above or below it, centred; beyond its numbers and labels.
inline constexpr int kLegendRight = 1, kLegendLeft = 2, kLegendTop = 4, kLegendBottom = 8,
                     kLegendOutside = 16;
// Whether a position is one of the sixteen.
bool valid_legend_position(int position);

// The places of lu_plot_legend: inside the box in a corner (1 upper right, 2 upper left,
// 3 lower left, 4 lower right) or at the middle of an edge (5 top, 6 left, 7 bottom, 8
// right), or outside it on the right (9 at its top, 10 at its middle, 11 at its bottom).
inline constexpr int kLegendPlaces = 11;
// The position of a place 1 ... kLegendPlaces (others: the upper right corner).
int position_of_place(int place);

struct LegendPlacement {
    int position = kLegendTop | kLegendRight;
    double dx = 0, dy = 0;  // an offset in text heights, to the right and up
    int columns = 1;        // entries fill the rows from the left
    int background = rgb_colour_value(255, 255, 255);  // with an outline; -1 neither
    int background_alpha = 255;  // the background's opacity 0 ... 255; the outline's is whole
    bool operator==(const LegendPlacement&) const = default;
};

// How far the frame's numbers and labels reach out of the box on each side (pixels): an
// outside legend stands beyond them.
struct LegendClearance {
    double left = 0, right = 0, top = 0, bottom = 0;
};

// Where one entry goes: the centre line of its row, its sample, its text.
struct LegendSlot {
    double y = 0, sample_x0 = 0, sample_x1 = 0, text_x = 0;
};

struct LegendLayout {
    Rect frame;  // the legend's own box, page pixels
    std::vector<LegendSlot> slots;
};

// Entries of the text widths (pixels) placed by p around the box, for a text height h;
// kept within bounds where the legend fits in them (an empty Rect: no bounds).
LegendLayout layout_legend(const Rect& box, const LegendPlacement& p,
                           const std::vector<double>& text_widths, double h,
                           const LegendClearance& clear = {}, const Rect& bounds = {});

// Draws the entries on the page at a place (1 ... kLegendPlaces), or placed.
void draw_legend(LayoutCanvas& canvas, const Frame& frame, int place,
                 const std::vector<LegendEntry>& entries);
void draw_legend(LayoutCanvas& canvas, const Frame& frame, const LegendPlacement& placement,
                 const std::vector<LegendEntry>& entries);

}  // namespace lumora::plotcore
