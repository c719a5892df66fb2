// The entry points of gradient fills: a polygon in the frame's coordinates filled with a
// linear gradient between two colours or along the colour map, the frame's box so
// filled, and the opacity of the gradients' ends.
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "colour_maps.h"
#include "data.h"
#include "entry.h"
#include "plotcore/items.h"

using namespace lumora::plot;

namespace {

using Stops = std::vector<lumora::plotcore::GradientStop>;

// The packed RGB of a colour value a gradient blends: an RGB colour value, or a colour
// entry 0 ... 35 of the current window as it is now.
std::optional<std::uint32_t> rgb_of(int colour) {
    const auto v = static_cast<std::uint32_t>(colour);
    if (v >> 24 == 2) return (v & 0xFF) << 16 | (v & 0xFF00) | (v >> 16 & 0xFF);
    int r = 0, g = 0, b = 0;
    if (colour >= 0 && colour <= 35 && lu_get_colour_entry(colour, &r, &g, &b) != 0)
        return static_cast<std::uint32_t>(r << 16 | g << 8 | b);
    refuse("colour " + std::to_string(colour) +
           " is neither an RGB colour value nor a colour entry 0 ... 35");
    return std::nullopt;
}

std::uint8_t alpha_of(double opacity) {
    return static_cast<std::uint8_t>(std::lround(opacity * 255));
}

// Two stops, or none (refused).
Stops two_colours(const WindowPlot& state, int from, int to) {
    const std::optional<std::uint32_t> a = rgb_of(from);
    if (!a) return {};
    const std::optional<std::uint32_t> b = rgb_of(to);
    if (!b) return {};
    return {{0, *a, alpha_of(state.gradient_from_opacity)},
            {1, *b, alpha_of(state.gradient_to_opacity)}};
}

// A stop for each colour of the current map's table, its opacity blended between the ends.
Stops map_colours(const WindowPlot& state) {
    const int map = current_colour_map().map;
    Stops stops;
    for (int i = 0; i < kMapSteps; ++i) {
        const double t = double(i) / (kMapSteps - 1);
        const double opacity = state.gradient_from_opacity +
                               t * (state.gradient_to_opacity - state.gradient_from_opacity);
        stops.push_back({static_cast<float>(t), map_colour(map, t), alpha_of(opacity)});
    }
    return stops;
}

struct Colours {
    bool map = false;
    int from = 0, to = 0;
};

// The polygon's world points, those not finite (or <= 0 on a log axis) left out.
template <typename T>
std::vector<double> world_points(const Frame& f, int n, const T* x, const T* y) {
    std::vector<double> xy;
    for (int i = 0; i < n; ++i) {
        const double wx = world_x(f, double(x[i])), wy = world_y(f, double(y[i]));
        if (!std::isfinite(wx) || !std::isfinite(wy)) continue;
        xy.push_back(wx);
        xy.push_back(wy);
    }
    return xy;
}

int fill_world(const DataTarget& t, const std::vector<double>& xy, double angle, Colours c) {
    Stops stops = c.map ? map_colours(*t.state) : two_colours(*t.state, c.from, c.to);
    if (stops.empty()) return 0;
    use_frame_space(t.frame());
    ClipScope clip(t.frame());
    const double radians = std::remainder(angle, 360.0) * std::numbers::pi / 180;
    return draw_gradient(xy, std::move(stops), radians, 0) ? t.window : 0;
}

bool angle_taken(double angle) {
    if (std::isfinite(angle)) return true;
    return refuse("angle " + number_text(angle) + " is not a finite number") != 0;
}

template <typename T>
int fill(int n, const T* x, const T* y, double angle, Colours c) {
    if (n < 3) return refuse("a polygon needs at least 3 points, not n = " + std::to_string(n));
    if (x == nullptr || y == nullptr) return refuse("an array of values is a null pointer");
    if (!angle_taken(angle)) return 0;
    const DataTarget t = data_target();
    if (t.window == 0) return 0;
    return fill_world(t, world_points(t.frame(), n, x, y), angle, c);
}

int fill_background(double angle, Colours c) {
    if (!angle_taken(angle)) return 0;
    const DataTarget t = data_target();
    if (t.window == 0) return 0;
    const Frame& f = t.frame();
    return fill_world(t, {f.wx1, f.wy1, f.wx2, f.wy1, f.wx2, f.wy2, f.wx1, f.wy2}, angle, c);
}

int set_opacity(float from, float to) {
    if (!(from >= 0 && from <= 1 && to >= 0 && to <= 1))
        return refuse("opacities " + number_text(from) + " and " + number_text(to) +
                      " are not both within 0 ... 1");
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    plot_state(window).gradient_from_opacity = from;
    plot_state(window).gradient_to_opacity = to;
    return window;
}

Colours two(int from, int to) {
    return {false, from, to};
}
constexpr Colours kMap{true, 0, 0};

}  // namespace

extern "C" {

int lu_plot_fill_gradient(int n, const float* x, const float* y, float angle, int from, int to) {
    return guarded(__func__, [&] { return fill(n, x, y, angle, two(from, to)); });
}
int lu_plot_fill_gradient_(int* result, const int* n, const float* x, const float* y,
                           const float* angle, const int* from, const int* to) {
    return guarded(__func__, [&] {
        return store(result, fill(at(n), x, y, at(angle), two(at(from), at(to))));
    });
}
int lu_plot_fill_gradient_d(int n, const double* x, const double* y, double angle, int from,
                            int to) {
    return guarded(__func__, [&] { return fill(n, x, y, angle, two(from, to)); });
}
int lu_plot_fill_gradient_d_(int* result, const int* n, const double* x, const double* y,
                             const double* angle, const int* from, const int* to) {
    return guarded(__func__, [&] {
        return store(result, fill(at(n), x, y, at(angle), two(at(from), at(to))));
    });
}

int lu_plot_fill_gradient_map(int n, const float* x, const float* y, float angle) {
    return guarded(__func__, [&] { return fill(n, x, y, angle, kMap); });
}
int lu_plot_fill_gradient_map_(int* result, const int* n, const float* x, const float* y,
                               const float* angle) {
    return guarded(__func__, [&] { return store(result, fill(at(n), x, y, at(angle), kMap)); });
}
int lu_plot_fill_gradient_map_d(int n, const double* x, const double* y, double angle) {
    return guarded(__func__, [&] { return fill(n, x, y, angle, kMap); });
}
int lu_plot_fill_gradient_map_d_(int* result, const int* n, const double* x, const double* y,
                                 const double* angle) {
    return guarded(__func__, [&] { return store(result, fill(at(n), x, y, at(angle), kMap)); });
}

int lu_plot_background_gradient(float angle, int from, int to) {
    return guarded(__func__, [&] { return fill_background(angle, two(from, to)); });
}
int lu_plot_background_gradient_(int* result, const float* angle, const int* from, const int* to) {
    return guarded(
        __func__, [&] { return store(result, fill_background(at(angle), two(at(from), at(to)))); });
}

int lu_plot_gradient_opacity(float from, float to) {
    return guarded(__func__, [&] { return set_opacity(from, to); });
}
int lu_plot_gradient_opacity_(int* result, const float* from, const float* to) {
    return guarded(__func__, [&] { return store(result, set_opacity(at(from), at(to))); });
}

}  // extern "C"
