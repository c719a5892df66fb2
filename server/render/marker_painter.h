// Markers, drawn in the item's colour (the marker colour of 'A' 18, else the pen colour)
// with the pen's mix mode, centred on their point and size pixels across (an odd size;
// an even one is drawn one pixel larger):
//   0 dot (a filled circle; size 0 or 1 a single pixel), 1 plus, 2 asterisk (plus and
//   cross), 3 circle, 4 diagonal cross, 5 square, 6 triangle pointing up.
// A nonzero fourth marker value fills circles, squares and triangles; the fifth is the
// line width (0 one pixel, at most 64). Other types draw nothing.
//
// Markers of plot batches take the same shapes centred exactly on their point: size
// pixels across (fractions too), their lines line_width wide, circles, squares and
// triangles filled when asked, the dot always.
#pragma once

#include "canvas.h"
#include "server/core/display_list.h"

namespace luwnd::render {

// The marker of the item's marker attributes at the point.
void paint_marker(const DrawItem& item, Point at, Canvas& canvas);
// A marker item: at its point 0.
void paint_marker(const DrawItem& item, Canvas& canvas);
// A marker of a plot batch at the point.
void paint_plot_marker(const lumora::plotcore::MarkerShape& marker, Point at, Canvas& canvas);

}  // namespace luwnd::render
