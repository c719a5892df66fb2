// Hatched fills of the plotting layer on one page: a pie whose slices take patterns in
// turn with a legend of matching swatches, bars of two series, filled contours with a
// pattern per band, and a polygon hatched with crossed lines of its own.
#include <cmath>
#include <vector>

#include "client/include/lumora.h"
#include "scenes.h"

namespace lumora::gallery {
namespace {

void pie() {
    const float shares[] = {35, 25, 20, 12, 8};
    const int patterns[] = {LU_HATCH_UP_45, LU_HATCH_VERTICAL, LU_HATCH_CROSSED_45,
                            LU_HATCH_HORIZONTAL, LU_HATCH_CROSSED};
    lu_plot_hatch_cycle(5, patterns);
    lu_plot_pie(5, shares);
    const char* names[] = {"oak", "beech", "ash", "pine", "elm"};
    for (int k = 0; k < 5; ++k) lu_plot_legend_swatch(names[k], lu_plot_colour(k));
    lu_plot_legend_at(LU_PLOT_LEGEND_RIGHT | LU_PLOT_LEGEND_TOP | LU_PLOT_LEGEND_OUTSIDE, 0, 0, 1,
                      -1);
}

void bars() {
    const float values[] = {3, 5, 2, 4, 2, 4, 3, 5};
    const int patterns[] = {LU_HATCH_DOWN_30, LU_HATCH_UP_30};
    lu_plot_frame(0.4f, 4.6f, 0, 6, 0);
    lu_plot_hatch_cycle(2, patterns);
    lu_plot_bars(4, 2, values, 0);
}

void contours() {
    constexpr int kSide = 40;
    std::vector<float> z;
    for (int j = 0; j < kSide; ++j) {
        for (int i = 0; i < kSide; ++i) {
            const double x = -3 + 6.0 * i / (kSide - 1), y = -3 + 6.0 * j / (kSide - 1);
            z.push_back(float(std::exp(-(x * x + y * y) / 4) -
                              0.5 * std::exp(-((x - 1.5) * (x - 1.5) + (y + 1.5) * (y + 1.5)))));
        }
    }
    const float levels[] = {-0.2f, 0.2f, 0.5f, 0.8f};
    const int patterns[] = {LU_HATCH_HORIZONTAL, LU_HATCH_UP_45, LU_HATCH_VERTICAL,
                            LU_HATCH_DOWN_45, LU_HATCH_CROSSED};
    lu_plot_frame(-3, 3, -3, 3, LU_PLOT_EQUAL);
    lu_set_colour_map(LU_MAP_DIVERGING, -1, 1);
    lu_plot_hatch_cycle(5, patterns);
    lu_fill_contours(z.data(), kSide, kSide, LU_COLUMN_MAJOR, -3, -3, 3, 3, levels, 4);
    lu_draw_contours(z.data(), kSide, kSide, LU_COLUMN_MAJOR, -3, -3, 3, 3, levels, 4, 0);
}

void polygon() {
    const float angles[] = {20, 110}, spacings[] = {6, 12};
    const float x[] = {1, 9, 9, 5, 1, 3, 7, 7, 3, 3}, y[] = {1, 1, 9, 5, 9, 3, 3, 6, 6, 3};
    lu_plot_frame(0, 10, 0, 10, 0);
    lu_set_pen(12, 0, 1, 0);
    lu_plot_hatch_lines(2, angles, spacings);
    lu_plot_fill(10, x, y);
    lu_plot_hatch(LU_HATCH_SOLID);
}

}  // namespace

void draw_hatches(const Tweak&) {
    lu_plot_subpages(2, 2);
    pie();
    bars();
    contours();
    polygon();
}

}  // namespace lumora::gallery
