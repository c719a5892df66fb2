// Laying a window's plots out again for a new page size: every part of a plot batch that
// says what it was laid out from (a frame, its box, its labels) is laid out anew with the
// library's layout, items placed in a frame's world move with the frame's box, and items
// kept on the page as they are stay where they are.
#pragma once

#include "colour_table.h"
#include "display_list.h"
#include "plotcore/font_widths.h"

namespace luwnd {

// Returns how many batches changed. A batch whose new items would not fit keeps its old.
std::size_t relayout_plots(DisplayList& display, double page_width, double page_height,
                           const lumora::plotcore::FontWidths& widths, const ColourTable& colours);

}  // namespace luwnd
