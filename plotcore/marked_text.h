// Texts with markup (markup.h) on a layout canvas: each run measured in its own size and
// style and drawn as a text of its own, so that the whole stands where one text of that
// alignment would. A text without markup is measured and drawn as one text, as it is.
#pragma once

#include <optional>
#include <string>

#include "layout_canvas.h"

namespace lumora::plotcore {

struct MarkedLook {
    double height = 12;  // pixels
    double angle = 0;    // turns, counterclockwise
    int align = kLeftBase;
    int colour = kBlack;
};

// Width, height (the highest run's top to the lowest run's bottom) and ascent above the
// baseline of the text at the height, in pixels.
TextSize marked_text_size(LayoutCanvas& canvas, const std::string& text, double height);
// Draws the text at the page point as the look aligns it; with a matrix, its picture in
// place of the look's angle: its runs are placed in its own plane and the whole taken onto
// the page by the matrix.
void draw_marked_text(LayoutCanvas& canvas, double x, double y, const std::string& text,
                      const MarkedLook& look,
                      const std::optional<TextMatrix>& matrix = std::nullopt);

}  // namespace lumora::plotcore
