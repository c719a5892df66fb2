// Box and arc figures: the words they leave in the block and their ray points.
#include "drawing_fixture.h"

namespace lumora::test {
namespace {

using FiguresTest = DrawingTest;
using Words = std::array<std::int32_t, 8>;

Words box_words(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                const Words& seen) {
    return {x1, y1, x2, y2, seen[4], seen[5], seen[6], seen[7]};
}

TEST_F(FiguresTest, BoxesCarryTheirCornersUnsorted) {
    set_state({});
    answer(4);
    int result = 0;
    const float x1 = 2.0f, y1 = 1.0f, x2 = 1.0f, y2 = 3.0f;
    EXPECT_EQ(lu_draw_box_a21_(&result, &x1, &y1, &x2, &y2), window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(fake().deliveries.back().param1, 21);
    EXPECT_EQ(words.back(), box_words(120, 540, 60, 420, words.back()));

    EXPECT_EQ(lu_draw_box_a22(2.0f, 1.0f, 1.0f, 3.0f, -77), window());
    EXPECT_EQ(fake().deliveries.back().param1, 22);
    EXPECT_EQ(fake().deliveries.back().param2, -77);
    EXPECT_EQ(words.back(), box_words(120, 540, 60, 420, words.back()));

    EXPECT_EQ(lu_draw_box_a24_in_window(window(), -5, 6, 7, 8), window());
    EXPECT_EQ(fake().deliveries.back().param1, 24);
    EXPECT_EQ(words.back(), box_words(-5, 6, 7, 8, words.back()));
    fake().results = {0};
    EXPECT_EQ(lu_draw_box_a24(0, 0, 1, 1), 0);
}

TEST_F(FiguresTest, BoxCornerLengthsUseTheScaleMagnitudes) {
    DrawingState s;
    s.y_scale = -40.0f;  // mirrored y
    set_state(s);
    answer();
    EXPECT_EQ(lu_draw_box_a23(0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f), window());
    const auto& d = fake().deliveries.back();
    EXPECT_EQ(d.param1, 23);
    EXPECT_EQ(d.param2, 60);
    EXPECT_EQ(d.param3, 40);
    EXPECT_EQ(words.back(), box_words(0, 600, 60, 640, words.back()));
}

TEST_F(FiguresTest, ArcRaysPointAlongStartAndEnd) {
    set_state({});  // x0 = 0, y0 = 600, scale 60, unit 600
    answer(3);
    EXPECT_EQ(lu_draw_arc_a25(0.0f, 0.0f, 2.0f, 2.0f, 0.0f, 0.25f), window());
    EXPECT_EQ(fake().deliveries.back().param1, 25);
    const Words& w = words.back();
    EXPECT_EQ(w[0], 0);
    EXPECT_EQ(w[1], 600);
    EXPECT_EQ(w[2], 120);
    EXPECT_EQ(w[3], 480);
    // Start ray: the world point (1 + 600, 1), to the right of the centre (60, 540).
    EXPECT_EQ(w[4], 36060);
    EXPECT_EQ(w[5], 540);
    // End ray: straight up, one unit length away.
    EXPECT_EQ(w[6], 60);
    EXPECT_EQ(w[7], -35459);  // 600 - 601 * 60 + 0.5, truncated toward zero

    lu_draw_arc_a26(0.0f, 0.0f, 2.0f, 2.0f, 0.5f, 0.25f);
    EXPECT_EQ(fake().deliveries.back().param1, 26);
    EXPECT_LT(words.back()[4], 60);   // start to the left
    EXPECT_GT(words.back()[7], 540);  // end below: three quarters of a turn
    int result = 0;
    const float a = 0.0f, b = 2.0f, start = 0.0f, extent = 1.0f;
    EXPECT_EQ(lu_draw_arc_a27_(&result, &a, &a, &b, &b, &start, &extent), window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(fake().deliveries.back().param1, 27);
    EXPECT_EQ(words.back()[6], words.back()[4]);  // a full turn ends where it starts
}

TEST_F(FiguresTest, ArcAnglesUseTheFixedTurnFactor) {
    DrawingState s;
    s.pixel_mode = 1;
    s.unit = 480;
    set_state(s);
    answer();
    // Half a turn: 0.5 * 6.283184 stops short of pi, so the sine is slightly positive and
    // 0.5 + sin * 480 + 0.5 truncates to 1; with the nearest value of 2 pi it would be 0.
    lu_draw_arc_a25(0.0f, 0.0f, 1.0f, 1.0f, 0.5f, 0.0f);
    const Words& w = words.back();
    EXPECT_EQ(w[5], 1);
    EXPECT_EQ(w[7], 1);
    // cos is a hair above -1: 0.5 - 479.9999999 + 0.5 truncates toward zero.
    EXPECT_EQ(w[4], -478);
    EXPECT_EQ(w[2], 1);  // corners in pixel mode are pixels
}

TEST_F(FiguresTest, ArcRaysThatCannotBeRepresentedGiveIntMin) {
    DrawingState s;
    s.x_scale = 1e30f;
    set_state(s);
    answer();
    lu_draw_arc_a25(0.0f, 0.0f, 2.0f, 2.0f, 0.0f, 0.5f);
    EXPECT_EQ(words.back()[4], INT32_MIN);
    EXPECT_EQ(lu_draw_arc_a25_in_window(9, 0, 0, 0, 0, 0, 0, 0, 0), 0);
}

}  // namespace
}  // namespace lumora::test
