// Colour on one page, four panels: squares of half opacity over each other, a polygon and
// the box filled with gradients, a field whose missing cells let a red band show through,
// and a legend whose translucent background lets the curves under it show.
#include <cmath>
#include <numbers>
#include <vector>

#include "client/include/lumora.h"
#include "scenes.h"

namespace lumora::gallery {
namespace {

void translucent_squares() {
    lu_plot_frame(0, 10, 0, 10, LU_PLOT_EQUAL);
    const int colours[] = {lu_make_rgb_colour(220, 0, 0), lu_make_rgb_colour(0, 160, 0),
                           lu_make_rgb_colour(0, 0, 230)};
    lu_set_alpha(0.5f);
    for (int k = 0; k < 3; ++k) {
        const float x0 = 1.0f + 2.5f * float(k), y0 = 1.0f + 1.5f * float(k);
        const float xs[] = {x0, x0 + 5, x0 + 5, x0}, ys[] = {y0, y0, y0 + 5, y0 + 5};
        lu_set_pen(colours[k], 0, 0, 0);
        lu_plot_fill(4, xs, ys);
    }
    lu_set_alpha(1);
}

void gradients() {
    lu_plot_frame(0, 10, 0, 10, LU_PLOT_EQUAL);
    lu_plot_background_gradient(90, lu_make_rgb_colour(255, 255, 255),
                                lu_make_rgb_colour(150, 190, 230));
    std::vector<float> xs, ys;
    for (int k = 0; k < 6; ++k) {
        const double a = k * std::numbers::pi / 3;
        xs.push_back(float(5 + 4 * std::cos(a)));
        ys.push_back(float(5 + 4 * std::sin(a)));
    }
    lu_set_colour_map(LU_MAP_VIRIDIS, 0, 1);
    lu_plot_fill_gradient_map(6, xs.data(), ys.data(), 30);
}

void missing_cells() {
    constexpr int kSide = 24;
    std::vector<float> z;
    for (int j = 0; j < kSide; ++j) {
        for (int i = 0; i < kSide; ++i) {
            const double x = -2 + 4.0 * i / (kSide - 1), y = -2 + 4.0 * j / (kSide - 1);
            const double r = std::sqrt(x * x + y * y);
            z.push_back(r > 1.2 && r < 1.6 ? NAN : float(std::exp(-r * r)));
        }
    }
    lu_plot_frame(-2, 2, -2, 2, LU_PLOT_EQUAL);
    const float bx[] = {-2, 2, 2, -2}, by[] = {-0.3f, -0.3f, 0.3f, 0.3f};
    lu_set_pen(lu_make_rgb_colour(230, 0, 0), 0, 0, 0);
    lu_plot_fill(4, bx, by);
    lu_set_colour_map(LU_MAP_GREY, 0, 1);
    lu_draw_field_image(z.data(), kSide, kSide, LU_COLUMN_MAJOR, -2, -2, 2, 2, 0);
}

void translucent_legend() {
    lu_plot_frame(0, 6.3f, -1.2f, 1.2f, 0);
    std::vector<float> x, s, c;
    for (int i = 0; i <= 60; ++i) {
        x.push_back(0.105f * float(i));
        s.push_back(std::sin(x.back()));
        c.push_back(std::cos(x.back()));
    }
    lu_set_pen(lu_make_rgb_colour(0, 0, 200), 0, 2, 0);
    lu_plot_line(61, x.data(), s.data());
    lu_set_pen(lu_make_rgb_colour(200, 0, 0), 0, 2, 0);
    lu_plot_line(61, x.data(), c.data());
    lu_plot_legend_entry("sine", lu_make_rgb_colour(0, 0, 200), 0, 0);
    lu_plot_legend_entry("cosine", lu_make_rgb_colour(200, 0, 0), 0, 0);
    lu_plot_legend_opacity(0.6f);
    lu_plot_legend_at(LU_PLOT_LEGEND_LEFT | LU_PLOT_LEGEND_TOP, 0, 0, 1,
                      lu_make_rgb_colour(60, 60, 60));
}

}  // namespace

void draw_colours(const Tweak&) {
    lu_plot_subpages(2, 2);
    translucent_squares();
    gradients();
    missing_cells();
    translucent_legend();
    lu_plot_subpages(1, 1);
}

}  // namespace lumora::gallery
