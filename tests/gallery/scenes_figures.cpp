// Figures with their fill codes, pen styles and widths, and the sixteen mix modes.
#include "client/include/lumora.h"
#include "scenes.h"

namespace lumora::gallery {
namespace {

// Colour-entry numbers of the default table.
constexpr int kBlack = 0, kWhite = 1, kRed = 2, kBlue = 4, kMagenta = 6, kMaroon = 10,
              kDarkGreen = 11, kNavy = 12, kOlive = 13, kPurple = 14, kTeal = 15;

// Keeps the style, width and mix unless given.
void pen(int colour, int style = 0, int width = 0, int mix = 0) {
    lu_set_pen(colour, style, width, mix);
}

// A figure cell of the 4 x 3 grid, 80 pixels square, inset by 12 pixels; row 0 on top.
struct Cell {
    float x1, y1, x2, y2;
};
Cell cell(int column, int row) {
    const float left = 80.0f * float(column), top = 240.0f - 80.0f * float(row);
    return {left + 12, top - 68, left + 68, top - 12};
}

}  // namespace

void draw_figures(const Tweak& tweak) {
    use_page_world();
    Cell c = cell(0, 0);
    pen(kRed, 0, 1);
    lu_draw_box_a21(c.x1, c.y1, c.x2, c.y2);
    c = cell(1, 0);
    lu_draw_box_a22(c.x1, c.y1, c.x2, c.y2, tweak.recolour ? kNavy : kBlue);
    c = cell(2, 0);
    lu_draw_box_a22(c.x1, c.y1, c.x2, c.y2, lu_make_rgb_colour(255, 128, 0));
    c = cell(3, 0);
    lu_draw_box_a22(c.x1, c.y1, c.x2, c.y2, lu_make_palette_colour(100));
    c = cell(0, 1);
    pen(kDarkGreen);
    lu_draw_box_a22(c.x1, c.y1, c.x2, c.y2, -5);  // not a colour: the pen's
    c = cell(1, 1);
    pen(kPurple, 0, 3);
    lu_draw_box_a23(c.x1, c.y1, c.x2, c.y2, 20, 14);
    c = cell(2, 1);
    pen(kMagenta, 0, 2);
    const auto nudge = static_cast<float>(tweak.nudge);
    lu_draw_box_a24(c.x1 + nudge, c.y1, c.x2 + nudge, c.y2 - 10);
    c = cell(3, 1);
    pen(kBlack, 0, 2);
    lu_draw_arc_a25(c.x1, c.y1, c.x2, c.y2, 0.0f, 0.75f);
    c = cell(0, 2);
    pen(kMaroon, 0, 2);
    lu_draw_arc_a26(c.x1, c.y1, c.x2, c.y2, 0.125f, 0.5f);
    c = cell(1, 2);
    pen(kNavy, 0, 2);
    lu_draw_arc_a27(c.x1, c.y1, c.x2, c.y2, 0.0f, 0.25f);
    c = cell(2, 2);
    pen(kRed, 0, 1);
    lu_draw_arc_a27(c.x1, c.y1, c.x2, c.y2, 0.5f, 0.75f);  // across angle 0
    c = cell(3, 2);
    pen(kOlive, 0, 3);
    lu_draw_arc_a25(c.x1, c.y1, c.x2, c.y2, 0.25f, 1.0f);  // a whole turn: the ellipse
}

void draw_pens(const Tweak&) {
    use_page_world();
    // Styles 0 .. 9, one pixel wide.
    for (int style = 0; style <= 9; ++style) {
        const float y = 228.0f - 20.0f * float(style);
        pen(kBlack, style, 0);
        lu_draw_line(10, y, 150, y);
    }
    // Widths of solid lines, and a wide dashed one.
    const int widths[] = {1, 2, 3, 5, 8, 12};
    for (int i = 0; i < 6; ++i) {
        const float y = 228.0f - 22.0f * float(i);
        pen(kBlue, 0, widths[i]);
        lu_draw_line(170, y, 310, y);
    }
    pen(kRed, 1, 3);
    lu_draw_line(170, 96, 310, 96);
    // The same box outlined with a wide solid pen and a wide inside-frame pen.
    pen(kRed, 0, 8);
    lu_draw_box_a21(172, 12, 232, 72);
    pen(kDarkGreen, 6, 8);
    lu_draw_box_a21(248, 12, 308, 72);
    pen(kTeal, 6, 6);
    lu_draw_box_a24(258, 22, 298, 62);
    pen(kBlack, 0, 0);
    lu_draw_box_a21(248, 12, 308, 72);  // where the frame's box is
}

void draw_mixes(const Tweak&) {
    use_page_world();
    lu_send_command_b23(lu_make_rgb_colour(240, 230, 140), 1);  // a khaki page
    // Stripes to mix with: the page, black, white, red and a blue.
    const int stripes[] = {kBlack, kWhite, kRed, lu_make_rgb_colour(0, 96, 192)};
    pen(kBlack, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        const float left = 64.0f * float(i + 1);
        lu_draw_box_a22(left, 0, left + 64, 240, stripes[i]);
    }
    // Modes 1 .. 16 top to bottom: a filled bar and, on the last stripe, a wide line.
    const int mix_colour = lu_make_rgb_colour(0, 200, 100);
    for (int mix = 1; mix <= 16; ++mix) {
        const float top = 236.0f - 14.0f * float(mix - 1);
        pen(mix_colour, 0, 4, mix);
        lu_draw_box_a22(8, top - 10, 252, top, -1);
        lu_draw_line(264, top - 5, 314, top - 5);
    }
}

}  // namespace lumora::gallery
