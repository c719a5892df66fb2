// 'B' 80: the next thing the user did to a window, for a program that waits for a click
// or a key, or looks in passing (further_commands.h).
#include <cmath>
#include <cstdio>
#include <functional>
#include <utility>

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

bool anchored(std::int32_t mode) {
    return mode < kFirstFreeBand && mode != 0;
}

// Frames laid out only once something needs them: laying out costs a little, and most
// asks (a look that finds nothing, a wait that goes on) need none.
class LazyFrames {
  public:
    explicit LazyFrames(std::function<Frames()> make) : make_(std::move(make)) {}
    const Frames& get() {
        if (!frames_) frames_ = make_();
        return *frames_;
    }

  private:
    std::function<Frames()> make_;
    std::optional<Frames> frames_;
};

// The result words and the reply text of an answer.
void write_answer(std::uint8_t* block, const WindowEvent& event, bool more,
                  const CursorPoint& point, TraceLine& line) {
    const std::int32_t key = event.kind == EventKind::kNone ? (more ? 1 : 0) : event.key;
    write_results(block, {static_cast<std::int32_t>(event.kind), key, event.x, event.y}, line);
    char reply[96];
    std::snprintf(reply, sizeof reply, "%.17g %.17g %u", point.x, point.y, point.frame);
    line.add_text("reply", put_reply_text(block, reply));
}

// A program that waits pulls its band from the anchor's pixel, worked out when the anchor
// is new; one that looks in passing waits no more.
void follow_wait(Window& window, std::int32_t mode, bool waits, double ax, double ay,
                 LazyFrames& frames) {
    std::optional<CursorWait>& wait = window.state.cursor_wait;
    if (!waits) {
        wait.reset();
        return;
    }
    if (wait && wait->mode == mode && wait->world_x == ax && wait->world_y == ay) return;
    const std::optional<Pixel> anchor =
        anchored(mode)
            ? cursor_pixel(frames.get(), window.block, window.state.last_event_frame, ax, ay)
            : std::nullopt;
    wait = CursorWait{mode, anchor ? anchor->x : 0, anchor ? anchor->y : 0, anchor.has_value(), ax,
                      ay};
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
    if (anchored(mode) && (!std::isfinite(ax) || !std::isfinite(ay))) return refuse("value");
    LazyFrames frames([&] { return window_frames_now(window); });
    follow_wait(window, mode, waits == 1, ax, ay, frames);
    const WindowEvent event = take_event(window, n).value_or(WindowEvent{});
    line.add_word("event", kind_word(event.kind));
    CursorPoint point;
    if (event.kind == EventKind::kKey || event.kind == EventKind::kButton) {
        point = cursor_point(frames.get(), window.block, {event.x, event.y});
        window.state.last_event_frame = point.frame;
    }
    if (event.kind != EventKind::kNone) window.state.cursor_wait.reset();
    // Nothing now: result2 tells whether anything can still come (a screen, or a script
    // not used up), so that a program without either need not wait for ever.
    const bool more = config.windows_stay_shown || !event_script.used_up();
    write_answer(window.block, event, more, point, line);
    return n;
}

Frames Core::State::window_frames_now(const Window& window) {
    if (!config.plot_extension) return {};
    const WindowState& state = window.state;
    return window_frames(state.display, state.page_width, state.page_height, style_widths(),
                         state.plot_views);
}

bool Core::State::reports_close(char letter, const std::uint8_t* data, std::size_t length) {
    if (letter != 'B' || length != 3 || data[2] != 0) return false;
    Window* window = windows.find(data[1] - 32);
    if (window == nullptr) return false;
    return layout::read_i32(window->block, layout::kParam1) == further::kNextEvent &&
           window->state.events.holds(EventKind::kClose);
}

}  // namespace luwnd
