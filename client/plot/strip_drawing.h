// Drawing strip charts: the whole chart, each part in a layer of its own (the frame with
// its labels and legend; each pen's line), or a pen's newest segment added to its line.
#pragma once

#include "frame.h"
#include "strip_chart.h"

namespace lumora::plot {

// Makes the chart's first frame from the request in the next panel of the current window
// (the chart's), with its labels; the window number, or 0 with a message.
int draw_first_frame(int handle, StripChart& chart, const FrameRequest& request);

// Draws the whole chart as its ranges and pens say, in one buffered frame. False when
// refused (with a message).
bool draw_strip(int handle, StripChart& chart);

// Adds the segment to the pen's newest point to its line (the whole line is drawn again
// after many such, so that the window holds few pieces of it).
bool draw_newest(int handle, StripChart& chart, int pen);

// True when the window's page has changed size since the chart was drawn.
bool page_changed(const StripChart& chart);

}  // namespace lumora::plot
