// The array items and the page-wide ones:
//   polygon   filled in the pen colour by its fill rule and outlined with the pen;
//   Bezier    the cubic segments through its points;
//   polyline  its points joined; a single point is a dot as wide as the pen;
//   plot      bars (filled in the item's colour, no outline), a polyline, impulses (pen
//             lines from the base line) or the item's markers at each point;
//   grid      pen lines over the whole page: vertical ones at x = 0, p, 2p, ... and
//             horizontal ones at y = 0, q, 2q, ... (a spacing of 0 draws none);
//   point     one pixel in its colour, whatever the mix mode.
#pragma once

#include "canvas.h"
#include "server/core/display_list.h"

namespace luwnd::render {

void paint_array(const DrawItem& item, std::int32_t page_width, std::int32_t page_height,
                 Canvas& canvas);

}  // namespace luwnd::render
