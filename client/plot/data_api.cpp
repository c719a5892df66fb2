// The entry points of line, point, step, histogram and error-bar plots.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "client/include/lumora_plot.h"
#include "colour_cycle.h"
#include "colour_maps.h"
#include "data.h"
#include "entry.h"
#include "frame.h"
#include "histogram.h"

using namespace lumora::plot;

namespace {

constexpr int kMaxBins = 10000;
constexpr double kMarkerSize = 0.6, kCapSize = 0.3;  // in text heights

// A line through count points of data values, point(k) the k-th as an (x, y) pair.
template <typename Point>
int frame_line(std::size_t count, Point point) {
    const DataTarget t = data_target();
    if (t.window == 0) return 0;
    const Frame& f = t.frame();
    std::vector<double> points;
    points.reserve(2 * count);
    for (std::size_t k = 0; k < count; ++k) {
        const auto [x, y] = point(k);
        points.push_back(world_x(f, x));
        points.push_back(world_y(f, y));
    }
    ClipScope clip(f);
    draw_world_line(f, points);
    return t.window;
}

template <typename T>
int line(int n, const T* x, const T* y) {
    if (!has_points(n, 2, {x, y})) return 0;
    return frame_line(static_cast<std::size_t>(n),
                      [&](std::size_t k) { return std::pair<double, double>(x[k], y[k]); });
}

bool inside(const WorldRect& r, double wx, double wy) {
    return wx >= r.x0 && wx <= r.x1 && wy >= r.y0 && wy <= r.y1;
}

template <typename T>
int points(int n, const T* x, const T* y, int marker) {
    if (!has_points(n, 1, {x, y})) return 0;
    const DataTarget t = data_target();
    if (t.window == 0) return 0;
    const Frame& f = t.frame();
    MarkerLook look;
    if (!plot_marker(f, marker, kMarkerSize * f.text_height, look)) return 0;
    use_frame_space(f);
    const WorldRect r = data_rect(f);
    std::vector<double> kept;
    for (int i = 0; i < n; ++i) {
        const double wx = world_x(f, x[i]), wy = world_y(f, y[i]);
        if (inside(r, wx, wy)) {
            kept.push_back(wx);
            kept.push_back(wy);
        }
    }
    ClipScope clip(f);
    draw_markers(kept, look);
    return t.window;
}

// Each point in the colour its value takes in the current map and scaled by its size.
template <typename T>
int coloured_points(int n, const T* x, const T* y, const T* values, const T* sizes, int marker) {
    if (!has_points(n, 1, {x, y, values})) return 0;
    const DataTarget t = data_target();
    if (t.window == 0) return 0;
    const Frame& f = t.frame();
    MarkerLook look;
    if (!plot_marker(f, marker, kMarkerSize * f.text_height, look)) return 0;
    use_frame_space(f);
    const WorldRect r = data_rect(f);
    const ColourMap& map = current_colour_map();
    std::vector<double> kept, scales;
    std::vector<int> colours;
    for (int i = 0; i < n; ++i) {
        const double wx = world_x(f, x[i]), wy = world_y(f, y[i]);
        const double scale = sizes ? static_cast<double>(sizes[i]) : 1.0;
        if (inside(r, wx, wy) && scale > 0 && std::isfinite(scale)) {
            kept.push_back(wx);
            kept.push_back(wy);
            scales.push_back(scale);
            colours.push_back(colour_of(map, static_cast<double>(values[i])));
        }
    }
    ClipScope clip(f);
    draw_coloured_markers(kept, scales, colours, look);
    return t.window;
}

// Its points, 2 n - 1 of them (counted in size_t: no int can hold them all), are
// (x[i], y[i]) and then (x[i + 1], y[i]) where it steps.
template <typename T>
int step(int n, const T* x, const T* y) {
    if (!has_points(n, 2, {x, y})) return 0;
    return frame_line(2 * static_cast<std::size_t>(n) - 1, [&](std::size_t k) {
        return std::pair<double, double>(x[(k + 1) / 2], y[k / 2]);
    });
}

// The bars of a histogram: filled boxes in the next colour of the cycle (when asked for)
// under the outline in the pen's colour.
void draw_bins(const DataTarget& t, const std::vector<long>& counts, double x1, double x2,
               bool filled) {
    const Frame& f = t.frame();
    const double width = (x2 - x1) / static_cast<double>(counts.size());
    // On a log axis the bars stand on the bottom edge.
    const double base = f.log_y ? std::pow(10.0, world_rect(f).y0) : 0;
    ClipScope clip(f);
    if (filled) {
        const int colour = cycle_colour(*t.state, t.state->next_colour++);
        const Hatch& hatch = hatch_of(*t.state, 0);
        for (std::size_t i = 0; i < counts.size(); ++i) {
            if (counts[i] == 0) continue;
            const double a = world_x(f, x1 + width * double(i)),
                         b = world_x(f, x1 + width * double(i + 1));
            const double y0 = world_y(f, base), y1 = world_y(f, double(counts[i]));
            use_frame_space(f);
            if (hatch.empty())
                fill_box(a, y0, b, y1, colour);
            else
                draw_hatch({a, y0, b, y0, b, y1, a, y1}, colour, hatch, 0);
        }
    }
    // Filled bars get a black outline; bare ones are drawn with the pen.
    PenScope pen;
    if (filled) set_pen(kBlack, 0, 1);
    std::vector<double> outline;
    auto add = [&](double x, double y) {
        outline.push_back(world_x(f, x));
        outline.push_back(world_y(f, y));
    };
    add(x1, base);
    for (std::size_t i = 0; i < counts.size(); ++i) {
        add(x1 + width * double(i), double(counts[i]));
        add(x1 + width * double(i + 1), double(counts[i]));
    }
    add(x2, base);
    draw_world_line(f, outline);
}

template <typename T>
int histogram(int n, const T* data, double x1, double x2, int bins, int options) {
    if (n < 0) return refuse("n = " + std::to_string(n) + " is negative");
    if (n > 0 && data == nullptr) return refuse("the data is a null pointer");
    if (bins < 1 || bins > kMaxBins)
        return refuse("bins = " + std::to_string(bins) + ": there must be 1 ... 10000 bins");
    if (!(x1 < x2) || !std::isfinite(x1) || !std::isfinite(x2))
        return refuse("the range " + number_text(x1) + " ... " + number_text(x2) +
                      " is not two finite numbers, the first below the second");
    if (!std::isfinite(x2 - x1)) return refuse("the range's width overflows");
    const std::vector<long> counts = bin_counts(data, n, x1, x2, bins);
    if ((options & LU_PLOT_HIST_FRAME) != 0) {
        const long most = std::max(1L, *std::max_element(counts.begin(), counts.end()));
        if (make_frame({x1, x2, 0, static_cast<double>(most) * 1.1, 0}) == 0) return 0;
    }
    const DataTarget t = data_target();
    if (t.window == 0) return 0;
    draw_bins(t, counts, x1, x2, (options & LU_PLOT_HIST_FILLED) != 0);
    return t.window;
}

// Error bars from (a, b) to (c, d) in data values, with caps across their ends.
template <typename T>
int error_bars(int n, const T* a, const T* b, const T* c, bool vertical) {
    if (!has_points(n, 1, {a, b, c})) return 0;
    const DataTarget t = data_target();
    if (t.window == 0) return 0;
    const Frame& f = t.frame();
    const double cap = kCapSize * f.text_height;
    ClipScope clip(f);
    for (int i = 0; i < n; ++i) {
        if (vertical) {
            const double x = world_x(f, a[i]), y1 = world_y(f, b[i]), y2 = world_y(f, c[i]);
            const double w = world_dx(f, cap);
            draw_world_line(f, {x, y1, x, y2});
            draw_world_line(f, {x - w, y1, x + w, y1});
            draw_world_line(f, {x - w, y2, x + w, y2});
        } else {
            const double x1 = world_x(f, a[i]), x2 = world_x(f, b[i]), y = world_y(f, c[i]);
            const double h = world_dy(f, cap);
            draw_world_line(f, {x1, y, x2, y});
            draw_world_line(f, {x1, y - h, x1, y + h});
            draw_world_line(f, {x2, y - h, x2, y + h});
        }
    }
    return t.window;
}

}  // namespace

