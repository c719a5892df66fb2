#include "frame.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "client/include/lumora.h"
#include "entry.h"
#include "ticks.h"

namespace lumora::plot {
namespace {

// The room of a frame's margins, in text heights.
constexpr double kTopRoom = 2.3, kBottomRoom = 3.5, kRightRoom = 1.2, kColourBarRoom = 6;
constexpr double kLeftBeyondNumbers = 2.1;

// The world window is single precision: its ends and its width must be finite there.
constexpr double kSingleMost = std::numeric_limits<float>::max();

// An axis's world ends from the caller's: kOk, or why not.
Ends direct(double a, double b, bool log, double& lo, double& hi) {
    if (!std::isfinite(a) || !std::isfinite(b)) return Ends::kNotNumbers;
    if (log) {
        if (!(a > 0) || !(b > 0)) return Ends::kNotNumbers;
        a = std::log10(a);
        b = std::log10(b);
    }
    const Range r = usable_range(a, b);
    if (!r.ok || std::fabs(r.lo) > kSingleMost || std::fabs(r.hi) > kSingleMost ||
        r.hi - r.lo > kSingleMost)
        return Ends::kTooLarge;
    lo = a <= b ? r.lo : r.hi;
    hi = a <= b ? r.hi : r.lo;
    return Ends::kOk;
}

double widest_y_number(const Frame& f, const AxisOptions& o, double origin) {
    const Ticks t = axis_ticks(f, false, o, origin);
    double widest = 0;
    for (std::size_t i = 0; i < t.labels.size(); ++i) {
        if (t.powers) {
            widest = std::max(widest, power_width({t.labels[i], f.text_height}));
        } else {
            set_text(f.text_height, 0, kLeftBase, -1);
            widest = std::max(widest, measure_text(t.labels[i]).width);
        }
    }
    return widest;
}

// How far the last x number sticks out right of the box.
double x_overhang(const Frame& f, const AxisOptions& o, double origin) {
    const Ticks t = axis_ticks(f, true, o, origin);
    if (t.major.empty() || t.powers) return 0;
    double most = 0;
    set_text(f.text_height, 0, kLeftBase, -1);
    for (std::size_t i = 0; i < t.major.size(); ++i) {
        const double half = measure_text(t.labels[i]).width / 2;
        most = std::max(most, f.px(t.major[i]) + half - f.box.x1);
    }
    return most;
}

void fit(Frame& f, const FrameRequest& r, const WindowPlot& s) {
    const double h = f.text_height;
    const bool equal = (r.options & LU_PLOT_EQUAL) != 0;
    const double xs = std::fabs(f.wx2 - f.wx1), ys = std::fabs(f.wy2 - f.wy1);
    const bool box = (r.options & LU_PLOT_NO_BOX) == 0;
    Margins m;
    m.top = kTopRoom * h;
    m.bottom = kBottomRoom * h;
    m.right = kRightRoom * h + ((r.options & LU_PLOT_ROOM_RIGHT) != 0 ? kColourBarRoom * h : 0);
    m.left = 4 * h;
    f.box = fit_box(f.panel, m, equal, xs, ys);
    if (box) {
        m.left = 0.3 * h + widest_y_number(f, frame_axis_options(r.options, false), s.time_origin) +
                 kLeftBeyondNumbers * h;
        f.box = fit_box(f.panel, m, equal, xs, ys);
        const double over = x_overhang(f, frame_axis_options(r.options, true), s.time_origin);
        if (over + 0.3 * h > m.right) {
            m.right = over + 0.3 * h;
            f.box = fit_box(f.panel, m, equal, xs, ys);
        }
    }
}

}  // namespace

AxisOptions frame_axis_options(int options, bool x_axis) {
    std::string letters = "bcnst";
    if ((options & LU_PLOT_GRID) != 0) letters += 'g';
    if ((options & LU_PLOT_AXES) != 0) letters += 'a';
    if ((options & (x_axis ? LU_PLOT_LOG_X : LU_PLOT_LOG_Y)) != 0) letters += 'l';
    if (x_axis && (options & LU_PLOT_TIME_X) != 0) letters += 'd';
    return parse_axis_options(letters.c_str(), 0, 0);
}

Ends frame_world(const FrameRequest& r, Frame& f) {
    f.log_x = (r.options & LU_PLOT_LOG_X) != 0;
    f.log_y = (r.options & LU_PLOT_LOG_Y) != 0;
    f.time_x = (r.options & LU_PLOT_TIME_X) != 0 && !f.log_x;
    const Ends x = direct(r.x1, r.x2, f.log_x, f.wx1, f.wx2);
    const Ends y = direct(r.y1, r.y2, f.log_y, f.wy1, f.wy2);
    if (x == Ends::kNotNumbers || y == Ends::kNotNumbers) return Ends::kNotNumbers;
    return x == Ends::kOk ? y : x;
}

int take_panel(WindowPlot& s) {
    const int count = s.nx * s.ny;
    if (!s.panel_fresh || s.panel < 1 || s.panel > count) s.panel = s.panel % count + 1;
    s.panel_fresh = false;
    return s.panel;
}

int make_frame(const FrameRequest& r) {
    const Page page = current_page();
    if (!page.ok) return 0;
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    WindowPlot& s = plot_state(window);
    Frame f;
    switch (frame_world(r, f)) {
        case Ends::kOk:
            break;
        case Ends::kNotNumbers:
            return 0;
        case Ends::kTooLarge:
            return refuse("the frame's ranges reach beyond single precision (3.4e38)");
    }
    f.panel = subpage(page.rect(), s.nx, s.ny, take_panel(s));
    f.text_height = text_height_for(f.panel, s.text_scale, page.resolution);
    f.set = true;
    {
        PenScope pen;
        use_page_world(page);
        fit(f, r, s);
        if ((r.options & LU_PLOT_NO_BOX) == 0)
            draw_box(f, frame_axis_options(r.options, true), frame_axis_options(r.options, false),
                     s.time_origin);
    }
    s.frame = f;
    s.next_colour = 0;
    s.legend.clear();
    use_frame_world(page, f);
    return window;
}

}  // namespace lumora::plot
