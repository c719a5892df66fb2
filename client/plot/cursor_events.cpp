#include "cursor_events.h"

#include <cstdlib>
#include <cstring>

#include "client/channel/block_layout.h"
#include "client/channel/client_state.h"
#include "client/channel/primitives.h"

namespace lumora::plot {

namespace {

constexpr std::int32_t kNextEvent = 80;

// The reply text "x y frame", read bounded: the area is untrusted.
void read_point(const std::uint8_t* block, CursorEvent& event) {
    char text[layout::kTextSize];
    const char* area = reinterpret_cast<const char*>(block + layout::kText);
    const std::size_t n = strnlen(area, layout::kTextSize - 1);
    std::memcpy(text, area, n);
    text[n] = '\0';
    char* end = nullptr;
    event.x = std::strtod(text, &end);
    event.y = std::strtod(end, nullptr);
}

}  // namespace

std::optional<CursorEvent> next_cursor_event(int window, int mode, double xref, double yref,
                                             bool waits) {
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return std::nullopt;
    layout::write_f64(block, layout::kResult1, xref);
    layout::write_f64(block, layout::kResult3, yref);
    const std::int32_t answer = command_with_3int(window, 'B', kNextEvent, mode, waits ? 1 : 0);
    block = window_block(window);  // the answer may have ended the connection
    if (answer == 0 || block == nullptr) return std::nullopt;
    CursorEvent event;
    event.kind = layout::read_i32(block, layout::kResult1);
    event.key = layout::read_i32(block, layout::kResult2);
    event.pixel_x = layout::read_i32(block, layout::kResult3);
    event.pixel_y = layout::read_i32(block, layout::kResult4);
    if (event.kind == 0) {
        event.more = event.key != 0;
        event.key = 0;
    }
    read_point(block, event);
    return event;
}

}  // namespace lumora::plot
