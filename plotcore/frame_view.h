// What part of a frame's ranges a window shows when the user zooms or pans it: new data
// ranges for the frame, worked out in its world (log10 of the data on a log axis), so that
// the frame can be laid out again for them with its ticks and numbers chosen anew.
#pragma once

#include <optional>
#include <string>

#include "frame_layout.h"
#include "geometry.h"

namespace lumora::plotcore {

// A frame's data ranges, as FrameSetup's x1, x2, y1, y2 (in the frame's own order).
struct Ranges {
    double x1 = 0, x2 = 1, y1 = 0, y2 = 1;
    bool operator==(const Ranges&) const = default;
};

Ranges ranges_of(const FrameSetup& setup);
// The setup with its ranges replaced.
FrameSetup with_ranges(FrameSetup setup, const Ranges& r);

// The ranges when the frame f (as laid out) is zoomed by factor (> 1 in, < 1 out) about
// the page point (x, y) (pixels, y upward): the world point there stays where it is.
// Nothing when the result would not be a range the frame can show (a span too small to
// number, or ends beyond what its world can hold).
std::optional<Ranges> zoom_about(const Frame& f, double x, double y, double factor);
// The ranges when the frame's contents are dragged by (dx, dy) page pixels (y upward).
std::optional<Ranges> pan_by(const Frame& f, double dx, double dy);
// The ranges of the world under the page rectangle r (pixels, y upward).
std::optional<Ranges> zoom_to(const Frame& f, const Rect& r);

// What the frame shows at the page point (x, y): "x = 2.51  y = 0.731", each value in as
// many digits as tell one pixel from the next (a log axis's values as such; a time axis's
// as a date and time in its time format, or ISO's when it has none).
std::string point_readout(const Frame& f, double x, double y);

}  // namespace lumora::plotcore
