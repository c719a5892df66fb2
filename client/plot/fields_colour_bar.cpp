// A colour bar beside the viewport: the current colour map as a picture (or the bands of
// filled contours as boxes) in a strip of its own coordinate system, world x 0 ... 1 across
// and the values up, with ticks and numbers on its right.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "client/include/lumora.h"
#include "colour_maps.h"
#include "fields_common.h"

using namespace lumora::plot;

namespace {

constexpr int kLeftOnBaseline = 3;
constexpr int kBarTicks = 6;
constexpr std::size_t kMaxLevelTicks = 12;
constexpr float kTickStart = 0.7f;   // ticks reach in from the right edge
constexpr float kNumberGap = 0.35f;  // bar widths between the bar and its numbers

struct View {
    float vx1, vy1, vx2, vy2, wx1, wy1, wx2, wy2;
};

bool save_view(View& v) {
    return lu_get_viewport(&v.vx1, &v.vy1, &v.vx2, &v.vy2) != 0 &&
           lu_get_world(&v.wx1, &v.wy1, &v.wx2, &v.wy2) != 0;
}

void restore_view(const View& v) {
    lu_set_viewport(v.vx1, v.vy1, v.vx2, v.vy2);
    lu_set_world(v.wx1, v.wy1, v.wx2, v.wy2);
}

bool draw_map_strip(const ColourMap& map, double low, double high) {
    std::array<std::int32_t, 256> palette = palette_of(map);
    std::vector<int> rows(kPaletteSteps);
    for (int k = 0; k < kPaletteSteps; ++k) rows[static_cast<std::size_t>(k)] = k;
    // Row 0 holds the map's first colour: it goes at the range's low value.
    return lu_draw_image_indexed(1, kPaletteSteps, rows.data(), palette.data(), 256, 0,
                                 static_cast<float>(map.low), 1, static_cast<float>(map.high),
                                 0) != 0 &&
           std::isfinite(low + high);
}

bool draw_bands(const ColourMap& map, const std::vector<double>& levels) {
    bool ok = true;
    for (std::size_t k = 0; k + 1 < levels.size(); ++k) {
        int colour = colour_of(map, (levels[k] + levels[k + 1]) / 2);
        ok = lu_draw_box_a22(0, static_cast<float>(levels[k]), 1, static_cast<float>(levels[k + 1]),
                             colour) != 0 &&
             ok;
    }
    return ok;
}

void draw_ticks(const std::vector<double>& ticks, double step) {
    float height = 0;
    lu_set_font(-1, 0, kLeftOnBaseline, -1, -1, nullptr);
    lu_get_text_extent(nullptr, &height, nullptr, nullptr, "0");
    for (double t : ticks) {
        auto y = static_cast<float>(t);
        lu_draw_line(kTickStart, y, 1, y);
        char text[32];
        double shown = std::abs(t) < std::abs(step) * 1e-6 ? 0.0 : t;
        std::snprintf(text, sizeof text, "%.6g", shown);
        lu_draw_text(1 + kNumberGap, y - 0.35f * height, text);
    }
}

int colour_bar(float gap, float width, const float* given, int count) {
    if (!std::isfinite(gap) || !(width > 0) || !std::isfinite(width)) return 0;
    View view{};
    if (!save_view(view)) return 0;
    const ColourMap& map = current_colour_map();
    std::vector<double> levels;
    if (count > 1) levels = levels_of(given, count, 0, 0, false);
    bool banded = levels.size() >= 2;
    double low = banded ? levels.front() : std::min(map.low, map.high);
    double high = banded ? levels.back() : std::max(map.low, map.high);
    float right = std::max(view.vx1, view.vx2);
    lu_set_viewport(right + gap, view.vy1, right + gap + width, view.vy2);
    lu_set_world(0, static_cast<float>(low), 1, static_cast<float>(high));
    bool ok = banded ? draw_bands(map, levels) : draw_map_strip(map, low, high);
    ok = lu_draw_box_a21(0, static_cast<float>(low), 1, static_cast<float>(high)) != 0 && ok;
    double step = 0;
    std::vector<double> ticks = banded && levels.size() <= kMaxLevelTicks
                                    ? levels
                                    : round_values(low, high, kBarTicks, step);
    if (banded && levels.size() <= kMaxLevelTicks)
        step = (high - low) / static_cast<double>(levels.size() - 1);
    draw_ticks(ticks, step);
    restore_view(view);
    return ok ? lu_get_viewport(nullptr, nullptr, nullptr, nullptr) : 0;
}

}  // namespace

extern "C" {

int lu_draw_colour_bar(float gap, float width, const float* levels, int count) {
    return colour_bar(gap, width, levels, count);
}

int lu_draw_colour_bar_(int* result, const float* gap, const float* width, const float* levels,
                        const int* count) {
    return stored(result, colour_bar(arg(gap), arg(width), levels, arg(count)));
}

}  // extern "C"
