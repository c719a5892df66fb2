// 'B' 80: the next thing the user did to a window, for a program that waits for a click
// or a key, or looks in passing (further_commands.h).
#include <cmath>
#include <cstdio>

#include "block_text.h"
#include "client/channel/block_layout.h"
#include "core_state.h"
#include "cursor_position.h"
#include "further_commands.h"
#include "plot_relayout.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

constexpr std::int32_t kLastBandMode = 7;
constexpr std::int32_t kFirstFreeBand = 5;  // this mode and later ones need no anchor

const char* kind_word(EventKind kind) {
    static constexpr const char* kWords[] = {"none", "key", "button", "resize", "close"};
    return kWords[static_cast<int>(kind)];
}

}  // namespace

// The window's own queue first; once it is empty, the script's next item. A scripted
// resize or close happens as the user's would, and is then read like theirs.
std::optional<WindowEvent> Core::State::take_event(Window& window, int n) {
    if (auto event = window.state.events.pop()) return event;
    std::optional<WindowEvent> scripted = event_script.next();
    if (!scripted) return std::nullopt;
    if (scripted->kind == EventKind::kResize) {
        resize_window(n, scripted->x, scripted->y);
        return window.state.events.pop();
    }
    if (scripted->kind == EventKind::kClose) {
        window_closed_by_user(n);
        return window.state.events.pop();
    }
    return scripted;
}

std::int32_t Core::State::next_event(Window& window, int n, const Slots& slots, TraceLine& line) {
    const std::int32_t mode = slots.p2, waits = slots.p3;
    const double ax = layout::read_f64(window.block, layout::kResult1);
    const double ay = layout::read_f64(window.block, layout::kResult3);
    line.add("mode", mode);
    line.add("wait", waits);
    if (mode < 0 || mode > kLastBandMode || (waits != 0 && waits != 1)) return refuse("value");
    const bool anchored = mode < kFirstFreeBand && mode != 0;
    if (anchored && (!std::isfinite(ax) || !std::isfinite(ay))) return refuse("value");
    WindowState& state = window.state;
    // Laying the frames out costs a little: only where a pixel or a point needs them.
    std::optional<Frames> laid_out;
    const auto frames = [&]() -> const Frames& {
        if (!laid_out) laid_out = window_frames_now(window);
        return *laid_out;
    };
    const bool same_wait = state.cursor_wait && state.cursor_wait->mode == mode &&
                           state.cursor_wait->world_x == ax && state.cursor_wait->world_y == ay;
    if (waits == 0) {
        state.cursor_wait.reset();
    } else if (!same_wait) {
        const auto anchor =
            anchored ? cursor_pixel(frames(), window.block, state.last_event_frame, ax, ay)
                     : std::nullopt;
        state.cursor_wait = CursorWait{
            mode, anchor ? anchor->x : 0, anchor ? anchor->y : 0, anchor.has_value(), ax, ay};
    }
    const WindowEvent event = take_event(window, n).value_or(WindowEvent{});
    line.add_word("event", kind_word(event.kind));
    CursorPoint point;
    if (event.kind == EventKind::kKey || event.kind == EventKind::kButton) {
        point = cursor_point(frames(), window.block, {event.x, event.y});
        state.last_event_frame = point.frame;
    }
    // Nothing now: result2 tells whether anything can still come (a screen, or a script
    // not used up), so that a program without either need not wait for ever.
    const bool more = config.windows_stay_shown || !event_script.used_up();
    const std::int32_t key = event.kind == EventKind::kNone ? (more ? 1 : 0) : event.key;
    write_results(window.block, {static_cast<std::int32_t>(event.kind), key, event.x, event.y},
                  line);
    if (event.kind != EventKind::kNone) state.cursor_wait.reset();
    char reply[96];
    std::snprintf(reply, sizeof reply, "%.17g %.17g %u", point.x, point.y, point.frame);
    line.add_text("reply", put_reply_text(window.block, reply));
    return n;
}

Frames Core::State::window_frames_now(const Window& window) {
    if (!config.plot_extension) return {};
    const WindowState& state = window.state;
    return window_frames(state.display, state.page_width, state.page_height,
                         [this](int style) -> const lumora::plotcore::FontWidths& {
                             return font_widths.get("", style);
                         });
}

bool Core::State::reports_close(char letter, const std::uint8_t* data, std::size_t length) {
    if (letter != 'B' || length != 3 || data[2] != 0) return false;
    Window* window = windows.find(data[1] - 32);
    if (window == nullptr) return false;
    return layout::read_i32(window->block, layout::kParam1) == further::kNextEvent &&
           window->state.events.holds(EventKind::kClose);
}

}  // namespace luwnd
