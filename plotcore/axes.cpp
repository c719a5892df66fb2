#include "axes.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "client/include/lumora_plot.h"
#include "frame_layout.h"
#include "number_format.h"
#include "time_format.h"
#include "time_ticks.h"

namespace lumora::plotcore {
namespace {

constexpr double kMajorTick = 0.5, kMinorTick = 0.25;  // in text heights
constexpr double kNumberGap = 0.3;

constexpr int kZeroLineStyle = 2;

Relabel number_relabel(const std::string& format, bool log) {
    if (format.empty()) return {};
    return [&format, log](Ticks& t) { format_tick_labels(t, format, log); };
}

Relabel time_relabel(const std::string& format, double origin) {
    if (format.empty()) return {};
    return [&format, origin](Ticks& t) {
        for (std::size_t i = 0; i < t.major.size(); ++i)
            t.labels[i] = format_time(format, origin + t.major[i], t.step);
    };
}

Ticks choose(LayoutCanvas& c, const Frame& f, bool x_axis, const AxisOptions& o, double origin,
             double length) {
    const double h = f.text_height;
    const double lo = x_axis ? std::min(f.wx1, f.wx2) : std::min(f.wy1, f.wy2);
    const double hi = x_axis ? std::max(f.wx1, f.wx2) : std::max(f.wy1, f.wy2);
    const Measure along = [&](const Ticks& t, std::size_t i) {
        return x_axis ? tick_label_width(c, t, i, h) : h * (t.powers ? 1.3 : 1.0);
    };
    const double gap = x_axis ? h : h * 0.5;
    const NumberFormats& formats = f.setup.formats;
    if (o.time && x_axis) {
        return fit_time_ticks(origin, lo, hi, length, gap, along, o.step, o.subdivisions,
                              time_relabel(formats.time, origin));
    }
    const Relabel relabel = number_relabel(x_axis ? formats.x : formats.y, o.log);
    // A step of more decades than a double spans numbers one decade at most.
    if (o.log)
        return fit_log_ticks(lo, hi, length, gap, static_cast<int>(std::min(o.step, 1e3)), along,
                             o.fixed, relabel);
    return fit_linear_ticks(lo, hi, length, gap, o.step, o.subdivisions, along, relabel);
}

void draw_tick_marks(LayoutCanvas& c, const Frame& f, bool x_axis, const AxisOptions& o,
                     const Ticks& t) {
    const double h = f.text_height;
    const double in = o.outward ? -1 : 1;
    auto marks = [&](const std::vector<double>& at, double length) {
        for (double v : at) {
            if (x_axis) {
                const double x = f.px(v);
                if (o.low) c.draw_line(x, f.box.y0, x, f.box.y0 + in * length);
                if (o.high) c.draw_line(x, f.box.y1, x, f.box.y1 - in * length);
            } else {
                const double y = f.py(v);
                if (o.low) c.draw_line(f.box.x0, y, f.box.x0 + in * length, y);
                if (o.high) c.draw_line(f.box.x1, y, f.box.x1 - in * length, y);
            }
        }
    };
    if (o.ticks) marks(t.major, kMajorTick * h);
    if (o.subticks) marks(t.minor, kMinorTick * h);
}

void grid_lines(LayoutCanvas& c, const Frame& f, bool x_axis, const std::vector<double>& at_values,
                bool low_edge, bool high_edge) {
    const double lo = x_axis ? f.box.x0 : f.box.y0, hi = x_axis ? f.box.x1 : f.box.y1;
    for (double v : at_values) {
        const double at = x_axis ? f.px(v) : f.py(v);
        if ((low_edge && std::fabs(at - lo) < 0.5) || (high_edge && std::fabs(at - hi) < 0.5))
            continue;
        if (x_axis)
            c.draw_line(at, f.box.y0, at, f.box.y1);
        else
            c.draw_line(f.box.x0, at, f.box.x1, at);
    }
}

// Grid lines at the major ticks in the style's colour and line, and (if the style asks)
// dotted at the subticks; none on an edge that is drawn black (low, high: the edges the
// lines run parallel to), which a grey line would paint over.
void draw_grid(LayoutCanvas& c, const Frame& f, bool x_axis, const Ticks& t, bool low_edge,
               bool high_edge) {
    const FrameStyle& s = f.setup.style;
    if (s.grid_subticks) {
        c.set_pen(s.grid, kSubtickGridStyle, 1);
        grid_lines(c, f, x_axis, t.minor, low_edge, high_edge);
    }
    c.set_pen(s.grid, s.grid_line, 1);
    grid_lines(c, f, x_axis, t.major, low_edge, high_edge);
}

void draw_zero(LayoutCanvas& c, const Frame& f, bool x_axis) {
    c.set_pen(f.setup.style.box, kZeroLineStyle, 1);
    const double lo = x_axis ? std::min(f.wy1, f.wy2) : std::min(f.wx1, f.wx2);
    const double hi = x_axis ? std::max(f.wy1, f.wy2) : std::max(f.wx1, f.wx2);
    if (lo >= 0 || hi <= 0) return;
    if (x_axis)
        c.draw_line(f.box.x0, f.py(0), f.box.x1, f.py(0));
    else
        c.draw_line(f.px(0), f.box.y0, f.px(0), f.box.y1);
}

// Number i of the ticks at (x, y): a power of ten from its left end, else plain text
// with the alignment.
void draw_number(LayoutCanvas& c, const Ticks& t, std::size_t i, double x, double y, double h,
                 Align align, int colour) {
    if (t.powers) {
        draw_power(c, x, y, {t.labels[i], h}, colour);
    } else {
        c.set_text(h, 0, align, colour);
        c.draw_text(x, y, t.labels[i]);
    }
}

// Numbers below (above) the box; returns how far they reach from the edge.
double draw_x_numbers(LayoutCanvas& c, const Frame& f, const AxisOptions& o, const Ticks& t,
                      bool low) {
    const double h = f.text_height, out = o.outward && o.ticks ? kMajorTick * h : 0;
    const double base =
        low ? f.box.y0 - out - kNumberGap * h - 0.8 * h : f.box.y1 + out + kNumberGap * h + 0.2 * h;
    for (std::size_t i = 0; i < t.major.size(); ++i) {
        const double x = f.px(t.major[i]);
        draw_number(c, t, i, t.powers ? x - tick_label_width(c, t, i, h) / 2 : x, base, h,
                    kCentreBase, f.setup.style.numbers);
    }
    // The common exponent beyond the numbers' far end: below them, or above them on top.
    if (t.exponent != 0) {
        const PowerText p = tick_exponent_label(t, h);
        draw_power(c, f.box.x1 - power_width(c, p), base + (low ? -1.3 : 1.3) * h, p,
                   f.setup.style.numbers);
    }
    return out + kNumberGap * h + (t.powers ? 1.4 : 1.1) * h +
           (t.exponent != 0 && !low ? 1.3 * h : 0);
}

// Numbers left (right) of the box; returns how far they reach from the edge.
double draw_y_numbers(LayoutCanvas& c, const Frame& f, const AxisOptions& o, const Ticks& t,
                      bool low) {
    const double h = f.text_height, out = o.outward && o.ticks ? kMajorTick * h : 0;
    double widest = 0;
    for (std::size_t i = 0; i < t.major.size(); ++i) {
        const double w = tick_label_width(c, t, i, h);
        widest = std::max(widest, w);
        const double y = f.py(t.major[i]) - 0.35 * h;
        const double x =
            low ? f.box.x0 - out - kNumberGap * h - w : f.box.x1 + out + kNumberGap * h;
        draw_number(c, t, i, x, y, h, kLeftBase, f.setup.style.numbers);
    }
    if (t.exponent != 0) {
        const PowerText p = tick_exponent_label(t, h);
        const double x = low ? f.box.x0 - out - kNumberGap * h - std::min(widest, power_width(c, p))
                             : f.box.x1 + out + kNumberGap * h;
        draw_power(c, x, f.box.y1 + 0.4 * h, p, f.setup.style.numbers);
    }
    return out + kNumberGap * h + widest;
}

}  // namespace

PowerText tick_exponent_label(const Ticks& t, double h) {
    return {std::to_string(t.exponent), h,
            "\xD7"
            "10"};
}

double tick_label_width(LayoutCanvas& c, const Ticks& t, std::size_t i, double h) {
    if (t.powers) return power_width(c, {t.labels[i], h});
    c.set_text(h, 0, kLeftBase, kKeep);
    return c.measure_text(t.labels[i]).width;
}

AxisOptions parse_axis_options(const char* letters, double step, int subdivisions) {
    AxisOptions o;
    o.step = std::isfinite(step) && step > 0 ? step : 0;
    o.subdivisions = std::max(subdivisions, 0);
    for (const char* c = letters != nullptr ? letters : ""; *c != '\0'; ++c) {
        switch (*c | 0x20) {
            case 'b':
                o.low = true;
                break;
            case 'c':
                o.high = true;
                break;
            case 't':
                o.ticks = true;
                break;
            case 's':
                o.subticks = true;
                break;
            case 'g':
                o.grid = true;
                break;
            case 'n':
                o.numbers_low = true;
                break;
            case 'm':
                o.numbers_high = true;
                break;
            case 'l':
                o.log = true;
                break;
            case 'f':
                o.fixed = true;
                break;
            case 'd':
                o.time = true;
                break;
            case 'a':
                o.zero = true;
                break;
            case 'o':
                o.outward = true;
                break;
            default:
                break;
        }
    }
    return o;
}

Ticks axis_ticks(LayoutCanvas& c, const Frame& f, bool x_axis, const AxisOptions& o,
                 double time_origin) {
    return choose(c, f, x_axis, o, time_origin, x_axis ? f.box.width() : f.box.height());
}

void draw_box(LayoutCanvas& c, Frame& f, const AxisOptions& x, const AxisOptions& y,
              double time_origin) {
    const Ticks xt = axis_ticks(c, f, true, x, time_origin);
    const Ticks yt = axis_ticks(c, f, false, y, time_origin);
    // The frame's own box has drawn every edge black already.
    const bool framed = (f.setup.options & LU_PLOT_NO_BOX) == 0;
    if (x.grid) draw_grid(c, f, true, xt, framed || y.low, framed || y.high);
    if (y.grid) draw_grid(c, f, false, yt, framed || x.low, framed || x.high);
    if (x.zero && !x.log) draw_zero(c, f, true);
    if (y.zero && !y.log) draw_zero(c, f, false);
    c.set_pen(f.setup.style.box, 0, 1);
    std::vector<float> edges;
    auto corner = [&](double px, double py) {
        edges.push_back(static_cast<float>(px));
        edges.push_back(static_cast<float>(py));
    };
    if (x.low && x.high && y.low && y.high) {
        corner(f.box.x0, f.box.y0);
        corner(f.box.x1, f.box.y0);
        corner(f.box.x1, f.box.y1);
        corner(f.box.x0, f.box.y1);
        corner(f.box.x0, f.box.y0);
        c.draw_polyline(edges);
    } else {
        if (x.low) c.draw_line(f.box.x0, f.box.y0, f.box.x1, f.box.y0);
        if (x.high) c.draw_line(f.box.x0, f.box.y1, f.box.x1, f.box.y1);
        if (y.low) c.draw_line(f.box.x0, f.box.y0, f.box.x0, f.box.y1);
        if (y.high) c.draw_line(f.box.x1, f.box.y0, f.box.x1, f.box.y1);
    }
    draw_tick_marks(c, f, true, x, xt);
    draw_tick_marks(c, f, false, y, yt);
    // Numbers an earlier box drew stay on the page: the labels keep clear of the widest.
    if (x.numbers_low)
        f.x_numbers_depth = std::max(f.x_numbers_depth, draw_x_numbers(c, f, x, xt, true));
    if (x.numbers_high)
        f.top_numbers_height = std::max(f.top_numbers_height, draw_x_numbers(c, f, x, xt, false));
    if (y.numbers_low)
        f.y_numbers_width = std::max(f.y_numbers_width, draw_y_numbers(c, f, y, yt, true));
    if (y.numbers_high) {
        f.right_numbers_width = std::max(f.right_numbers_width, draw_y_numbers(c, f, y, yt, false));
    }
}

}  // namespace lumora::plotcore