extern "C" {

int lu_plot_line(int n, const float* x, const float* y) {
    return guarded(__func__, [&] { return line(n, x, y); });
}
int lu_plot_line_(int* result, const int* n, const float* x, const float* y) {
    return guarded(__func__, [&] { return store(result, line(at(n), x, y)); });
}
int lu_plot_line_d(int n, const double* x, const double* y) {
    return guarded(__func__, [&] { return line(n, x, y); });
}
int lu_plot_line_d_(int* result, const int* n, const double* x, const double* y) {
    return guarded(__func__, [&] { return store(result, line(at(n), x, y)); });
}

int lu_plot_points(int n, const float* x, const float* y, int marker) {
    return guarded(__func__, [&] { return points(n, x, y, marker); });
}
int lu_plot_points_(int* result, const int* n, const float* x, const float* y, const int* marker) {
    return guarded(__func__, [&] { return store(result, points(at(n), x, y, at(marker))); });
}
int lu_plot_points_d(int n, const double* x, const double* y, int marker) {
    return guarded(__func__, [&] { return points(n, x, y, marker); });
}
int lu_plot_points_d_(int* result, const int* n, const double* x, const double* y,
                      const int* marker) {
    return guarded(__func__, [&] { return store(result, points(at(n), x, y, at(marker))); });
}

int lu_plot_points_coloured(int n, const float* x, const float* y, const float* values,
                            const float* sizes, int marker) {
    return guarded(__func__, [&] { return coloured_points(n, x, y, values, sizes, marker); });
}
int lu_plot_points_coloured_(int* result, const int* n, const float* x, const float* y,
                             const float* values, const float* sizes, const int* marker) {
    return guarded(__func__, [&] {
        return store(result, coloured_points(at(n), x, y, values, sizes, at(marker)));
    });
}
int lu_plot_points_coloured_d(int n, const double* x, const double* y, const double* values,
                              const double* sizes, int marker) {
    return guarded(__func__, [&] { return coloured_points(n, x, y, values, sizes, marker); });
}
int lu_plot_points_coloured_d_(int* result, const int* n, const double* x, const double* y,
                               const double* values, const double* sizes, const int* marker) {
    return guarded(__func__, [&] {
        return store(result, coloured_points(at(n), x, y, values, sizes, at(marker)));
    });
}

int lu_plot_step(int n, const float* x, const float* y) {
    return guarded(__func__, [&] { return step(n, x, y); });
}
int lu_plot_step_(int* result, const int* n, const float* x, const float* y) {
    return guarded(__func__, [&] { return store(result, step(at(n), x, y)); });
}
int lu_plot_step_d(int n, const double* x, const double* y) {
    return guarded(__func__, [&] { return step(n, x, y); });
}
int lu_plot_step_d_(int* result, const int* n, const double* x, const double* y) {
    return guarded(__func__, [&] { return store(result, step(at(n), x, y)); });
}

int lu_plot_histogram(int n, const float* data, float x1, float x2, int bins, int options) {
    return guarded(__func__, [&] { return histogram(n, data, x1, x2, bins, options); });
}
int lu_plot_histogram_(int* result, const int* n, const float* data, const float* x1,
                       const float* x2, const int* bins, const int* options) {
    return guarded(__func__, [&] {
        return store(result, histogram(at(n), data, at(x1), at(x2), at(bins), at(options)));
    });
}
int lu_plot_histogram_d(int n, const double* data, double x1, double x2, int bins, int options) {
    return guarded(__func__, [&] { return histogram(n, data, x1, x2, bins, options); });
}
int lu_plot_histogram_d_(int* result, const int* n, const double* data, const double* x1,
                         const double* x2, const int* bins, const int* options) {
    return guarded(__func__, [&] {
        return store(result, histogram(at(n), data, at(x1), at(x2), at(bins), at(options)));
    });
}

int lu_plot_error_x(int n, const float* x1, const float* x2, const float* y) {
    return guarded(__func__, [&] { return error_bars(n, x1, x2, y, false); });
}
int lu_plot_error_x_(int* result, const int* n, const float* x1, const float* x2, const float* y) {
    return guarded(__func__, [&] { return store(result, error_bars(at(n), x1, x2, y, false)); });
}
int lu_plot_error_x_d(int n, const double* x1, const double* x2, const double* y) {
    return guarded(__func__, [&] { return error_bars(n, x1, x2, y, false); });
}
int lu_plot_error_x_d_(int* result, const int* n, const double* x1, const double* x2,
                       const double* y) {
    return guarded(__func__, [&] { return store(result, error_bars(at(n), x1, x2, y, false)); });
}
int lu_plot_error_y(int n, const float* x, const float* y1, const float* y2) {
    return guarded(__func__, [&] { return error_bars(n, x, y1, y2, true); });
}
int lu_plot_error_y_(int* result, const int* n, const float* x, const float* y1, const float* y2) {
    return guarded(__func__, [&] { return store(result, error_bars(at(n), x, y1, y2, true)); });
}
int lu_plot_error_y_d(int n, const double* x, const double* y1, const double* y2) {
    return guarded(__func__, [&] { return error_bars(n, x, y1, y2, true); });
}
int lu_plot_error_y_d_(int* result, const int* n, const double* x, const double* y1,
                       const double* y2) {
    return guarded(__func__, [&] { return store(result, error_bars(at(n), x, y1, y2, true)); });
}

}  // extern "C"
