// The entry points of bar, polar and box-and-whisker plots.
#include <algorithm>
#include <cmath>
#include <string>

#include "client/include/lumora.h"
#include "colour_cycle.h"
#include "data.h"
#include "entry.h"
#include "frame.h"
#include "statistics.h"

using namespace lumora::plot;

namespace {

constexpr int kMaxGroups = 1000, kMaxSeries = 32;
constexpr double kGroupWidth = 0.8;

void filled_box(double x0, double y0, double x1, double y1, int colour, const Hatch& hatch = {}) {
    if (hatch.empty())
        fill_box(x0, y0, x1, y1, colour);
    else
        draw_hatch({x0, y0, x1, y0, x1, y1, x0, y1}, colour, hatch, 0);
    outline_box(x0, y0, x1, y1);
}

int bars(int groups, int series, const float* values, int options) {
    if (groups < 1 || groups > kMaxGroups || series < 1 || series > kMaxSeries) {
        return refuse(std::to_string(groups) + " groups of " + std::to_string(series) +
                      " series: there must be 1 ... 1000 groups of 1 ... 32");
    }
    if (values == nullptr) return refuse("the values are a null pointer");
    const DataTarget t = data_target();
    if (t.window == 0) return 0;
    const Frame& f = t.frame();
    const bool stacked = (options & LU_PLOT_BARS_STACKED) != 0;
    const double base = f.log_y ? std::pow(10.0, world_rect(f).y0) : 0;
    PenScope pen;
    use_frame_space(f);
    ClipScope clip(f);
    set_pen(f.setup.style.box, 0, 1);
    for (int g = 0; g < groups; ++g) {
        double up = base, down = base;
        for (int s = 0; s < series; ++s) {
            const double v = values[s * groups + g];
            if (!std::isfinite(v)) continue;
            double x0 = g + 1 - kGroupWidth / 2, x1 = g + 1 + kGroupWidth / 2, y0 = base, y1 = v;
            if (stacked) {
                double& level = v >= 0 ? up : down;
                y0 = level;
                y1 = level + v;
                level = y1;
            } else {
                x0 += kGroupWidth * s / series;
                x1 = x0 + kGroupWidth / series;
            }
            filled_box(world_x(f, x0), world_y(f, y0), world_x(f, x1), world_y(f, y1),
                       cycle_colour(*t.state, s), hatch_of(*t.state, static_cast<std::size_t>(s)));
        }
    }
    return t.window;
}

int polar_line(int n, const float* theta, const float* r) {
    if (!has_points(n, 2, {theta, r})) return 0;
    std::vector<float> x, y;
    for (int i = 0; i < n; ++i) {
        x.push_back(r[i] * std::cos(theta[i]));
        y.push_back(r[i] * std::sin(theta[i]));
    }
    return lu_plot_line(n, x.data(), y.data());
}

int box_whisker(float x, float width, int n, const float* data) {
    if (n < 1) return refuse("n = " + std::to_string(n) + ": there are no values");
    if (data == nullptr) return refuse("the data is a null pointer");
    if (!(width > 0) || !std::isfinite(width) || !std::isfinite(x)) {
        return refuse("the place " + number_text(x) + " and width " + number_text(width) +
                      " must be finite, the width above 0");
    }
    const DataTarget t = data_target();
    if (t.window == 0) return 0;
    const BoxStatistics s = box_statistics(std::vector<double>(data, data + n));
    if (!s.ok) return refuse("none of the values is a finite number");
    const Frame& f = t.frame();
    const double x0 = world_x(f, x - width / 2), x1 = world_x(f, x + width / 2);
    const double xc = world_x(f, x), xq0 = world_x(f, x - width / 4),
                 xq1 = world_x(f, x + width / 4);
    auto y = [&](double v) { return world_y(f, v); };
    {
        PenScope pen;
        use_frame_space(f);
        ClipScope clip(f);
        filled_box(x0, y(s.q1), x1, y(s.q3), 0x02FFFFFF);
        draw_world_line(f, {xc, y(s.q3), xc, y(s.high)});
        draw_world_line(f, {xc, y(s.q1), xc, y(s.low)});
        draw_world_line(f, {xq0, y(s.high), xq1, y(s.high)});
        draw_world_line(f, {xq0, y(s.low), xq1, y(s.low)});
        set_pen(-1, 0, 2);
        draw_world_line(f, {x0, y(s.median), x1, y(s.median)});
    }
    if (!s.outliers.empty()) {
        const std::vector<double> xs(s.outliers.size(), x);
        lu_plot_points_d(static_cast<int>(xs.size()), xs.data(), s.outliers.data(), 3);
    }
    return t.window;
}

}  // namespace

extern "C" {

int lu_plot_bars(int groups, int series, const float* values, int options) {
    return guarded(__func__, [&] { return bars(groups, series, values, options); });
}
int lu_plot_bars_(int* result, const int* groups, const int* series, const float* values,
                  const int* options) {
    return guarded(
        __func__, [&] { return store(result, bars(at(groups), at(series), values, at(options))); });
}

int lu_plot_polar_line(int n, const float* theta, const float* r) {
    return guarded(__func__, [&] { return polar_line(n, theta, r); });
}
int lu_plot_polar_line_(int* result, const int* n, const float* theta, const float* r) {
    return guarded(__func__, [&] { return store(result, polar_line(at(n), theta, r)); });
}

int lu_plot_box_whisker(float x, float width, int n, const float* data) {
    return guarded(__func__, [&] { return box_whisker(x, width, n, data); });
}
int lu_plot_box_whisker_(int* result, const float* x, const float* width, const int* n,
                         const float* data) {
    return guarded(__func__,
                   [&] { return store(result, box_whisker(at(x), at(width), at(n), data)); });
}

}  // extern "C"
