// A colour bar beside the viewport, on any side of it: the current colour map as a picture
// (or the bands of filled contours as boxes) in a strip of its own coordinate system, 0 ... 1
// across and the values along it (x across and y up right or left of the viewport, x along
// and y across above or below it), with ticks and numbers on its far side, its near side or
// both, as long as the side or a fraction of it.
#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "client/include/lumora.h"
#include "colour_maps.h"
#include "entry.h"
#include "fields_common.h"
#include "fortran_text.h"
#include "page_draw.h"
#include "plot_state.h"
#include "plotcore/number_format.h"
#include "plotcore/ticks.h"

using namespace lumora::plot;
namespace plotcore = lumora::plotcore;

namespace {

constexpr int kLeftOnBaseline = 3, kRightOnBaseline = 5;
constexpr int kCentreTop = 1, kCentreBottom = 7;
constexpr std::size_t kMaxLevelTicks = 12;
constexpr float kTickStart = 0.7f;      // ticks reach in from the far edge (across 1)
constexpr float kNumberGap = 0.35f;     // bar widths between the bar and its numbers
constexpr float kMinBarLength = 0.01f;  // of the side

// Keeps the caller's viewport and world window and puts them back on leaving, however
// the bar ends.
class ViewScope {
  public:
    ViewScope() {
        saved_ = lu_get_viewport(&vx1_, &vy1_, &vx2_, &vy2_) != 0 &&
                 lu_get_world(&wx1_, &wy1_, &wx2_, &wy2_) != 0;
    }
    ~ViewScope() {
        try {
            if (!saved_) return;
            lu_set_viewport(vx1_, vy1_, vx2_, vy2_);
            lu_set_world(wx1_, wy1_, wx2_, wy2_);
        } catch (const std::exception&) {
        }
    }
    ViewScope(const ViewScope&) = delete;
    ViewScope& operator=(const ViewScope&) = delete;
    bool saved() const { return saved_; }

