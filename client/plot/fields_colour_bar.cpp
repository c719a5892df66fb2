// A colour bar beside the viewport: the current colour map as a picture (or the bands of
// filled contours as boxes) in a strip of its own coordinate system, world x 0 ... 1 across
// and the values up, with ticks and numbers on its right.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <limits>
#include <optional>

#include "client/include/lumora.h"
#include "colour_maps.h"
#include "entry.h"
#include "fields_common.h"
#include "page_draw.h"

using namespace lumora::plot;

namespace {

constexpr int kLeftOnBaseline = 3;
constexpr int kBarTicks = 6;
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

// The height of a "0" in the bar's world: asked of the window, or measured from the cached
// widths while the bar is recorded in the strip.
float number_height(const Frame* strip) {
    if (strip != nullptr) {
        const double pixels = measure_window_text("0").height;
        const double across = strip->box.height();
        return across != 0 ? static_cast<float>(pixels * (strip->wy2 - strip->wy1) / across) : 0.0f;
    }
    float height = 0;
    lu_get_text_extent(nullptr, &height, nullptr, nullptr, "0");
    return height;
}

void draw_ticks(const std::vector<double>& ticks, double step, const Frame* strip) {
    turn_text(0, kLeftOnBaseline);
    const float height = number_height(strip);
    for (double t : ticks) {
        auto y = static_cast<float>(t);
        draw_line(kTickStart, y, 1, y);
        char text[32];
        std::snprintf(text, sizeof text, "%.6g", shown_value(t, step));
        const float baseline = y - 0.35f * height;
        draw_text(1 + kNumberGap, baseline, text);
    }
}

// The bar in its world, recorded in the strip or through the window's viewport and world.
bool draw_bar(const ColourMap& map, const std::vector<double>& levels, double low, double high,
              const Frame* strip) {
    const bool banded = levels.size() >= 2;
    const bool recorded = strip != nullptr;
    bool ok = banded ? draw_bands(map, levels, recorded) : draw_map_strip(map, low, high, recorded);
    ok = outline_box(0, static_cast<float>(low), 1, static_cast<float>(high)) && ok;
    double step = 0;
    std::vector<double> ticks = banded && levels.size() <= kMaxLevelTicks
                                    ? levels
                                    : round_values(low, high, kBarTicks, step);
    if (banded && levels.size() <= kMaxLevelTicks)
        step = (high - low) / static_cast<double>(levels.size() - 1);
    draw_ticks(ticks, step, strip);
    return ok;
}

// Recorded in the bar's world when the window takes plot batches, so that the window's
// viewport and world stay (beside the plot frame: as a strip that stays beside it when the
// window is resized); else drawn with them set to the bar's and put back after.
int colour_bar(float gap, float width, const float* given, int count) {
    if (!std::isfinite(gap) || !(width > 0) || !std::isfinite(width)) {
        return refuse("the gap " + number_text(gap) + " and width " + number_text(width) +
                      " must be finite numbers, the width above 0");
    }
    if (count > kMaxLevels)
        return refuse("the level count " + std::to_string(count) + " is beyond 10000");
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
        const bool ok = draw_bar(map, levels, low, high, &*strip);
        end_description();
        return ok ? window : 0;
    }
    const View bar = bar_view(view, gap, width, low, high);
    if (const std::optional<Frame> strip = use_view_space(bar))
        return draw_bar(map, levels, low, high, &*strip) ? window : 0;
    const ViewScope kept;
    if (!kept.saved()) return 0;
    lu_set_viewport(bar.vx1, bar.vy1, bar.vx2, bar.vy2);
    lu_set_world(bar.wx1, bar.wy1, bar.wx2, bar.wy2);
    return draw_bar(map, levels, low, high, nullptr)
               ? lu_get_viewport(nullptr, nullptr, nullptr, nullptr)
               : 0;
}

}  // namespace

extern "C" {

int lu_draw_colour_bar(float gap, float width, const float* levels, int count) {
    return guarded(__func__, [&] { return colour_bar(gap, width, levels, count); });
}

int lu_draw_colour_bar_(int* result, const float* gap, const float* width, const float* levels,
                        const int* count) {
    return guarded(__func__, [&] {
        return stored(result, colour_bar(arg(gap), arg(width), levels, arg(count)));
    });
}

}  // extern "C"
