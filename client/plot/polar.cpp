// The polar frame: rings at the radius ticks, spokes every 30 degrees, their numbers.
#include <cmath>
#include <cstdio>
#include <numbers>

#include "client/include/lumora.h"
#include "entry.h"
#include "frame.h"
#include "plotcore/ticks.h"

using namespace lumora::plot;

namespace {

constexpr int kRingPoints = 181, kSpokes = 12;

// The rings and spokes: light grey in the classic style, else the style's grid colour.
int grid_colour(const Frame& f) {
    const FrameStyle& style = f.setup.style;
    return style == FrameStyle{} ? lu_make_rgb_colour(190, 190, 190) : style.grid;
}

void ring(double cx, double cy, double radius) {
    std::vector<float> points;
    for (int i = 0; i < kRingPoints; ++i) {
        const double a = 2 * std::numbers::pi * i / (kRingPoints - 1);
        points.push_back(static_cast<float>(cx + radius * std::cos(a)));
        points.push_back(static_cast<float>(cy + radius * std::sin(a)));
    }
    draw_polyline(points);
}

void draw_polar(const Frame& f, double r_max) {
    const double h = f.text_height;
    const double cx = f.px(0), cy = f.py(0), scale = (f.px(r_max) - cx) / r_max;
    const Ticks t =
        fit_linear_ticks(0, r_max, scale * r_max, h, 0, 0, [&](const Ticks& ticks, std::size_t i) {
            set_text(h, 0, kLeftBase, -1);
            return measure_text(ticks.labels[i]).width;
        });
    const FrameStyle& style = f.setup.style;
    set_pen(grid_colour(f), 0, 1);
    for (int k = 0; k < kSpokes; ++k) {
        const double a = 2 * std::numbers::pi * k / kSpokes;
        draw_line(cx, cy, cx + scale * r_max * std::cos(a), cy + scale * r_max * std::sin(a));
    }
    for (double v : t.major)
        if (v > 0 && v < r_max * (1 - 1e-9)) ring(cx, cy, scale * v);
    set_pen(style.box, 0, 1);
    ring(cx, cy, scale * r_max);
    // The radius numbers hang below the 0 degree spoke, centred on their rings; one that
    // would reach past the outer ring ends inside it, clear of the spoke's number.
    const double edge = cx + scale * r_max - 0.15 * h;
    for (std::size_t i = 0; i < t.major.size(); ++i) {
        if (t.major[i] <= 0) continue;
        const double x = cx + scale * t.major[i];
        set_text(h, 0, kCentreTop, style.numbers);
        const bool inside = x + measure_text(t.labels[i]).width / 2 <= edge;
        set_text(h, 0, inside ? kCentreTop : kRightTop, style.numbers);
        draw_text(inside ? x : edge, cy - 0.45 * h, t.labels[i]);
    }
    for (int k = 0; k < kSpokes; ++k) {
        const double a = 2 * std::numbers::pi * k / kSpokes;
        const double c = std::cos(a), s = std::sin(a);
        const int align = c > 0.3 ? kLeftBase : c < -0.3 ? kRightBase : kCentreBase;
        char degrees[16];
        std::snprintf(degrees, sizeof degrees, "%d", 30 * k);
        set_text(h, 0, align, style.numbers);
        const double reach = scale * r_max + lumora::plotcore::kSpokeNumberGap * h;
        draw_text(cx + reach * c, cy + reach * s - 0.35 * h + 0.4 * h * s, degrees);
    }
}

int polar_frame(float r_max) {
    if (!(r_max > 0) || !std::isfinite(r_max))
        return refuse("the radius " + number_text(r_max) + " is not a finite number above 0");
    const int window = make_frame({-r_max, r_max, -r_max, r_max,
                                   LU_PLOT_NO_BOX | LU_PLOT_EQUAL | lumora::plotcore::kPolarRoom});
    if (window == 0) return 0;
    const Page page = current_page();
    const Frame& f = plot_state(window).frame;
    {
        PenScope pen;
        use_page_world(page);
        move_with_frame(f);
        draw_polar(f, r_max);
    }
    use_frame_world(page, f);
    return window;
}

}  // namespace

extern "C" {

int lu_plot_polar_frame(float r_max) {
    return guarded(__func__, [&] { return polar_frame(r_max); });
}

int lu_plot_polar_frame_(int* result, const float* r_max) {
    return guarded(__func__, [&] { return store(result, lu_plot_polar_frame(at(r_max))); });
}

}  // extern "C"
