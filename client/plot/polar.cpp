// The polar frame: rings at the radius ticks or every ring step, spokes every 30 degrees or
// every spoke step, their numbers; and the grid's steps and colours.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <numbers>

#include "client/include/lumora.h"
#include "entry.h"
#include "frame.h"
#include "plotcore/ticks.h"

using namespace lumora::plot;

namespace {

constexpr int kRingPoints = 181;

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

// Rings more than this many are left out (the outer ring stays).
constexpr double kMaxRings = 1000;

struct PolarTicks {
    std::vector<double> rings;  // radii of the inner rings
    Ticks numbered;             // the radii numbered, with their numbers
};

// The rings every ring step, numbered every so many rings as the chosen ticks' step
// asks; without a ring step, rings and numbers at the chosen ticks.
PolarTicks polar_ticks(const PolarGrid& g, double r_max, double length, double h) {
    const auto measure = [&](const Ticks& ticks, std::size_t i) {
        set_text(h, 0, kLeftBase, -1);
        return measure_text(ticks.labels[i]).width;
    };
    PolarTicks p;
    p.numbered = fit_linear_ticks(0, r_max, length, h, 0, 0, measure);
    const auto inner = [&](double v) { return v > 0 && v < r_max * (1 - 1e-9); };
    if (g.ring_step <= 0) {
        std::copy_if(p.numbered.major.begin(), p.numbered.major.end(), std::back_inserter(p.rings),
                     inner);
        return p;
    }
    const double step = decimal_step(g.ring_step);
    if (r_max / step <= kMaxRings) {
        for (int k = 1; inner(k * step); ++k) p.rings.push_back(k * step);
    }
    const double every = std::max(1.0, std::ceil(p.numbered.step / step - 1e-9));
    p.numbered = fit_linear_ticks(0, r_max, length, h, every * step, 0, measure);
    return p;
}

// Where the polar frame stands on the page: its centre, pixels per unit of radius, its
// outer radius and the text height.
struct Disc {
    double cx, cy, scale, r_max, h;
    double angle(int k, const PolarGrid& g) const {
        return 2 * std::numbers::pi * k / (360.0 / g.spoke_step);
    }
};

int spoke_count(const PolarGrid& g) {
    return (360 + g.spoke_step - 1) / g.spoke_step;
}

// The radius numbers hang below the 0 degree spoke, centred on their rings; one that would
// reach past the outer ring ends inside it, clear of the spoke's number.
void radius_numbers(const Disc& d, const Ticks& t, int colour) {
    const double h = d.h, edge = d.cx + d.scale * d.r_max - 0.15 * h;
    for (std::size_t i = 0; i < t.major.size(); ++i) {
        if (t.major[i] <= 0) continue;
        const double x = d.cx + d.scale * t.major[i];
        set_text(h, 0, kCentreTop, colour);
        const bool inside = x + measure_text(t.labels[i]).width / 2 <= edge;
        set_text(h, 0, inside ? kCentreTop : kRightTop, colour);
        draw_text(inside ? x : edge, d.cy - 0.45 * h, t.labels[i]);
    }
}

// The spokes' numbers in degrees, at least the default step apart so that they keep clear
// of each other.
void spoke_numbers(const Disc& d, const PolarGrid& g, int colour) {
    const double h = d.h, reach = d.scale * d.r_max + lumora::plotcore::kSpokeNumberGap * h;
    const int every = (kDefaultSpokeStep + g.spoke_step - 1) / g.spoke_step;
    for (int k = 0; k < spoke_count(g); k += every) {
        const double c = std::cos(d.angle(k, g)), s = std::sin(d.angle(k, g));
        const int align = c > 0.3 ? kLeftBase : c < -0.3 ? kRightBase : kCentreBase;
        char degrees[16];
        std::snprintf(degrees, sizeof degrees, "%d", g.spoke_step * k);
        set_text(h, 0, align, colour);
        draw_text(d.cx + reach * c, d.cy + reach * s - 0.35 * h + 0.4 * h * s, degrees);
    }
}

void spokes(const Disc& d, const PolarGrid& g, int frame_grid) {
    set_pen(own_or_frame(g.spoke_colour, frame_grid), 0, 1);
    const double reach = d.scale * d.r_max;
    for (int k = 0; k < spoke_count(g); ++k) {
        const double a = d.angle(k, g);
        draw_line(d.cx, d.cy, d.cx + reach * std::cos(a), d.cy + reach * std::sin(a));
    }
}

void draw_polar(const Frame& f, double r_max, const PolarGrid& g) {
    const double cx = f.px(0);
    const Disc d{cx, f.py(0), (f.px(r_max) - cx) / r_max, r_max, f.text_height};
    const PolarTicks p = polar_ticks(g, r_max, d.scale * r_max, d.h);
    const bool spokes_over = (g.options & LU_POLAR_SPOKES_OVER_RINGS) != 0;
    if (!spokes_over) spokes(d, g, grid_colour(f));
    set_pen(own_or_frame(g.ring_colour, grid_colour(f)), 0, 1);
    for (double v : p.rings) ring(cx, d.cy, d.scale * v);
    set_pen(f.setup.style.box, 0, 1);
    ring(cx, d.cy, d.scale * r_max);
    if (spokes_over) spokes(d, g, grid_colour(f));
    if ((g.options & LU_POLAR_NO_RADIUS_NUMBERS) == 0)
        radius_numbers(d, p.numbered, f.setup.style.numbers);
    spoke_numbers(d, g, f.setup.style.numbers);
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
        draw_polar(f, r_max, plot_state(window).polar_grid);
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
