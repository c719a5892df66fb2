// The plot block of a window, beside its window block, and the batches that travel
// through it. A window process that does not know plot batches answers the request for
// the block with 0; the plotting layer then draws through the window commands as before.
#pragma once

#include <cstdint>

#include "plotcore/batch_writer.h"
#include "plotcore/font_widths.h"
#include "plotcore/item_canvas.h"

namespace lumora::plot {

// True when the window takes plot batches; the block is asked for once per window.
bool plot_lane_open(int window);

// Sends the batch (at most plotcore::kPlotBlockSize bytes) to the window as element
// `element` (0: none), continued after the element's earlier batch of this call or not.
// The number of items drawn; 0 when the window process refused the batch.
int send_plot_batch(int window, const plotcore::Bytes& batch, std::int32_t element, bool continued);

// The widths of the default face in the style (1 bold, 2 italic) as the window measures
// them, asked once per window and style; the estimate when the window cannot say.
const plotcore::FontWidths& plot_font_widths(int window, int style);
// The same as the layout's canvas takes them: each style asked when it is first measured.
plotcore::StyleWidths plot_style_widths(int window);

// Lets the window's plot block go (its window is closed), or every window's for 0.
void forget_plot_lane(int window);

}  // namespace lumora::plot