  private:
    bool saved_ = false;
    float vx1_ = 0, vy1_ = 0, vx2_ = 0, vy2_ = 0, wx1_ = 0, wy1_ = 0, wx2_ = 0, wy2_ = 0;
};

// How far beyond the bar its world reaches when the drawing operations draw it, in bar
// widths: they send a text more than a world's width beyond it as far away, and the
// numbers and the title stand several bar widths out.
constexpr float kBarReach = 8;

// The bar's world: 0 ... 1 across the strip on the side of the viewport, `from` + gap
// (normalized units) beyond its edge, the values low ... high along the whole side.
View bar_view(const View& window, int side, float from, float width, double low, double high) {
    View bar = window;
    const float left = std::min(window.vx1, window.vx2), right = std::max(window.vx1, window.vx2);
    const float bottom = std::min(window.vy1, window.vy2), top = std::max(window.vy1, window.vy2);
    switch (side) {
        case plotcore::kSideLeft:
            bar.vx1 = left - from - width;
            bar.vx2 = left - from;
            break;
        case plotcore::kSideAbove:
            bar.vy1 = top + from;
            bar.vy2 = top + from + width;
            break;
        case plotcore::kSideBelow:
            bar.vy1 = bottom - from - width;
            bar.vy2 = bottom - from;
            break;
        default:
            bar.vx1 = right + from;
            bar.vx2 = right + from + width;
    }
    const bool upright = plotcore::is_upright_side(side);
    bar.wx1 = upright ? 0 : static_cast<float>(low);
    bar.wx2 = upright ? 1 : static_cast<float>(high);
    bar.wy1 = upright ? static_cast<float>(low) : 0;
    bar.wy2 = upright ? static_cast<float>(high) : 1;
    bar.pixels = false;
    return bar;
}

// The bar's view reaching kBarReach bar widths on beyond it, at the same scale: where the
// drawing operations draw it.
void use_reaching_view(const View& bar, int side) {
    const float reach_x = (bar.vx2 - bar.vx1) * kBarReach,
                reach_y = (bar.vy2 - bar.vy1) * kBarReach;
    switch (side) {
        case plotcore::kSideLeft:
            lu_set_viewport(bar.vx2 - reach_x, bar.vy1, bar.vx2, bar.vy2);
            lu_set_world(1 - kBarReach, bar.wy1, 1, bar.wy2);
            return;
        case plotcore::kSideAbove:
            lu_set_viewport(bar.vx1, bar.vy1, bar.vx2, bar.vy1 + reach_y);
            lu_set_world(bar.wx1, 0, bar.wx2, kBarReach);
            return;
        case plotcore::kSideBelow:
            lu_set_viewport(bar.vx1, bar.vy2 - reach_y, bar.vx2, bar.vy2);
            lu_set_world(bar.wx1, 1 - kBarReach, bar.wx2, 1);
            return;
        default:
            lu_set_viewport(bar.vx1, bar.vy1, bar.vx1 + reach_x, bar.vy2);
            lu_set_world(bar.wx1, bar.wy1, kBarReach, bar.wy2);
    }
}

// The bar's world against pixels: 0 ... 1 across, the values along. Recorded drawing takes
// text heights and widths in pixels; drawing through the window's world takes them in
// its units.
struct BarSpace {
    double along = 1, across = 1;  // pixels
    double low = 0, high = 1;      // the bar's ends
    bool recorded = false;
    int side = plotcore::kSideRight;
    // The values at the ends of the strip: the bar's, unless it is shorter than the side.
    double world_low = 0, world_high = 1;
    bool upright() const { return plotcore::is_upright_side(side); }
    // The far side, beyond across 1 right of the viewport and above it, beyond across 0
    // left of it and below it; the near side faces the viewport.
    bool far_high() const { return side == plotcore::kSideRight || side == plotcore::kSideAbove; }
    // Whether the far (or near) side is beyond across 1.
    bool high_side(bool far) const { return far_high() == far; }
    double along_per_pixel() const { return (world_high - world_low) / along; }
    double bar_pixels() const { return (high - low) / along_per_pixel(); }
    double x_per_pixel() const { return upright() ? 1 / across : along_per_pixel(); }
    double y_per_pixel() const { return upright() ? along_per_pixel() : 1 / across; }
    // Across: `by` (bar widths) beyond the bar's edge on the high or low side.
    static double beyond(double by, bool high) { return high ? 1 + by : -by; }
};

// World x, y of a value along the bar and a place across it.
struct BarPoint {
    double x, y;
};
BarPoint at(const BarSpace& space, double value, double across) {
    return space.upright() ? BarPoint{across, value} : BarPoint{value, across};
}

// One box for each run of bands of the same colour: the map has 256 colours, so however
// many levels there are, a few hundred boxes at most. Recorded boxes reach over the next
// run, which covers the overlap: antialiased edges that only meet would let the
// background show through between them.
bool draw_bands(const ColourMap& map, const std::vector<double>& levels, const BarSpace& space) {
    const bool recorded = space.recorded;
    std::size_t from = 0;
    for (std::size_t k = 0; k + 1 < levels.size(); ++k) {
        const int colour = colour_of(map, (levels[k] + levels[k + 1]) / 2);
        const bool run_ends =
            k + 2 == levels.size() || colour_of(map, (levels[k + 1] + levels[k + 2]) / 2) != colour;
        if (!run_ends) continue;
        const double top = recorded ? levels[std::min(k + 2, levels.size() - 1)] : levels[k + 1];
        const BarPoint a = at(space, static_cast<float>(levels[from]), 0);
        const BarPoint b = at(space, static_cast<float>(top), 1);
        if (!fill_box(a.x, a.y, b.x, b.y, colour)) return false;
        from = k + 1;
    }
    return true;
}

// The map's colours from low to high: while the bar is recorded, as bands of its palette's
// steps, which move with the bar; else as a picture of one column, row 0 (the map's first
// colour) at the range's low value (a picture of one row along a bar above or below).
bool draw_map_strip(const ColourMap& map, const BarSpace& space) {
    const double low = space.low, high = space.high;
    if (space.recorded) {
        std::vector<double> steps(kPaletteSteps + 1);
        for (std::size_t k = 0; k < steps.size(); ++k)
            steps[k] = low + (high - low) * static_cast<double>(k) / kPaletteSteps;
        return draw_bands(map, steps, space) && std::isfinite(low + high);
    }
    std::array<std::int32_t, 256> palette = palette_of(map);
    std::vector<int> rows(kPaletteSteps);
    for (int k = 0; k < kPaletteSteps; ++k) rows[static_cast<std::size_t>(k)] = k;
    const bool upright = space.upright();
    const auto from = static_cast<float>(map.low), to = static_cast<float>(map.high);
    return (upright ? lu_draw_image_indexed(1, kPaletteSteps, rows.data(), palette.data(), 256, 0,
                                            from, 1, to, 0)
                    : lu_draw_image_indexed(kPaletteSteps, 1, rows.data(), palette.data(), 256,
                                            from, 0, to, 1, 0)) != 0 &&
           std::isfinite(low + high);
}

// The numbers' text: the height of the plot frame's numbers when the window has a frame,
// so that the bar matches its axes, else the window's text font; the height in pixels.
double set_number_text(const BarSpace& space, int align) {
    const plotcore::Frame& frame = plot_state(current_open_window()).frame;
    if (!frame.set) {
        turn_text(0, align);
        return measure_window_text("0").height;
    }
    const double h = frame.text_height;
    set_text(space.recorded ? h : h * space.y_per_pixel(), 0, align, -1);
    return h;
}

// A text's width in the bar's world x.
double width_in_world(const BarSpace& space, const std::string& text) {
    const double width = measure_text(text).width;
    return space.recorded ? width * space.x_per_pixel() : width;
}

// A number's length along the bar in pixels: its height along an upright bar, its width
// along a bar above or below the viewport.
double number_length(const BarSpace& space, const std::string& label, double h) {
    if (space.upright()) return h;
    const double width = measure_text(label).width;
    return space.recorded ? width : width / space.x_per_pixel();
}

// Levels as numbers: every level, or where they crowd (closer than `apart` pixels) only
// as many as keep that far apart, the last among them; labelled as an axis labels its
// ticks, at the levels' spacing.
plotcore::Ticks level_ticks(const std::vector<double>& levels, double pixels_per_value,
                            double apart) {
    plotcore::Ticks t;
    double spacing = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (i > 0) spacing = std::min(spacing, levels[i] - levels[i - 1]);
        if (t.major.empty() || (levels[i] - t.major.back()) * pixels_per_value >= apart) {
            t.major.push_back(levels[i]);
        } else if (i + 1 == levels.size() && t.major.size() > 1) {
            t.major.back() = levels[i];
        }
    }
    t.step = spacing > 0 && std::isfinite(spacing) ? spacing : 1;
    t.ok = true;
    plotcore::label_ticks(t);
    return t;
}

