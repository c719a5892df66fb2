// One exchange of 'B' 80 with the window process: the next thing the user did to a
// window, with the point under the cursor in the plot there.
#pragma once

#include <cstdint>
#include <optional>

namespace lumora::plot {

struct CursorEvent {
    int kind = 0;                  // LU_EVENT_...
    int key = 0;                   // the character code or LU_BUTTON_...
    bool more = false;             // for LU_EVENT_NONE: whether anything can still come
    double x = 0, y = 0;           // the point in the plot under the cursor
    int pixel_x = 0, pixel_y = 0;  // the pixel; for a resize, the width and height
};

// Asks window n for its next event; waits = the program waits for a click or a key, the
// screen showing the band (mode, anchor) meanwhile. nullopt when the window process did
// not answer (the window is not open, or the process takes no such command).
std::optional<CursorEvent> next_cursor_event(int window, int mode, double xref, double yref,
                                             bool waits);

}  // namespace lumora::plot
