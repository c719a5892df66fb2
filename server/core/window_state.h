// Everything the window process keeps for one window besides its block: the applied
// attributes, colours, settings, dialogs shown and the display list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "colour_table.h"
#include "display_list.h"
#include "drawing_attributes.h"
#include "frame_views.h"
#include "window_events.h"

namespace luwnd {

struct WindowState {
    // Messages kept per window; more are answered but not kept.
    static constexpr std::size_t kMaxMessages = 1024;
    // Buffered frames nest at most this deep; a begin beyond is refused.
    static constexpr std::int32_t kMaxFrameDepth = 1024;

    std::int32_t page_width = 1, page_height = 1;
    // Screen position asked for by the open command, else the process's position for new
    // windows (/p); 0, 0: the system's choice.
    std::int32_t x = 0, y = 0;
    ColourTable colours;
    PenState pen;
    MarkerState marker;
    FontState text_font, symbol_font;
    Transform transform;
    RectangleMode rectangle;
    Position position;
    std::int32_t g_code = -1;       // last 'G' code 0 .. 14, -1 none
    std::int32_t g_open_code = -1;  // last 'G' code 15 .. 25 minus 15, -1 none
    std::int32_t b16_value = 0;     // last 'B' 16 value 1 .. 8, 0 none
    std::vector<std::string> messages;
    std::int32_t message_count = 0;
    std::int32_t question_count = 0;
    DisplayList display;
    // Set by the further window commands (further_commands.h).
    std::string title;                          // the open command's title, or 'B' 12's text
    bool shown = true;                          // 'B' 6
    bool on_top = false;                        // 'B' 29
    std::int32_t picture_format = -1;           // 'B' 34: 0 none, 1 PNG, 2 SVG, 3 PDF; -1 not asked
    std::optional<std::int32_t> background;     // 'B' 23: a colour value; none: white
    std::optional<std::int32_t> marker_colour;  // 'A' 18: a colour value; none: the pen's
    std::uint8_t alpha = 255;                   // 'B' 44: the opacity of what is drawn next
    std::uint8_t compose = 0;                   // 'B' 47: the compositing of what is drawn next
    // 'B' 72: buffered frames begun and not yet ended. While above 0 the screen keeps what
    // it showed; files are written from the display list as it is.
    std::int32_t frame_depth = 0;
    // The ranges the user zoomed or panned the window's plot frames to on screen.
    FrameViews plot_views;
    // 'B' 80: what the user did, not yet read; the program waiting for it, if one is; the
    // frame its last point was read in (0: the window's world), where a band's anchor lies.
    EventQueue events;
    std::optional<CursorWait> cursor_wait;
    std::uint32_t last_event_frame = 0;
};

}  // namespace luwnd
