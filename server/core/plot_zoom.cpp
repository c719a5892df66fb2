// What the user does to a window's plots on screen: zooming, panning and going back to
// the program's ranges. The frame under the pointer is laid out anew for the ranges shown,
// its ticks and numbers chosen for them, and its data follow at full precision.
#include <algorithm>
#include <cmath>

#include "core_state.h"
#include "cursor_position.h"
#include "plot_relayout.h"

namespace luwnd {

namespace plotcore = lumora::plotcore;

std::size_t Core::State::relay_plots(Window& window) {
    WindowState& state = window.state;
    return relayout_plots(state.display, state.page_width, state.page_height, style_widths(),
                          state.colours, state.plot_views)
        .batches;
}

std::optional<plotcore::Frame> Core::plot_frame_at(int window, std::int32_t x, std::int32_t y,
                                                   double& px, double& py) {
    State& s = *state_;
    Window* found = s.windows.find(window);
    if (found == nullptr || !s.config.plot_extension) return std::nullopt;
    const WindowState& state = found->state;
    // Device pixels run downward from the top; the layout's page runs upward.
    px = x;
    py = state.page_height - y;
    const Frames frames = s.window_frames_now(*found);
    const plotcore::Frame* under = frame_under(frames, px, py);
    return under != nullptr ? std::optional<plotcore::Frame>(*under) : std::nullopt;
}

std::string Core::plot_readout(int window, std::int32_t x, std::int32_t y) {
    double px = 0, py = 0;
    const std::optional<plotcore::Frame> frame = plot_frame_at(window, x, y, px, py);
    // Only inside the box: around it there is nothing of the plot to read.
    if (!frame || !holds(frame->box, px, py)) return {};
    return plotcore::point_readout(*frame, px, py);
}

bool Core::change_plot_view(int window, std::int32_t x, std::int32_t y, const char* what,
                            const ViewChange& change) {
    double px = 0, py = 0;
    const std::optional<plotcore::Frame> frame = plot_frame_at(window, x, y, px, py);
    if (!frame) return false;
    const std::optional<plotcore::Ranges> ranges = change(*frame, px, py);
    if (!ranges) return false;
    State& s = *state_;
    Window* found = s.windows.find(window);  // there: plot_frame_at found it
    FrameViews& views = found->state.plot_views;
    // The frame was laid out as shown; the program's own setup is the view's, if it has one.
    const auto old = views.find(frame->id);
    views[frame->id] = {old != views.end() ? old->second.program : frame->setup, *ranges};
    const std::size_t batches = s.relay_plots(*found);
    if (s.trace.enabled()) {
        TraceLine line;
        line.add_word("event", what);
        line.add("win", window);
        line.add("frame", static_cast<std::int64_t>(frame->id));
        line.add("plots", static_cast<std::int64_t>(batches));
        s.trace.write(line);
    }
    return true;
}

bool Core::zoom_plot(int window, std::int32_t x, std::int32_t y, double factor) {
    return change_plot_view(window, x, y, "zoom",
                            [factor](const plotcore::Frame& f, double px, double py) {
                                return plotcore::zoom_about(f, px, py, factor);
                            });
}

bool Core::pan_plot(int window, std::int32_t x, std::int32_t y, std::int32_t dx, std::int32_t dy) {
    // Dragged down the screen is up the page.
    return change_plot_view(window, x, y, "pan",
                            [dx, dy](const plotcore::Frame& f, double, double) {
                                return plotcore::pan_by(f, dx, -static_cast<double>(dy));
                            });
}

bool Core::zoom_plot_to(int window, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                        std::int32_t y1) {
    return change_plot_view(window, x0, y0, "zoom", [&](const plotcore::Frame& f, double, double) {
        const double h = f.page_height;
        const plotcore::Rect r{static_cast<double>(std::min(x0, x1)), h - std::max(y0, y1),
                               static_cast<double>(std::max(x0, x1)), h - std::min(y0, y1)};
        return plotcore::zoom_to(f, r);
    });
}

bool Core::reset_plot_views(int window) {
    State& s = *state_;
    Window* found = s.windows.find(window);
    if (found == nullptr) return false;
    FrameViews& views = found->state.plot_views;
    // Views left by erased frames change nothing shown.
    const std::set<std::uint32_t> shown = frame_numbers(found->state.display);
    const bool changed =
        std::ranges::any_of(views, [&](const auto& v) { return shown.contains(v.first); });
    views.clear();
    if (!changed) return false;
    s.relay_plots(*found);
    if (s.trace.enabled()) {
        TraceLine line;
        line.add_word("event", "unzoom");
        line.add("win", window);
        s.trace.write(line);
    }
    return true;
}

}  // namespace luwnd
