#include "frame_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "client/include/lumora_plot.h"
#include "marked_text.h"
#include "ticks.h"
#include "twin_axis.h"

namespace lumora::plotcore {
namespace {

// The room of a frame's margins, in text heights.
constexpr double kTopRoom = 2.3, kBottomRoom = 3.5, kRightRoom = 1.2, kColourBarRoom = 6;
constexpr double kLeftBeyondNumbers = 2.1;
// The axis labels: how far beyond the numbers they begin, and how far a line of text
// reaches across (its ascent and descent), in text heights.
constexpr double kXLabelBeyondNumbers = 0.4, kYLabelBeyondNumbers = 0.5, kLabelLine = 1.25;

// The world window is single precision: its ends and its width must be finite there.
constexpr double kSingleMost = std::numeric_limits<float>::max();

double widest_y_number(LayoutCanvas& c, const Frame& f, const AxisOptions& o, double origin) {
    const Ticks t = axis_ticks(c, f, false, o, origin);
    double widest = 0;
    for (std::size_t i = 0; i < t.labels.size(); ++i) {
        if (t.powers) {
            widest = std::max(widest, power_width(c, {t.labels[i], f.text_height}));
        } else {
            c.set_text(f.text_height, 0, kLeftBase, kKeep);
            widest = std::max(widest, c.measure_text(t.labels[i]).width);
        }
    }
    return widest;
}

// How far the last x number sticks out right of the box.
double x_overhang(LayoutCanvas& c, const Frame& f, const AxisOptions& o, double origin) {
    const Ticks t = axis_ticks(c, f, true, o, origin);
    if (t.major.empty() || t.powers) return 0;
    double most = 0;
    c.set_text(f.text_height, 0, kLeftBase, kKeep);
    for (std::size_t i = 0; i < t.major.size(); ++i) {
        const double half = c.measure_text(t.labels[i]).width / 2;
        most = std::max(most, f.px(t.major[i]) + half - f.box.x1);
    }
    return most;
}

// A polar frame's spoke numbers stand kSpokeNumberGap beyond the ring on every side: the
// margins make room for the widest ("330") and a line, and the labels go beyond them.
void polar_room(LayoutCanvas& c, Frame& f, Margins& m) {
    const double h = f.text_height;
    c.set_text(h, 0, kLeftBase, kKeep);
    const double across = (kSpokeNumberGap + 0.3) * h + c.measure_text("330").width;
    const double up = (kSpokeNumberGap + 1.1) * h;
    f.x_numbers_depth = f.top_numbers_height = up;
    f.y_numbers_width = across;
    m.left = std::max(m.left, across + kLeftBeyondNumbers * h);
    m.right = std::max(m.right, across);
    m.top += up;
    m.bottom = std::max(m.bottom, up + 2.0 * h);
}

// The room a colour bar takes beside the box, in pixels, when the option asks for it.
double bar_room(const Frame& f, int option) {
    return (f.setup.options & option) != 0 ? kColourBarRoom * f.text_height : 0;
}

void fit(LayoutCanvas& c, Frame& f) {
    const FrameSetup& r = f.setup;
    const double h = f.text_height;
    const bool equal = (r.options & LU_PLOT_EQUAL) != 0;
    const double xs = std::fabs(f.wx2 - f.wx1), ys = std::fabs(f.wy2 - f.wy1);
    const bool box = (r.options & LU_PLOT_NO_BOX) == 0;
    Margins m;
    // A title larger than the default takes the room it needs above the box.
    m.top = (kTopRoom + std::max(r.title_size - kDefaultTitleSize, 0.0)) * h +
            bar_room(f, LU_PLOT_ROOM_ABOVE);
    m.bottom = kBottomRoom * h + bar_room(f, LU_PLOT_ROOM_BELOW);
    m.right = kRightRoom * h + bar_room(f, LU_PLOT_ROOM_RIGHT);
    if ((r.options & LU_PLOT_ROOM_TWIN_Y) != 0) m.right += kTwinYRoom * h;
    if ((r.options & LU_PLOT_ROOM_TWIN_X) != 0) m.top += kTwinXRoom * h;
    m.left = 4 * h + bar_room(f, LU_PLOT_ROOM_LEFT);
    if ((r.options & kPolarRoom) != 0) polar_room(c, f, m);
    f.box = fit_box(f.panel, m, equal, xs, ys);
    if (box) {
        m.left = 0.3 * h +
                 widest_y_number(c, f, frame_axis_options(r.options, false), r.time_origin) +
                 kLeftBeyondNumbers * h + bar_room(f, LU_PLOT_ROOM_LEFT);
        f.box = fit_box(f.panel, m, equal, xs, ys);
    }
    // A frame without its box may get one from lu_plot_box: the last x number keeps its
    // room all the same (a pie or a polar frame, with equal scales, draws none).
    if (box || !equal) {
        const double over = x_overhang(c, f, frame_axis_options(r.options, true), r.time_origin);
        if (over + 0.3 * h > m.right) {
            m.right = over + 0.3 * h;
            f.box = fit_box(f.panel, m, equal, xs, ys);
        }
    }
}

}  // namespace

Ends axis_world(double a, double b, bool log, double& lo, double& hi) {
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

AxisOptions frame_axis_options(int options, bool x_axis) {
    // The far edge of a twin's axis is the twin's: its line only (drawn with the frame).
    std::string letters =
        (options & (x_axis ? LU_PLOT_ROOM_TWIN_X : LU_PLOT_ROOM_TWIN_Y)) != 0 ? "bnst" : "bcnst";
    if ((options & LU_PLOT_GRID) != 0) letters += 'g';
    if ((options & LU_PLOT_AXES) != 0) letters += 'a';
    if ((options & (x_axis ? LU_PLOT_LOG_X : LU_PLOT_LOG_Y)) != 0) letters += 'l';
    if (x_axis && (options & LU_PLOT_TIME_X) != 0) letters += 'd';
    return parse_axis_options(letters.c_str(), 0, 0);
}

Ends frame_world(const FrameSetup& r, Frame& f) {
    f.log_x = (r.options & LU_PLOT_LOG_X) != 0;
    f.log_y = (r.options & LU_PLOT_LOG_Y) != 0;
    f.time_x = (r.options & LU_PLOT_TIME_X) != 0 && !f.log_x;
    const Ends x = axis_world(r.x1, r.x2, f.log_x, f.wx1, f.wx2);
    const Ends y = axis_world(r.y1, r.y2, f.log_y, f.wy1, f.wy2);
    if (x == Ends::kNotNumbers || y == Ends::kNotNumbers) return Ends::kNotNumbers;
    return x == Ends::kOk ? y : x;
}

Frame lay_out_frame(LayoutCanvas& c, const FrameSetup& setup, double page_width,
                    double page_height) {
    Frame f;
    f.setup = setup;
    frame_world(setup, f);
    f.page_width = page_width;
    f.page_height = page_height;
    f.panel = subpage({0, 0, page_width, page_height}, setup.nx, setup.ny, setup.panel);
    f.text_height = text_height_for(f.panel, setup.text_scale, setup.resolution);
    f.set = true;
    fit(c, f);
    if ((setup.options & LU_PLOT_NO_BOX) == 0) {
        draw_box(c, f, frame_axis_options(setup.options, true),
                 frame_axis_options(setup.options, false), setup.time_origin);
        c.set_pen(setup.style.box, 0, 1);
        if (has_room_for(f, true)) c.draw_line(f.box.x0, f.box.y1, f.box.x1, f.box.y1);
        if (has_room_for(f, false)) c.draw_line(f.box.x1, f.box.y0, f.box.x1, f.box.y1);
    }
    return f;
}

namespace {

// A label along [lo, hi] of the panel, centred on `centre` where it can be.
struct Along {
    double centre, lo, hi;
};

// The height at which the text fits between lo and hi (a quarter of the height clear of
// each end), at most `height`, and its centre: where asked, or moved just enough to stay
// within the ends. A text that does not fit shrinks rather than run out of its panel.
std::pair<double, double> fitted(LayoutCanvas& c, const std::string& text, double height,
                                 const Along& a) {
    const double room = a.hi - a.lo - 0.5 * height;
    const double width = marked_text_size(c, text, height).width;
    if (room > 0 && width > room) height *= room / width;
    const double half = std::min(width, std::max(room, 0.0)) / 2;
    const double lo = a.lo + 0.25 * height + half, hi = a.hi - 0.25 * height - half;
    return {height, lo <= hi ? std::clamp(a.centre, lo, hi) : (a.lo + a.hi) / 2};
}

}  // namespace

void draw_labels(LayoutCanvas& c, const Frame& f, const Labels& labels) {
    const double h = f.text_height;
    const double cx = (f.box.x0 + f.box.x1) / 2, cy = (f.box.y0 + f.box.y1) / 2;
    const Along across{cx, f.panel.x0, f.panel.x1}, up{cy, f.panel.y0, f.panel.y1};
    const FrameStyle& style = f.setup.style;
    const LabelColours& own = f.setup.label_colours;
    if (!labels.x.empty()) {
        const auto [height, x] = fitted(c, labels.x, h, across);
        draw_marked_text(c, x,
                         f.box.y0 - std::max(f.x_numbers_depth, 0.3 * h) - kXLabelBeyondNumbers * h,
                         labels.x, {height, 0, kCentreTop, own_or_frame(own.x, style.labels)});
    }
    if (!labels.y.empty()) {
        const auto [height, y] = fitted(c, labels.y, h, up);
        draw_marked_text(
            c, f.box.x0 - std::max(f.y_numbers_width, 0.3 * h) - kYLabelBeyondNumbers * h, y,
            labels.y, {height, 0.25, kCentreBottom, own_or_frame(own.y, style.labels)});
    }
    if (!labels.title.empty()) {
        const auto [height, x] =
            fitted(c, labels.title, std::round(h * f.setup.title_size), across);
        // Above a twin x axis, whether it is drawn before the title or after.
        double below = has_room_for(f, true) ? std::max(f.top_numbers_height, kTwinXRoom * h)
                                             : f.top_numbers_height;
        // Above the room for a colour bar there.
        if ((f.setup.options & LU_PLOT_ROOM_ABOVE) != 0) below += kColourBarRoom * h;
        draw_marked_text(c, x, f.box.y1 + below + 0.7 * h, labels.title,
                         {height, 0, kCentreBottom, own_or_frame(own.title, style.title)});
    }
}

double bar_clearance(const Frame& f, int side) {
    const double h = f.text_height;
    if (side == kSideLeft)
        return std::max(f.y_numbers_width, 0.3 * h) + (kYLabelBeyondNumbers + kLabelLine) * h;
    if (side == kSideBelow)
        return std::max(f.x_numbers_depth, 0.3 * h) + (kXLabelBeyondNumbers + kLabelLine) * h;
    return 0;
}

Rect bar_strip(const Frame& f, int side, double gap, double width, double unit) {
    return beside(f.box, side, bar_clearance(f, side), gap, width, unit);
}

}  // namespace lumora::plotcore
