// A colour bar beside the viewport: the current colour map as a picture (or the bands of
// filled contours as boxes) in a strip of its own coordinate system, world x 0 ... 1 across
// and the values up, with ticks and numbers on its right.
#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <optional>
#include <string>
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

constexpr int kLeftOnBaseline = 3;
constexpr std::size_t kMaxLevelTicks = 12;
constexpr float kTickStart = 0.7f;   // ticks reach in from the right edge
constexpr float kNumberGap = 0.35f;  // bar widths between the bar and its numbers

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

// How far right of the bar its world reaches when the drawing operations draw it, in bar
// widths: they send a text more than a world's width beyond it as far away, and the
// numbers and the title stand several bar widths out.
constexpr float kBarReach = 8;

// The bar's world: x 0 ... 1 across the strip beside the viewport, the values up.
View bar_view(const View& window, float gap, float width, double low, double high) {
    View bar;
    const float right = std::max(window.vx1, window.vx2);
    bar.vx1 = right + gap;
    bar.vy1 = window.vy1;
    bar.vx2 = right + gap + width;
    bar.vy2 = window.vy2;
    bar.wx1 = 0;
    bar.wy1 = static_cast<float>(low);
    bar.wx2 = 1;
    bar.wy2 = static_cast<float>(high);
    return bar;
}

// One box for each run of bands of the same colour: the map has 256 colours, so however
// many levels there are, a few hundred boxes at most. Recorded boxes reach over the next
// run, which covers the overlap: antialiased edges that only meet would let the
// background show through between them.
bool draw_bands(const ColourMap& map, const std::vector<double>& levels, bool recorded) {
    std::size_t from = 0;
    for (std::size_t k = 0; k + 1 < levels.size(); ++k) {
        const int colour = colour_of(map, (levels[k] + levels[k + 1]) / 2);
        const bool run_ends =
            k + 2 == levels.size() || colour_of(map, (levels[k + 1] + levels[k + 2]) / 2) != colour;
        if (!run_ends) continue;
        const double top = recorded ? levels[std::min(k + 2, levels.size() - 1)] : levels[k + 1];
        if (!fill_box(0, static_cast<float>(levels[from]), 1, static_cast<float>(top), colour))
            return false;
        from = k + 1;
    }
    return true;
}

// The map's colours from low to high: while the bar is recorded, as bands of its palette's
// steps, which move with the bar; else as a picture of one column, row 0 (the map's first
// colour) at the range's low value.
bool draw_map_strip(const ColourMap& map, double low, double high, bool recorded) {
    if (recorded) {
        std::vector<double> steps(kPaletteSteps + 1);
        for (std::size_t k = 0; k < steps.size(); ++k)
            steps[k] = low + (high - low) * static_cast<double>(k) / kPaletteSteps;
        return draw_bands(map, steps, true) && std::isfinite(low + high);
    }
    std::array<std::int32_t, 256> palette = palette_of(map);
    std::vector<int> rows(kPaletteSteps);
    for (int k = 0; k < kPaletteSteps; ++k) rows[static_cast<std::size_t>(k)] = k;
    return lu_draw_image_indexed(1, kPaletteSteps, rows.data(), palette.data(), 256, 0,
                                 static_cast<float>(map.low), 1, static_cast<float>(map.high),
                                 0) != 0 &&
           std::isfinite(low + high);
}

// The bar's world against pixels: x 0 ... 1 across, the values up. Recorded drawing takes
// text heights and widths in pixels; drawing through the window's world takes them in
// its units.
struct BarSpace {
    double width = 1, height = 1;  // pixels
    double low = 0, high = 1;
    bool recorded = false;
    double x_per_pixel() const { return 1 / width; }
    double y_per_pixel() const { return (high - low) / height; }
};

