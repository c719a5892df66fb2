// The colours and grid of a plot frame: of its box and ticks, numbers, axis labels, title
// and grid, the grid's line style and whether subticks get grid lines too; a few named
// styles; colours of its own for each label.
#pragma once

#include "layout_canvas.h"

namespace lumora::plotcore {

inline constexpr int kGridColour = rgb_colour_value(205, 205, 205);
inline constexpr int kSubtickGridStyle = 2;  // dotted, in the grid's colour

// A colour of a part that is the frame's own (of its style).
inline constexpr int kFrameColour = -1;

inline constexpr int own_or_frame(int colour, int frame_colour) {
    return colour == kFrameColour ? frame_colour : colour;
}

struct FrameStyle {
    int box = kBlack;  // colour values, as lu_set_pen takes them
    int numbers = kBlack;
    int labels = kBlack;
    int title = kBlack;
    int grid = kGridColour;
    int grid_line = 0;  // pen style 0 ... 9
    bool grid_subticks = false;
    bool operator==(const FrameStyle&) const = default;
};

// The x label, the y label and the title each in a colour of its own (a colour value) or
// in the style's (kFrameColour): lu_plot_label_colours.
struct LabelColours {
    int x = kFrameColour, y = kFrameColour, title = kFrameColour;
    bool operator==(const LabelColours&) const = default;
};

inline constexpr int kNamedStyles = 3;  // 0 classic, 1 soft, 2 technical
// The named style (0 ... kNamedStyles - 1; another number gives the classic one).
FrameStyle named_style(int n);

}  // namespace lumora::plotcore
