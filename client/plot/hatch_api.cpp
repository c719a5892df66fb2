// The entry points of hatched fills: the patterns a window's fills take from now on, and
// a polygon filled in the frame's coordinates.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "data.h"
#include "entry.h"
#include "plotcore/hatch.h"

using namespace lumora::plot;

namespace {

constexpr float kPatternSpacing = 8;  // pixels at 96 dpi
constexpr float kLeastSpacing = 0.5f, kMostSpacing = 1000;
constexpr int kMostInCycle = 64;

bool pattern_taken(int pattern) {
    if (pattern >= 0 && pattern <= kHatchPatterns) return true;
    return refuse("pattern " + std::to_string(pattern) + " is not 0 ... 8") != 0;
}

int set_cycle(int n, const int* patterns) {
    if (n < 1 || n > kMostInCycle)
        return refuse("n = " + std::to_string(n) + ": a cycle has 1 ... 64 patterns");
    if (patterns == nullptr) return refuse("the patterns are a null pointer");
    for (int i = 0; i < n; ++i)
        if (!pattern_taken(patterns[i])) return 0;
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    std::vector<Hatch> hatches;
    for (int i = 0; i < n; ++i) hatches.push_back(hatch_pattern(patterns[i], kPatternSpacing));
    plot_state(window).hatches = std::move(hatches);
    return window;
}

int set_lines(int n, const float* angles, const float* spacings) {
    if (n < 1 || n > static_cast<int>(kMaxHatchSets))
        return refuse("n = " + std::to_string(n) + ": a pattern has 1 or 2 sets of lines");
    if (angles == nullptr || spacings == nullptr)
        return refuse("an array of angles or spacings is a null pointer");
    Hatch hatch;
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(angles[i]))
            return refuse("angle " + number_text(angles[i]) + " is not a finite number");
        if (!(spacings[i] >= kLeastSpacing && spacings[i] <= kMostSpacing))
            return refuse("spacing " + number_text(spacings[i]) +
                          " is not within 0.5 ... 1000 pixels");
        // Within half a turn either way: the lines of angle a and a + 180 are the same.
        const double degrees = std::remainder(double(angles[i]), 360.0);
        hatch.push_back({static_cast<float>(degrees * std::numbers::pi / 180), spacings[i]});
    }
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    plot_state(window).hatches = {hatch};
    return window;
}

template <typename T>
int fill(int n, const T* x, const T* y) {
    if (n < 3) return refuse("a polygon needs at least 3 points, not n = " + std::to_string(n));
    if (x == nullptr || y == nullptr) return refuse("an array of values is a null pointer");
    const DataTarget t = data_target();
    if (t.window == 0) return 0;
    const Frame& f = t.frame();
    std::vector<double> xy;
    for (int i = 0; i < n; ++i) {
        const double wx = world_x(f, x[i]), wy = world_y(f, y[i]);
        if (!std::isfinite(wx) || !std::isfinite(wy)) continue;
        xy.push_back(wx);
        xy.push_back(wy);
    }
    PenScope pen;
    use_frame_space(f);
    ClipScope clip(f);
    if (const Hatch& hatch = hatch_of(*t.state, 0); !hatch.empty()) {
        draw_hatch(xy, pen.colour(), hatch, 0);
    } else {
        set_pen(-1, 0, 1);
        draw_polygon({xy.begin(), xy.end()}, 0);
    }
    return t.window;
}

}  // namespace

extern "C" {

int lu_plot_hatch(int pattern) {
    return guarded(__func__, [&] { return pattern_taken(pattern) ? set_cycle(1, &pattern) : 0; });
}
int lu_plot_hatch_(int* result, const int* pattern) {
    return guarded(__func__, [&] { return store(result, lu_plot_hatch(at(pattern))); });
}

int lu_plot_hatch_lines(int n, const float* angles, const float* spacings) {
    return guarded(__func__, [&] { return set_lines(n, angles, spacings); });
}
int lu_plot_hatch_lines_(int* result, const int* n, const float* angles, const float* spacings) {
    return guarded(__func__, [&] { return store(result, set_lines(at(n), angles, spacings)); });
}

int lu_plot_hatch_cycle(int n, const int* patterns) {
    return guarded(__func__, [&] { return set_cycle(n, patterns); });
}
int lu_plot_hatch_cycle_(int* result, const int* n, const int* patterns) {
    return guarded(__func__, [&] { return store(result, set_cycle(at(n), patterns)); });
}

int lu_plot_fill(int n, const float* x, const float* y) {
    return guarded(__func__, [&] { return fill(n, x, y); });
}
int lu_plot_fill_(int* result, const int* n, const float* x, const float* y) {
    return guarded(__func__, [&] { return store(result, fill(at(n), x, y)); });
}

}  // extern "C"