// The numbers' text: the height of the plot frame's numbers when the window has a frame,
// so that the bar matches its axes, else the window's text font; the height in pixels.
double set_number_text(const BarSpace& space, int align) {
    const plotcore::Frame& frame =
        plot_state(lu_get_viewport(nullptr, nullptr, nullptr, nullptr)).frame;
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

// Levels as numbers: every level, or where they crowd (closer than 1.3 text heights) only
// as many as keep that far apart, the last among them; labelled as an axis labels its
// ticks, at the levels' spacing.
plotcore::Ticks level_ticks(const std::vector<double>& levels, double pixels_per_value, double h) {
    plotcore::Ticks t;
    double spacing = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (i > 0) spacing = std::min(spacing, levels[i] - levels[i - 1]);
        if (t.major.empty() || (levels[i] - t.major.back()) * pixels_per_value >= 1.3 * h) {
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

// "x10" with the common exponent above the bar's top, as an axis shows it.
void draw_exponent(const BarSpace& space, int exponent, double h) {
    const double top = space.high + 0.5 * h * space.y_per_pixel();
    set_number_text(space, kLeftOnBaseline);
    const std::string base =
        "\xD7"
        "10";
    draw_text(0, top, base);
    const double x = width_in_world(space, base);
    const double raised = space.recorded ? 0.7 * h : 0.7 * h * space.y_per_pixel();
    set_text(raised, 0, kLeftOnBaseline, -1);
    draw_text(x, top + 0.45 * h * space.y_per_pixel(), std::to_string(exponent));
}

void draw_numbers(const plotcore::Ticks& t, const BarSpace& space, double h) {
    for (std::size_t i = 0; i < t.major.size(); ++i) {
        const auto y = static_cast<float>(t.major[i]);
        draw_line(kTickStart, y, 1, y);
        draw_text(1 + kNumberGap, y - 0.35 * h * space.y_per_pixel(), t.labels[i]);
    }
    if (t.exponent != 0) draw_exponent(space, t.exponent, h);
}

// What a bar shows beside its colours: end caps for values under and over its range
// (LU_BAR_CAP_...) and a title right of its numbers.
struct BarEnds {
    int caps = 0;
    std::string title;
};

// A triangle from the bar's end at `base` to its tip, filled with a colour value and
// outlined with the pen.
bool draw_cap(double base, double tip, int colour) {
    const auto b = static_cast<float>(base), t = static_cast<float>(tip);
    const std::vector<float> corners = {0, b, 1, b, 0.5f, t};
    bool ok = false;
    {
        PenScope keep;
        ok = set_pen(colour, 0, 1) && draw_polygon(corners, kWindingRule);
    }
    return draw_polyline({0, b, 0.5f, t, 1, b}) && ok;
}

// The caps, as long as the bar is wide.
bool draw_caps(const ColourMap& map, const BarSpace& space, int caps) {
    const double length = space.width * space.y_per_pixel();
    bool ok = true;
    if ((caps & LU_BAR_CAP_UNDER) != 0)
        ok = draw_cap(space.low, space.low - length, under_colour(map)) && ok;
    if ((caps & LU_BAR_CAP_OVER) != 0)
        ok = draw_cap(space.high, space.high + length, over_colour(map)) && ok;
    return ok;
}

// The title along the bar, reading upward, beyond its widest number.
bool draw_title(const plotcore::Ticks& t, const BarSpace& space, double h,
                const std::string& title) {
    double widest = 0;
    for (const std::string& label : t.labels)
        widest = std::max(widest, width_in_world(space, label));
    const double x = 1 + kNumberGap + widest + 0.6 * h * space.x_per_pixel();
    constexpr int kCentreTop = 1;
    set_number_text(space, kCentreTop);
    return turn_text(0.25, kCentreTop) && draw_text(x, (space.low + space.high) / 2, title);
}

// The bar in its world, recorded in the strip or through the window's viewport and world.
bool draw_bar(const ColourMap& map, const std::vector<double>& levels, const BarSpace& space,
              const BarEnds& ends) {
    const bool banded = levels.size() >= 2;
    bool ok = banded ? draw_bands(map, levels, space.recorded)
                     : draw_map_strip(map, space.low, space.high, space.recorded);
    ok = outline_box(0, static_cast<float>(space.low), 1, static_cast<float>(space.high)) && ok;
    ok = draw_caps(map, space, ends.caps) && ok;
    const double h = set_number_text(space, kLeftOnBaseline);
    plotcore::Ticks ticks =
        banded && levels.size() <= kMaxLevelTicks
            ? level_ticks(levels, 1 / space.y_per_pixel(), h)
            : plotcore::fit_linear_ticks(space.low, space.high, space.height, 0.5 * h, 0, 0,
                                         [h](const plotcore::Ticks&, std::size_t) { return h; });
    const std::string& format =
        plot_state(lu_get_viewport(nullptr, nullptr, nullptr, nullptr)).bar_format;
    if (!format.empty()) plotcore::format_tick_labels(ticks, format, false);
    draw_numbers(ticks, space, h);
    if (!ends.title.empty()) ok = draw_title(ticks, space, h, ends.title) && ok;
    return ok;
}

BarSpace recorded_space(const Frame& strip, double low, double high) {
    return {std::fabs(strip.box.width()), std::fabs(strip.box.height()), low, high, true};
}

// Recorded in the bar's world when the window takes plot batches, so that the window's
// viewport and world stay (beside the plot frame: as a strip that stays beside it when the
// window is resized); else drawn with them set to the bar's and put back after.
int colour_bar(float gap, float width, const float* given, int count, const BarEnds& ends) {
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
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    if (window == 0) return refuse_no_window();
    const ColourMap& map = current_colour_map();
    std::vector<double> levels;
    if (count > 1) levels = levels_of(given, count, 0, 0, false);
    bool banded = levels.size() >= 2;
    double low = banded ? levels.front() : std::min(map.low, map.high);
    double high = banded ? levels.back() : std::max(map.low, map.high);
    // The bar's world window is single precision, as a frame's.
    if (high - low > std::numeric_limits<float>::max())
        return refuse("the bar's values span beyond single precision (3.4e38)");
    const View view = window_view();
    if (const std::optional<Frame> strip = use_beside_space(view, gap, width, low, high)) {
        const bool ok = draw_bar(map, levels, recorded_space(*strip, low, high), ends);
        end_description();
        return ok ? window : 0;
    }
    const View bar = bar_view(view, gap, width, low, high);
    if (const std::optional<Frame> strip = use_view_space(bar))
        return draw_bar(map, levels, recorded_space(*strip, low, high), ends) ? window : 0;
    const ViewScope kept;
    if (!kept.saved()) return 0;
    // The same scale as the bar's world, reaching on to the right.
    lu_set_viewport(bar.vx1, bar.vy1, bar.vx1 + (bar.vx2 - bar.vx1) * kBarReach, bar.vy2);
    lu_set_world(bar.wx1, bar.wy1, kBarReach, bar.wy2);
    const double unit = current_page().unit;
    const BarSpace space{std::fabs(bar.vx2 - bar.vx1) * unit, std::fabs(bar.vy2 - bar.vy1) * unit,
                         low, high, false};
    return draw_bar(map, levels, space, ends) ? lu_get_viewport(nullptr, nullptr, nullptr, nullptr)
                                              : 0;
}

}  // namespace

extern "C" {

int lu_draw_colour_bar(float gap, float width, const float* levels, int count) {
    return guarded(__func__, [&] { return colour_bar(gap, width, levels, count, {}); });
}

int lu_draw_colour_bar_(int* result, const float* gap, const float* width, const float* levels,
                        const int* count) {
    return guarded(__func__, [&] {
        return stored(result, colour_bar(arg(gap), arg(width), levels, arg(count), {}));
    });
}

int lu_draw_colour_bar_labelled(float gap, float width, const float* levels, int count, int caps,
                                const char* title) {
    return guarded(__func__, [&] {
        return colour_bar(gap, width, levels, count, {caps, title != nullptr ? title : ""});
    });
}

int lu_draw_colour_bar_labelled_(int* result, const float* gap, const float* width,
                                 const float* levels, const int* count, const int* caps,
                                 const char* title, size_t title_length) {
    return guarded(__func__, [&] {
        const BarEnds ends{arg(caps), fortran_text(title, title_length)};
        return stored(result, colour_bar(arg(gap), arg(width), levels, arg(count), ends));
    });
}

}  // extern "C"