// What a bar shows beside its colours: end caps for values under and over its range
// (LU_BAR_CAP_...) and a title beyond its numbers; where the numbers and the title stand,
// whether the caps count within the bar's length (the other LU_BAR_... options), and the
// length as a fraction of the side.
struct BarEnds {
    BarEnds() = default;
    BarEnds(int c, std::string t) : caps(c), title(std::move(t)) {}
    // A C caller's title: NULL for none.
    BarEnds(int c, const char* t) : caps(c), title(t != nullptr ? t : "") {}
    int caps = 0;
    std::string title;
    int places = 0;
    double length = 1;
    bool numbers_far() const { return (places & LU_BAR_NUMBERS_NEAR) == 0; }
    bool numbers_near() const {
        return (places & (LU_BAR_NUMBERS_NEAR | LU_BAR_NUMBERS_BOTH)) != 0;
    }
    bool caps_inside() const { return (places & LU_BAR_CAPS_INSIDE) != 0; }
    int cap_count() const {
        return ((caps & LU_BAR_CAP_UNDER) != 0 ? 1 : 0) + ((caps & LU_BAR_CAP_OVER) != 0 ? 1 : 0);
    }
};

// The values at the strip's ends for a bar of low ... high: the bar fills the middle
// `length` of the side (along pixels), less its caps when they count within it, each as
// long as the bar is wide (across pixels); a bar left shorter than a tenth of that part
// keeps that tenth.
std::pair<double, double> strip_range(double low, double high, double along, double across,
                                      const BarEnds& ends) {
    const double caps = ends.caps_inside() ? ends.cap_count() * across : 0;
    if (!(high > low) || !(along > 0) || (ends.length >= 1 && caps == 0)) return {low, high};
    const double part = ends.length * along;
    const double bar = std::max(part - caps, 0.1 * part);
    double start = (along - bar - caps) / 2;
    if (ends.caps_inside() && (ends.caps & LU_BAR_CAP_UNDER) != 0) start += across;
    const double per_pixel = (high - low) / bar;
    return {low - per_pixel * start, low + per_pixel * (along - start)};
}

