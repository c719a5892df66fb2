// Fields: the page of the fields example (a field as a picture with its colour bar, and
// as labelled contours), filled contours with a banded colour bar under arrows, and a plot
// frame with a colour bar on each of its sides.
#include <cmath>
#include <vector>

#include "client/include/lumora.h"
#include "scenes.h"

namespace lumora::gallery {
namespace {

constexpr int kNx = 60, kNy = 60;

// sin(x) cos(y) with a Gaussian bump over -3 ... 3, row-major (value (i, j) at i * ny + j).
std::vector<float> example_field() {
    std::vector<float> z;
    for (int i = 0; i < kNx; ++i) {
        for (int j = 0; j < kNy; ++j) {
            double x = -3 + 6 * (i + 0.5) / kNx, y = -3 + 6 * (j + 0.5) / kNy;
            double dx = x - 1, dy = y + 1;
            z.push_back(float(std::sin(x) * std::cos(y) + 1.2 * std::exp(-(dx * dx + dy * dy))));
        }
    }
    return z;
}

void panel(float left, float right) {
    lu_set_viewport(left, 0.1f, right, 0.9f);
    lu_set_world(-3, -3, 3, 3);
}

void frame() {
    lu_set_pen(0, 0, 0, 0);
    lu_draw_box_a21(-3, -3, 3, 3);
}

}  // namespace

void draw_fields(const Tweak&) {
    std::vector<float> z = example_field();
    panel(0.06f, 0.58f);
    lu_set_font(0.3f, 0, 0, 0, 0, nullptr);
    lu_set_colour_map(LU_MAP_SEQUENTIAL, -1, 1.7f);
    lu_draw_field_image(z.data(), kNx, kNy, LU_ROW_MAJOR, -3, -3, 3, 3, 1);
    frame();
    lu_draw_colour_bar(0.02f, 0.04f, nullptr, 0);
    panel(0.8f, 1.3f);
    lu_set_pen(12, 0, 0, 0);
    lu_set_font(0.28f, 0, 0, 0, 12, nullptr);
    lu_draw_contours(z.data(), kNx, kNy, LU_ROW_MAJOR, -3, -3, 3, 3, nullptr, -8, 1);
    frame();
}

void draw_field_shades(const Tweak&) {
    std::vector<float> z = example_field();
    // A hole of missing values.
    for (int i = 40; i < 48; ++i)
        for (int j = 40; j < 50; ++j) z[std::size_t(i) * kNy + std::size_t(j)] = NAN;
    panel(0.06f, 0.9f);
    lu_set_font(0.3f, 0, 0, 0, 0, nullptr);
    lu_set_colour_map(LU_MAP_DIVERGING, -1.2f, 1.2f);
    const float levels[] = {-1, -0.6f, -0.2f, 0.2f, 0.6f, 1.0f, 1.4f};
    lu_fill_contours(z.data(), kNx, kNy, LU_ROW_MAJOR, -3, -3, 3, 3, levels, 7);
    lu_set_pen(8, 0, 0, 0);
    lu_draw_contours(z.data(), kNx, kNy, LU_ROW_MAJOR, -3, -3, 3, 3, levels, 7, 0);
    // The gradient of the field on a coarser grid, as arrows.
    constexpr int kN = 12;
    std::vector<float> u, v;
    for (int i = 0; i < kN; ++i) {
        for (int j = 0; j < kN; ++j) {
            double x = -3 + 6 * (i + 0.5) / kN, y = -3 + 6 * (j + 0.5) / kN;
            double dx = x - 1, dy = y + 1, g = -2.4 * std::exp(-(dx * dx + dy * dy));
            u.push_back(float(std::cos(x) * std::cos(y) + g * dx));
            v.push_back(float(-std::sin(x) * std::sin(y) + g * dy));
        }
    }
    lu_set_pen(0, 0, 0, 0);
    lu_draw_vectors(u.data(), v.data(), kN, kN, LU_ROW_MAJOR, -3, -3, 3, 3, 0);
    frame();
    lu_draw_colour_bar(0.03f, 0.05f, levels, 7);
}

// A field in a plot frame with room on every side, labelled, and a bar on each side: the
// map's strip right, bands of levels with both caps left, the strip with the over cap
// and formatted numbers above, bands with the under cap below; each with a title.
void draw_colour_bar_sides(const Tweak&) {
    std::vector<float> z = example_field();
    lu_plot_frame(-3, 3, -3, 3,
                  LU_PLOT_ROOM_RIGHT | LU_PLOT_ROOM_LEFT | LU_PLOT_ROOM_ABOVE | LU_PLOT_ROOM_BELOW);
    lu_plot_labels("x (km)", "y (km)", "Colour bars on four sides");
    lu_set_colour_map(LU_MAP_SEQUENTIAL, -1, 1.7f);
    lu_set_colour_map_extremes(0x02000000 | 0x404040, 0x02000000 | 0xC0C0FF, -1);
    lu_draw_field_image(z.data(), kNx, kNy, LU_ROW_MAJOR, -3, -3, 3, 3, 1);
    const float levels[] = {-1, -0.6f, -0.2f, 0.2f, 0.6f, 1.0f, 1.4f};
    lu_draw_colour_bar_at(LU_BAR_RIGHT, 0.02f, 0.035f, nullptr, 0, 0, "right");
    lu_draw_colour_bar_at(LU_BAR_LEFT, 0.02f, 0.035f, levels, 7, LU_BAR_CAP_UNDER | LU_BAR_CAP_OVER,
                          "left, capped");
    lu_plot_set_number_format(LU_PLOT_BAR_NUMBERS, "%.1f");
    lu_draw_colour_bar_at(LU_BAR_ABOVE, 0.02f, 0.035f, nullptr, 0, LU_BAR_CAP_OVER, "above");
    lu_draw_colour_bar_at(LU_BAR_BELOW, 0.02f, 0.035f, levels, 7, LU_BAR_CAP_UNDER, "below");
}

}  // namespace lumora::gallery
