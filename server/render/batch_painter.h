// Plot batches ('B' 71): their items painted at full precision, in page pixels under the
// item's transform like every drawing. Strokes take their fractional widths and the five
// dash styles scaled with the width (see dash_pattern.h); a line of one point is a dot as
// wide as the stroke. Polygons are filled and outlined with their fill rule; hatched ones
// get the lines of plotcore's hatch_segments, each drawn as a line with the stroke; gradients go to
// the canvas whole. Texts are drawn in the default face with their height, angle, anchor and style.
// Markers: see marker_painter.h. A clip item keeps the items after it in the batch inside its box
// (within the window's own clip when that keeps an inside); the clip in force before the
// batch applies again after it.
#pragma once

#include "canvas.h"
#include "server/core/display_list.h"

namespace luwnd::render {

// The pen of a plot stroke.
Pen pen_of(const lumora::plotcore::Stroke& stroke);

// Paints the plot items of a kBatch item, whose transform and clip the canvas has.
void paint_batch(const DrawItem& item, Canvas& canvas);

}  // namespace luwnd::render