// The length of a cap along the bar, in values: the bar's width.
double cap_length(const BarSpace& space) {
    return space.across * space.along_per_pixel();
}

// The height of a line of numbers across a bar above or below the viewport, in bar widths.
double number_line(const BarSpace& space, double h) {
    return 1.2 * h * space.y_per_pixel();
}

// "x10" with the common exponent as an axis shows it: above the top of an upright bar,
// beyond the high end (and its cap) of one above or below the viewport, level with the
// numbers' baselines on their side (high: beyond across 1).
void draw_exponent(const BarSpace& space, const BarEnds& ends, int exponent, double h, bool high) {
    double x = 0, y = space.high + 0.5 * h * space.y_per_pixel();
    if (!space.upright()) {
        x = space.high + ((ends.caps & LU_BAR_CAP_OVER) != 0 ? cap_length(space) : 0) +
            0.5 * h * space.x_per_pixel();
        y = high ? 1 + kNumberGap + 0.3 * h * space.y_per_pixel()
                 : -kNumberGap - 0.9 * h * space.y_per_pixel();
    }
    set_number_text(space, kLeftOnBaseline);
    const std::string base =
        "\xD7"
        "10";
    draw_text(x, y, base);
    x += width_in_world(space, base);
    const double raised = space.recorded ? 0.7 * h : 0.7 * h * space.y_per_pixel();
    set_text(raised, 0, kLeftOnBaseline, -1);
    draw_text(x, y + 0.45 * h * space.y_per_pixel(), std::to_string(exponent));
}

// The numbers' alignment on the high side (beyond across 1) or the low side: on their
// baseline beside an upright bar, centred on their value above or below a lying one.
int number_alignment(const BarSpace& space, bool high) {
    if (space.upright()) return high ? kLeftOnBaseline : kRightOnBaseline;
    return high ? kCentreBottom : kCentreTop;
}

// Ticks and numbers on the high side (beyond across 1) or the low side, in the text look
// set for them.
void draw_numbers(const plotcore::Ticks& t, const BarSpace& space, const BarEnds& ends, double h,
                  bool high) {
    const double tick_from = high ? kTickStart : 1 - kTickStart;
    const double edge = high ? 1 : 0;
    // Beside an upright bar the baseline stands a little below the value, so that the
    // number's middle meets its tick.
    const double number_at = high ? 1 + kNumberGap : -kNumberGap;
    const double drop = space.upright() ? 0.35 * h * space.y_per_pixel() : 0;
    for (std::size_t i = 0; i < t.major.size(); ++i) {
        const auto v = static_cast<float>(t.major[i]);
        const BarPoint a = at(space, v, tick_from), b = at(space, v, edge);
        draw_line(a.x, a.y, b.x, b.y);
        const BarPoint n = at(space, v - drop, number_at);
        draw_text(n.x, n.y, t.labels[i]);
    }
    if (t.exponent != 0) draw_exponent(space, ends, t.exponent, h, high);
}

// A triangle from the bar's end at `base` to its tip, filled with a colour value and
// outlined with the pen.
bool draw_cap(const BarSpace& space, double base, double tip, int colour) {
    const auto b = static_cast<float>(base), t = static_cast<float>(tip);
    const BarPoint p0 = at(space, b, 0), p1 = at(space, b, 1), p2 = at(space, t, 0.5f);
    const auto x0 = static_cast<float>(p0.x), y0 = static_cast<float>(p0.y);
    const auto x1 = static_cast<float>(p1.x), y1 = static_cast<float>(p1.y);
    const auto x2 = static_cast<float>(p2.x), y2 = static_cast<float>(p2.y);
    bool ok = false;
    {
        PenScope keep;
        ok = set_pen(colour, 0, 1) && draw_polygon({x0, y0, x1, y1, x2, y2}, kWindingRule);
    }
    return draw_polyline({x0, y0, x2, y2, x1, y1}) && ok;
}

// The caps, as long as the bar is wide.
bool draw_caps(const ColourMap& map, const BarSpace& space, int caps) {
    const double length = cap_length(space);
    bool ok = true;
    if ((caps & LU_BAR_CAP_UNDER) != 0)
        ok = draw_cap(space, space.low, space.low - length, under_colour(map)) && ok;
    if ((caps & LU_BAR_CAP_OVER) != 0)
        ok = draw_cap(space, space.high, space.high + length, over_colour(map)) && ok;
    return ok;
}

