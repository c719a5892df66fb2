#include "plot_gestures.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace luwnd {
namespace {

// A rectangle smaller than this across is taken for a click, not a zoom.
constexpr std::int32_t kLeastBox = 4;

}  // namespace

void PlotGestures::press(int window, Drag drag, std::int32_t x, std::int32_t y) {
    State& s = states_[window];
    s.drag = drag;
    s.x = s.from_x = x;
    s.y = s.from_y = y;
}

void PlotGestures::move(int window, std::int32_t x, std::int32_t y) {
    State& s = states_[window];
    if (s.drag == Drag::kPan) {
        s.pan_x += x - s.x;
        s.pan_y += y - s.y;
    }
    s.x = x;
    s.y = y;
    s.moved = true;
}

void PlotGestures::release(int window, std::int32_t x, std::int32_t y) {
    move(window, x, y);
    State& s = states_[window];
    if (s.drag == Drag::kZoomBox && std::abs(x - s.from_x) >= kLeastBox &&
        std::abs(y - s.from_y) >= kLeastBox)
        s.zoom_to = Band{s.from_x, s.from_y, x, y};
    s.drag.reset();
}

void PlotGestures::wheel(int window, std::int32_t x, std::int32_t y, int steps) {
    move(window, x, y);
    int& sum = states_[window].zoom_steps;
    sum = std::clamp(sum + steps, -64, 64);
}

void PlotGestures::key(int window, char key) {
    State& s = states_[window];
    if (key == '+') s.zoom_steps = std::min(s.zoom_steps + 1, 64);
    if (key == '-') s.zoom_steps = std::max(s.zoom_steps - 1, -64);
    if (key == 'r') {
        s.reset = true;
        s.zoom_steps = 0;
        s.pan_x = s.pan_y = 0;
        s.zoom_to.reset();
    }
}

void PlotGestures::toggle_help(int window) {
    State& s = states_[window];
    s.help = !s.help;
}

std::vector<int> PlotGestures::apply() {
    std::vector<int> changed;
    for (auto& [window, s] : states_)
        if (apply(window, s)) changed.push_back(window);
    return changed;
}

bool PlotGestures::apply(int window, State& s) {
    bool changed = false;
    if (s.reset) changed = core_.reset_plot_views(window);
    if (s.pan_x != 0 || s.pan_y != 0)
        changed |= core_.pan_plot(window, s.from_x, s.from_y, s.pan_x, s.pan_y);
    if (s.zoom_steps != 0)
        changed |= core_.zoom_plot(window, s.x, s.y, std::pow(kWheelStep, s.zoom_steps));
    if (s.zoom_to)
        changed |=
            core_.zoom_plot_to(window, s.zoom_to->x0, s.zoom_to->y0, s.zoom_to->x1, s.zoom_to->y1);
    // The next part of a drag pans from where this one left the pointer.
    if (s.pan_x != 0 || s.pan_y != 0) {
        s.from_x = s.x;
        s.from_y = s.y;
    }
    if (s.moved || changed) s.readout = core_.plot_readout(window, s.x, s.y);
    s.pan_x = s.pan_y = 0;
    s.zoom_steps = 0;
    s.zoom_to.reset();
    s.reset = s.moved = false;
    return changed;
}

std::optional<PlotGestures::Band> PlotGestures::band(int window) const {
    const auto found = states_.find(window);
    if (found == states_.end() || found->second.drag != Drag::kZoomBox) return std::nullopt;
    const State& s = found->second;
    return Band{s.from_x, s.from_y, s.x, s.y};
}

bool PlotGestures::help(int window) const {
    const auto found = states_.find(window);
    return found != states_.end() && found->second.help;
}

std::string PlotGestures::readout(int window) const {
    const auto found = states_.find(window);
    return found != states_.end() ? found->second.readout : std::string();
}

const std::vector<std::string>& PlotGestures::help_lines() {
    static const std::vector<std::string> lines = {
        "Wheel, + and -: zoom about the pointer",
        "Drag with the left button: pan",
        "Drag with the right button: zoom to the rectangle",
        "R or Home: the program's view again",
        "S or Ctrl+S, V, P: save as PNG, SVG, PDF",
        "F1, ? or H: this help",
    };
    return lines;
}

}  // namespace luwnd
