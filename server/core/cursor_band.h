// The lines of the rubber band a waiting program's cursor pulls on screen (CursorWait's
// mode, from its anchor to the cursor), in window pixels, for each screen to draw over
// the picture: none, a line from the anchor, a rectangle, two horizontal lines (through
// the anchor and the cursor), two vertical lines, a horizontal line through the cursor,
// a vertical line, a cross-hair. Lines across the window span width x height. A mode that
// needs an anchor without one draws nothing.
#pragma once

#include <vector>

#include "cursor_position.h"
#include "window_events.h"

namespace luwnd {

struct BandLine {
    Pixel from, to;
    bool operator==(const BandLine&) const = default;
};

std::vector<BandLine> band_lines(const CursorWait& wait, Pixel cursor, std::int32_t width,
                                 std::int32_t height);

}  // namespace luwnd