// The title beyond the bar's low or high end and its cap: below or above an upright bar,
// left or right of a lying one, level with the bar's middle.
bool draw_end_title(const BarSpace& space, const BarEnds& ends, double h, bool high_end) {
    const int cap = high_end ? LU_BAR_CAP_OVER : LU_BAR_CAP_UNDER;
    const double past =
        ((ends.caps & cap) != 0 ? cap_length(space) : 0) + 0.4 * h * space.along_per_pixel();
    const double value = high_end ? space.high + past : space.low - past;
    if (space.upright()) {
        set_number_text(space, high_end ? kCentreBottom : kCentreTop);
        return draw_text(0.5, value, ends.title);
    }
    set_number_text(space, high_end ? kLeftOnBaseline : kRightOnBaseline);
    return draw_text(value, 0.5 - 0.35 * h * space.y_per_pixel(), ends.title);
}

// The title along the bar on the far or near side, beyond the numbers when they stand
// there: beside an upright bar reading upward beyond its widest number, above or below a
// lying bar beyond their line; or beyond one of its ends.
bool draw_title(const plotcore::Ticks& t, const BarSpace& space, double h, const BarEnds& ends) {
    if ((ends.places & (LU_BAR_TITLE_LOW_END | LU_BAR_TITLE_HIGH_END)) != 0)
        return draw_end_title(space, ends, h, (ends.places & LU_BAR_TITLE_HIGH_END) != 0);
    const bool far = (ends.places & LU_BAR_TITLE_NEAR) == 0;
    const bool numbered = far ? ends.numbers_far() : ends.numbers_near();
    const bool high = space.high_side(far);
    const double middle = (space.low + space.high) / 2;
    const int align = high == space.upright() ? kCentreTop : kCentreBottom;
    if (!space.upright()) {
        const double reach =
            kNumberGap + (numbered ? number_line(space, h) + 0.3 * h * space.y_per_pixel() : 0);
        set_number_text(space, align);
        return draw_text(middle, BarSpace::beyond(reach, high), ends.title);
    }
    double widest = 0;
    for (const std::string& label : t.labels)
        widest = std::max(widest, width_in_world(space, label));
    const double reach = kNumberGap + (numbered ? widest + 0.6 * h * space.x_per_pixel() : 0);
    set_number_text(space, align);
    return turn_text(0.25, align) && draw_text(BarSpace::beyond(reach, high), middle, ends.title);
}

// The bar in its world, recorded in the strip or through the window's viewport and world.
bool draw_bar(const ColourMap& map, const std::vector<double>& levels, const BarSpace& space,
              const BarEnds& ends) {
    const bool banded = levels.size() >= 2;
    bool ok = banded ? draw_bands(map, levels, space) : draw_map_strip(map, space);
    const BarPoint a = at(space, static_cast<float>(space.low), 0);
    const BarPoint b = at(space, static_cast<float>(space.high), 1);
    ok = outline_box(a.x, a.y, b.x, b.y) && ok;
    ok = draw_caps(map, space, ends.caps) && ok;
    const double h = set_number_text(space, number_alignment(space, space.far_high()));
    const std::string& format = plot_state(current_open_window()).bar_format;
    const auto relabel = [&format](plotcore::Ticks& t) {
        if (!format.empty()) plotcore::format_tick_labels(t, format, false);
    };
    const auto length = [&space, h](const plotcore::Ticks& t, std::size_t i) {
        return number_length(space, t.labels[i], h);
    };
    plotcore::Ticks ticks;
    if (banded && levels.size() <= kMaxLevelTicks) {
        // Numbers along a bar above or below keep their widths apart, and half a height.
        double apart = 1.3 * h;
        if (!space.upright()) {
            plotcore::Ticks all = level_ticks(levels, 0, 0);
            relabel(all);
            apart = 0;
            for (std::size_t i = 0; i < all.labels.size(); ++i)
                apart = std::max(apart, length(all, i) + 0.5 * h);
        }
        ticks = level_ticks(levels, 1 / space.along_per_pixel(), apart);
    } else {
        ticks = plotcore::fit_linear_ticks(space.low, space.high, space.bar_pixels(), 0.5 * h, 0, 0,
                                           length, space.upright() ? plotcore::Relabel{} : relabel);
    }
    relabel(ticks);
    if (ends.numbers_far()) draw_numbers(ticks, space, ends, h, space.far_high());
    if (ends.numbers_near()) {
        set_number_text(space, number_alignment(space, !space.far_high()));
        draw_numbers(ticks, space, ends, h, !space.far_high());
    }
    if (!ends.title.empty()) ok = draw_title(ticks, space, h, ends) && ok;
    return ok;
}

