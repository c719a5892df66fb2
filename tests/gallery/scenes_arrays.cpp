// Point arrays and value plots, and drawing under a transform and a clip rectangle.
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "client/include/lumora.h"
#include "scenes.h"

namespace lumora::gallery {
namespace {

constexpr int kBlack = 0, kRed = 2, kBlue = 4, kGrey = 8, kDarkGreen = 11, kPurple = 14;

// A five-pointed star drawn in one stroke: its inner pentagon is crossed twice.
std::vector<float> star(float cx, float cy, float radius) {
    std::vector<float> points;
    for (int i = 0; i < 5; ++i) {
        const double angle = std::numbers::pi / 2 + 4 * std::numbers::pi * i / 5;
        points.push_back(cx + radius * float(std::cos(angle)));
        points.push_back(cy + radius * float(std::sin(angle)));
    }
    return points;
}

// The transform record that turns by `turn` (full turns, counterclockwise on the screen)
// about a pixel, in pixel mode (y downward).
std::array<float, 6> turn_about(float cx, float cy, float turn) {
    const auto angle = float(2 * std::numbers::pi * turn);
    const float c = std::cos(angle), s = std::sin(angle);
    // Pixel mode: x' = r1 x - r2 y + r0, y' = -r4 x + r5 y + r3.
    return {cx - (c * cx + s * cy), c, -s, cy - (-s * cx + c * cy), s, c};
}

}  // namespace

void draw_arrays(const Tweak&) {
    use_page_world();
    lu_set_pen(kBlue, 0, 0, 0);
    std::vector<float> points = star(55, 180, 52);
    lu_draw_polygon(points.data(), 5, 0);  // alternate: the centre stays empty
    lu_set_pen(kPurple, 0, 0, 0);
    points = star(155, 180, 52);
    lu_draw_polygon(points.data(), 5, 1);  // winding: filled through
    lu_set_pen(kRed, 0, 2, 0);
    const float curve[] = {212, 140, 220, 240, 260, 240, 262, 185, 264, 130, 310, 130, 308, 232};
    lu_draw_bezier(curve, 7);
    lu_set_pen(kGrey, 0, 0, 0);
    const float control[] = {212, 140, 220, 240, 260, 240, 262, 185, 264, 130, 310, 130, 308, 232};
    lu_draw_polyline(control, 7);  // the control polygon

    // Value plots: bars along x, impulses along y, a line with markers on it.
    const float values[] = {30, 60, 95, 75, 45, 85, 20, 55};
    lu_set_pen(kBlack, 0, 0, 0);
    const float axes[] = {10, 118, 10, 8, 108, 8};
    lu_draw_polyline(axes, 3);
    lu_set_pen(kDarkGreen, 0, 0, 0);
    lu_plot_array(0, 8, 20, 100, 8, 8, 1, 8, values);
    lu_set_pen(kRed, 0, 2, 0);
    lu_plot_array(-2, -6, 20, 110, 0, 122, 0.8f, 122, values);
    lu_set_pen(kBlack, 0, 0, 0);
    lu_plot_array(-1, 8, 215, 310, 0, 0, 1, 10, values);
    lu_set_pen(kBlue, 0, 0, 0);
    lu_set_marker(3, 7, -1, 0, 0);
    lu_plot_array(3, 8, 215, 310, 7, 0, 1, 10, values);
}

void draw_transform_clip(const Tweak&) {
    lu_set_viewport(0, 0, 0, 0);
    lu_set_world(0, 0, 0, 0);  // pixel mode: pixels, y downward
    // A box with its diagonal, plain in grey and turned by 30 degrees about its centre.
    for (int turned = 0; turned <= 1; ++turned) {
        if (turned != 0) {
            const std::array<float, 6> record = turn_about(80, 60, 1.0f / 12);
            lu_set_transform(record.data());
        }
        lu_set_pen(turned != 0 ? kBlue : kGrey, 0, turned != 0 ? 2 : 0, 0);
        lu_draw_box_a21(40, 30, 120, 90);
        lu_draw_line(40, 30, 119, 89);
    }
    // A shear to the right and a doubled height: an ellipse and a filled box.
    const float shear[] = {200, 1, -0.5f, 10, 0, 2};
    lu_set_transform(shear);
    lu_set_pen(kPurple, 0, 2, 0);
    lu_draw_box_a24(20, 5, 80, 45);
    lu_draw_box_a22(30, 15, 50, 35, kDarkGreen);
    lu_set_transform(nullptr);

    // Clipped to the inside of a box: only that part of a bigger box and a line shows.
    lu_set_rectangle_mode(60, 150, 140, 220, 1);
    lu_set_pen(kRed, 0, 0, 0);
    lu_draw_box_a22(30, 130, 120, 240, kRed);
    lu_set_pen(kBlue, 0, 3, 0);
    lu_draw_line(30, 130, 170, 238);
    lu_set_rectangle_mode(0, 0, 0, 0, 0);
    lu_set_pen(kBlack, 1, 0, 0);
    lu_draw_box_a21(60, 150, 140, 220);
    // Clipped to the outside: a frame with a hole.
    lu_set_rectangle_mode(210, 160, 270, 210, 2);
    lu_set_pen(kDarkGreen, 0, 0, 0);
    lu_draw_box_a22(180, 140, 300, 230, kDarkGreen);
    lu_set_pen(kBlue, 0, 3, 0);
    lu_draw_line(180, 185, 300, 185);
    lu_set_rectangle_mode(0, 0, 0, 0, 0);
}

}  // namespace lumora::gallery
