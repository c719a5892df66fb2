// What the user does to a window on screen: resizing it and closing it.
#include <algorithm>

#include "client/channel/block_layout.h"
#include "core_state.h"
#include "drawing_state.h"
#include "plot_relayout.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

// The world window keeps its place on the page: the scales grow with the unit.
void rescale(std::uint8_t* block, std::int32_t old_unit, std::int32_t new_unit) {
    if (old_unit <= 0) return;
    const float factor = static_cast<float>(new_unit) / static_cast<float>(old_unit);
    for (std::size_t offset : {layout::kXScale, layout::kYScale}) {
        layout::write_f32(block, offset, layout::read_f32(block, offset) * factor);
    }
}

// Moves the drawing-state words (the current ones or a saved view's) to the window's new
// page: the page words, the unit and the origin follow, the world keeps its place.
void follow_page(const WindowState& state, std::uint8_t* words) {
    const std::int32_t old_unit = layout::read_i32(words, layout::kUnitLength);
    if (layout::read_i32(words, layout::kPixelMode) == 0) {
        // Normalized units: the unit is the shorter side, as for a new window.
        write_page_words(state, words);
        rescale(words, old_unit, layout::read_i32(words, layout::kUnitLength));
    } else {
        // World units are pixels: only the page grows, the scales stay.
        layout::write_i32(words, layout::kPageWidth, state.page_width);
        layout::write_i32(words, layout::kPageHeight, state.page_height);
    }
    update_origin(words);
}

// The viewport and world words of a window block.
struct ViewWords {
    float view[4], world[4];
    bool operator==(const ViewWords&) const = default;
};
ViewWords view_words(const std::uint8_t* words) {
    ViewWords v{};
    for (std::size_t i = 0; i < 4; ++i) {
        v.view[i] = layout::read_f32(words, layout::kViewX1 + 4 * i);
        v.world[i] = layout::read_f32(words, layout::kWorldX1 + 4 * i);
    }
    return v;
}

// The view a plot frame leaves on the page: its box in units of the page's shorter side.
ViewWords frame_view(const lumora::plotcore::Frame& f) {
    const double u = std::min(f.page_width, f.page_height);
    return {{static_cast<float>(f.box.x0 / u), static_cast<float>(f.box.y0 / u),
             static_cast<float>(f.box.x1 / u), static_cast<float>(f.box.y1 / u)},
            {static_cast<float>(f.wx1), static_cast<float>(f.wy1), static_cast<float>(f.wx2),
             static_cast<float>(f.wy2)}};
}

// A view that was a plot frame's before the resize goes to where the frame is laid out
// now, so that drawing in the frame's world lands in the frame as shown.
void follow_frames(std::uint8_t* words, const ViewWords& before, const Relaid& relaid) {
    if (layout::read_i32(words, layout::kPixelMode) != 0) return;
    for (const auto& [old, now] : relaid.frames) {
        if (!(frame_view(old) == before)) continue;
        const ViewWords v = frame_view(now);
        const auto unit = static_cast<float>(layout::read_i32(words, layout::kUnitLength));
        for (std::size_t i = 0; i < 4; ++i) {
            layout::write_f32(words, layout::kViewX1 + 4 * i, v.view[i]);
        }
        layout::write_f32(words, layout::kXScale,
                          (v.view[2] - v.view[0]) * unit / (v.world[2] - v.world[0]));
        layout::write_f32(words, layout::kYScale,
                          (v.view[3] - v.view[1]) * unit / (v.world[3] - v.world[1]));
        update_origin(words);
        return;
    }
}

}  // namespace

bool Core::resize_window(int window, std::int32_t width, std::int32_t height) {
    return state_->resize_window(window, width, height);
}

bool Core::window_closed_by_user(int window) {
    return state_->window_closed_by_user(window);
}

void Core::window_event(int window, const WindowEvent& event) {
    Window* found = state_->windows.find(window);
    if (found == nullptr) return;
    found->state.events.push(event);
    if (!state_->trace.enabled()) return;
    TraceLine line;
    line.add_word("event", event.kind == EventKind::kKey ? "key" : "button");
    line.add("win", window);
    line.add("key", event.key);
    line.add("x", event.x);
    line.add("y", event.y);
    state_->trace.write(line);
}

std::optional<CursorWait> Core::cursor_wait(int window) const {
    Window* found = state_->windows.find(window);
    return found == nullptr ? std::nullopt : found->state.cursor_wait;
}

bool Core::State::resize_window(int window, std::int32_t width, std::int32_t height) {
    State& s = *this;
    Window* found = s.windows.find(window);
    if (found == nullptr) return false;
    WindowState& state = found->state;
    std::uint8_t* block = found->block;
    state.page_width = std::clamp(width, 1, ProcessMetrics::kMaxPage);
    const auto tallest = static_cast<std::int32_t>(ProcessMetrics::kMaxPageArea / state.page_width);
    state.page_height = std::clamp(height, 1, std::min(ProcessMetrics::kMaxPage, tallest));
    state.events.push({EventKind::kResize, 0, state.page_width, state.page_height});
    const ViewWords before = view_words(block);
    follow_page(state, block);
    // A view restored later must describe the new drawing area as well.
    found->views.for_each([&state](std::uint8_t* words) { follow_page(state, words); });
    Relaid relaid;
    if (s.config.plot_extension) {
        relaid = relayout_plots(state.display, state.page_width, state.page_height,
                                s.style_widths(), state.colours, state.plot_views);
        follow_frames(block, before, relaid);
    }
    if (s.trace.enabled()) {
        TraceLine line;
        line.add_word("event", "resize");
        line.add("win", window);
        line.add("w", state.page_width);
        line.add("h", state.page_height);
        line.add("unit", layout::read_i32(block, layout::kUnitLength));
        line.add("x0", layout::read_i32(block, layout::kOriginX));
        line.add("y0", layout::read_i32(block, layout::kOriginY));
        if (relaid.batches > 0) line.add("plots", static_cast<std::int64_t>(relaid.batches));
        s.trace.write(line);
    }
    return true;
}

bool Core::State::window_closed_by_user(int window) {
    State& s = *this;
    Window* closed = s.windows.find(window);
    const bool tell = s.connected && closed != nullptr;
    if (tell) s.end_requested = true;
    if (closed != nullptr) {
        closed->state.events.push({EventKind::kClose, 0, 0, 0});
        // What the user closed is gone from the screen: nobody can join it any more.
        closed->closed_on_screen = true;
        if (s.offering) {
            s.refresh_offer();
            // The last offered window gone ends the offer, and the process ends as after
            // a quit once nothing else holds it.
            if (!s.offering) {
                s.quit = true;
                s.connected = false;
            }
        }
    }
    if (s.trace.enabled()) {
        TraceLine line;
        line.add_word("event", "close");
        line.add("win", window);
        line.add("ends", tell ? 1 : 0);
        s.trace.write(line);
    }
    return tell;
}

bool Core::client_connected() const {
    return state_->connected;
}

}  // namespace luwnd