// The bar's space from the pixels of its strip, width x height, and the values at the
// strip's ends.
BarSpace bar_space(int side, double width, double height, double low, double high,
                   std::pair<double, double> world, bool recorded) {
    const bool upright = plotcore::is_upright_side(side);
    return {upright ? height : width,
            upright ? width : height,
            low,
            high,
            recorded,
            side,
            world.first,
            world.second};
}

BarSpace recorded_space(int side, const Frame& strip, double low, double high,
                        std::pair<double, double> world) {
    return bar_space(side, std::fabs(strip.box.width()), std::fabs(strip.box.height()), low, high,
                     world, true);
}

constexpr int kBarOptions = LU_BAR_CAP_UNDER | LU_BAR_CAP_OVER | LU_BAR_CAPS_INSIDE |
                            LU_BAR_NUMBERS_NEAR | LU_BAR_NUMBERS_BOTH | LU_BAR_TITLE_NEAR |
                            LU_BAR_TITLE_LOW_END | LU_BAR_TITLE_HIGH_END;

// Why options and a length are refused: empty when they are good.
std::string shape_refused(int options, float length) {
    const int numbers = options & (LU_BAR_NUMBERS_NEAR | LU_BAR_NUMBERS_BOTH);
    const int title = options & (LU_BAR_TITLE_NEAR | LU_BAR_TITLE_LOW_END | LU_BAR_TITLE_HIGH_END);
    if ((options & ~kBarOptions) != 0 || (numbers & (numbers - 1)) != 0 ||
        (title & (title - 1)) != 0)
        return "the options " + std::to_string(options) +
               " are no sum of LU_BAR_... with one place of the numbers and one of the title at "
               "most";
    if (!(length >= kMinBarLength && length <= 1))
        return "the length " + number_text(length) + " is not within 0.01 ... 1 of the side";
    return {};
}

// Recorded in the bar's world when the window takes plot batches, so that the window's
// viewport and world stay (beside the plot frame: as a strip that stays beside it when the
// window is resized); else drawn with them set to the bar's and put back after.
int colour_bar(int side, float gap, float width, const float* given, int count,
               const BarEnds& ends) {
    if (!plotcore::is_side(side)) {
        return refuse("the side " + std::to_string(side) +
                      " is none of LU_BAR_RIGHT, LU_BAR_LEFT, LU_BAR_ABOVE and LU_BAR_BELOW");
    }
    if (!std::isfinite(gap) || !(width > 0) || !std::isfinite(width)) {
        return refuse("the gap " + number_text(gap) + " and width " + number_text(width) +
                      " must be finite numbers, the width above 0");
    }
    if (count > kMaxLevels)
        return refuse("the level count " + std::to_string(count) + " is beyond 10000");
    if (ends.caps < 0 || ends.caps > (LU_BAR_CAP_UNDER | LU_BAR_CAP_OVER)) {
        return refuse("caps " + std::to_string(ends.caps) +
                      " is not a sum of LU_BAR_CAP_UNDER and LU_BAR_CAP_OVER");
    }
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    const ColourMap& map = current_colour_map();
    std::vector<double> levels;
    if (count > 1) levels = levels_of(given, count, 0, 0, false);
    bool banded = levels.size() >= 2;
    double low = banded ? levels.front() : std::min(map.low, map.high);
    double high = banded ? levels.back() : std::max(map.low, map.high);
    // The bar's world window is single precision, as a frame's.
    const View view = window_view();
    const double unit = current_page().unit;
    const bool upright = plotcore::is_upright_side(side);
    const auto world = strip_range(
        low, high, std::fabs(upright ? view.vy2 - view.vy1 : view.vx2 - view.vx1) * unit,
        width * unit, ends);
    if (!(world.second - world.first <= std::numeric_limits<float>::max()))
        return refuse("the bar's values span beyond single precision (3.4e38)");
    if (const std::optional<Frame> strip =
            use_beside_space(view, side, gap, width, world.first, world.second)) {
        const bool ok = draw_bar(map, levels, recorded_space(side, *strip, low, high, world), ends);
        end_description();
        return ok ? window : 0;
    }
    // Right of the viewport and above it the gap counts from its edge.
    const bool cleared = side == plotcore::kSideLeft || side == plotcore::kSideBelow;
    const auto from = static_cast<float>(cleared ? bar_clearance(view, side) + gap : gap);
    const View bar = bar_view(view, side, from, width, world.first, world.second);
    if (const std::optional<Frame> strip = use_view_space(bar))
        return draw_bar(map, levels, recorded_space(side, *strip, low, high, world), ends) ? window
                                                                                           : 0;
    const ViewScope kept;
    if (!kept.saved()) return 0;
    use_reaching_view(bar, side);
    const BarSpace space = bar_space(side, std::fabs(bar.vx2 - bar.vx1) * unit,
                                     std::fabs(bar.vy2 - bar.vy1) * unit, low, high, world, false);
    return draw_bar(map, levels, space, ends) ? current_open_window() : 0;
}

// A bar with the options that place its numbers, title and caps, and a length.
int shaped_bar(int side, float gap, float width, float length, const float* levels, int count,
               int options, std::string title) {
    if (const std::string cause = shape_refused(options, length); !cause.empty())
        return refuse(cause);
    BarEnds ends{options & (LU_BAR_CAP_UNDER | LU_BAR_CAP_OVER), std::move(title)};
    ends.places = options & ~(LU_BAR_CAP_UNDER | LU_BAR_CAP_OVER);
    ends.length = length;
    return colour_bar(side, gap, width, levels, count, ends);
}

}  // namespace

extern "C" {

constexpr int kRight = plotcore::kSideRight;
static_assert(LU_BAR_RIGHT == plotcore::kSideRight && LU_BAR_LEFT == plotcore::kSideLeft &&
              LU_BAR_ABOVE == plotcore::kSideAbove && LU_BAR_BELOW == plotcore::kSideBelow);

int lu_draw_colour_bar(float gap, float width, const float* levels, int count) {
    return guarded(__func__, [&] { return colour_bar(kRight, gap, width, levels, count, {}); });
}

int lu_draw_colour_bar_(int* result, const float* gap, const float* width, const float* levels,
                        const int* count) {
    return guarded(__func__, [&] {
        return stored(result, colour_bar(kRight, arg(gap), arg(width), levels, arg(count), {}));
    });
}

int lu_draw_colour_bar_labelled(float gap, float width, const float* levels, int count, int caps,
                                const char* title) {
    return guarded(__func__, [&] {
        return colour_bar(kRight, gap, width, levels, count, {caps, title});
    });
}

int lu_draw_colour_bar_labelled_(int* result, const float* gap, const float* width,
                                 const float* levels, const int* count, const int* caps,
                                 const char* title, size_t title_length) {
    return guarded(__func__, [&] {
        const BarEnds ends{arg(caps), fortran_text(title, title_length)};
        return stored(result, colour_bar(kRight, arg(gap), arg(width), levels, arg(count), ends));
    });
}

int lu_draw_colour_bar_at(int side, float gap, float width, const float* levels, int count,
                          int caps, const char* title) {
    return guarded(__func__, [&] {
        return colour_bar(side, gap, width, levels, count, {caps, title});
    });
}

int lu_draw_colour_bar_at_(int* result, const int* side, const float* gap, const float* width,
                           const float* levels, const int* count, const int* caps,
                           const char* title, size_t title_length) {
    return guarded(__func__, [&] {
        const BarEnds ends{arg(caps), fortran_text(title, title_length)};
        return stored(result,
                      colour_bar(arg(side), arg(gap), arg(width), levels, arg(count), ends));
    });
}

int lu_draw_colour_bar_shaped(int side, float gap, float width, float length, const float* levels,
                              int count, int options, const char* title) {
    return guarded(__func__, [&] {
        return shaped_bar(side, gap, width, length, levels, count, options,
                          title != nullptr ? title : "");
    });
}

int lu_draw_colour_bar_shaped_(int* result, const int* side, const float* gap, const float* width,
                               const float* length, const float* levels, const int* count,
                               const int* options, const char* title, size_t title_length) {
    return guarded(__func__, [&] {
        return stored(result,
                      shaped_bar(arg(side), arg(gap), arg(width), arg(length), levels, arg(count),
                                 arg(options), fortran_text(title, title_length)));
    });
}

}  // extern "C"
