// Pen masks, the transform's fixed-point factors and offsets, and the rectangle mode.
#include "drawing_fixture.h"

namespace lumora::test {
namespace {

using PenTransformTest = DrawingTest;

TEST_F(PenTransformTest, SetPenStoresGivenValuesAndMarksThem) {
    layout::write_i32(block(), layout::kChanged, 0x100);  // a marker bit stays set
    layout::write_i32(block(), layout::kPenStyle, 3);
    answer();
    EXPECT_EQ(lu_set_pen(13, -1, -1, -1), window());
    EXPECT_EQ(fake().deliveries.back().param1, 6);
    EXPECT_EQ(fake().deliveries.back().bytes[0], 'A');
    EXPECT_EQ(i32(layout::kPenColour), 13);
    EXPECT_EQ(i32(layout::kChanged), 0x104);
    EXPECT_EQ(i32(layout::kPenStyle), 3);

    answer();
    int result = 0;
    const int colour = -1, style = 9, width = 0, mix = 31;
    EXPECT_EQ(lu_set_pen_(&result, &colour, &style, &width, &mix), window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(i32(layout::kChanged), 0x10F);
    int c = 0, st = 0, wd = 0, m = 0;
    EXPECT_EQ(lu_get_pen_(&result, &c, &st, &wd, &m), window());
    EXPECT_EQ(c, 13);
    EXPECT_EQ(st, 9);
    EXPECT_EQ(wd, 0);
    EXPECT_EQ(m, 31);
}

TEST_F(PenTransformTest, OutOfRangePenValuesAreIgnoredButTheCommandIsSent) {
    layout::write_i32(block(), layout::kChanged, 0);
    layout::write_i32(block(), layout::kPenStyle, 4);
    layout::write_i32(block(), layout::kPenMix, 5);
    const std::size_t before = fake().deliveries.size();
    answer(2);
    EXPECT_EQ(lu_set_pen(-1, 10, -2, 32), window());
    EXPECT_EQ(lu_set_pen_in_window(window(), -1, -7, -1, -1), window());
    EXPECT_EQ(fake().deliveries.size(), before + 2);
    EXPECT_EQ(i32(layout::kChanged), 0);
    int style = 0, mix = 0;
    lu_get_pen(nullptr, &style, nullptr, &mix);
    EXPECT_EQ(style, 4);
    EXPECT_EQ(mix, 5);
}

TEST_F(PenTransformTest, AllMinusOneClearsThePositionOnce) {
    set_position(-1, -1);
    const std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_set_pen(-1, -1, -1, -1), window());
    EXPECT_EQ(fake().deliveries.size(), before);  // already clear: nothing sent
    set_position(5, 6);
    answer();
    EXPECT_EQ(lu_set_pen(-1, -1, -1, -1), window());
    const auto& d = fake().deliveries.back();
    EXPECT_EQ(d.param1, 11);
    EXPECT_EQ(d.param2, -1);
    EXPECT_EQ(d.param3, -1);
    EXPECT_EQ(i32(layout::kPenX), -1);
    EXPECT_EQ(i32(layout::kPenY), -1);
}

TEST_F(PenTransformTest, NoTransformRecordSendsTheIdentity) {
    answer();
    int result = 0;
    EXPECT_EQ(lu_set_transform_(&result, nullptr), window());
    EXPECT_EQ(result, window());
    const auto& d = fake().deliveries.back();
    EXPECT_EQ(d.param1, 7);
    EXPECT_EQ(d.param2, 0);
    EXPECT_EQ(d.param3, 0);
    EXPECT_EQ(words.back()[0], 65536);
    EXPECT_EQ(words.back()[1], 0);
    EXPECT_EQ(words.back()[2], 0);
    EXPECT_EQ(words.back()[3], 65536);
}

TEST_F(PenTransformTest, TransformOffsetsAreRelativeToTheWorldOrigin) {
    DrawingState s;
    s.origin_x = 100;
    s.origin_y = 500;
    s.x_scale = 50.0f;
    s.y_scale = 50.0f;
    set_state(s);  // world origin at device (100, 500)
    answer(2);
    const float record[] = {1.0f, 0.333f, 0.5f, 2.0f, -1.5f, 1.0f};
    EXPECT_EQ(lu_set_transform(record), window());
    const auto& d = fake().deliveries.back();
    // 150 - 0.333 * 100 - 0.5 * 500 = -133.3, truncated toward zero.
    EXPECT_EQ(d.param2, -133);
    // 400 + 1.5 * 100 - 1 * 500 = 50.
    EXPECT_EQ(d.param3, 50);
    EXPECT_EQ(words.back()[0], 21823);   // 0.333 * 65536 = 21823.49
    EXPECT_EQ(words.back()[1], -32768);  // -r2
    EXPECT_EQ(words.back()[2], 98304);   // -r4
    EXPECT_EQ(words.back()[3], 65536);

    s.pixel_mode = 1;
    set_state(s);
    const float shifted[] = {10.6f, 2.0f, 0.0f, -3.7f, 0.0f, 2.0f};
    lu_set_transform(shifted);  // pixel mode: no origin terms
    EXPECT_EQ(fake().deliveries.back().param2, 11);
    EXPECT_EQ(fake().deliveries.back().param3, -3);
}

TEST_F(PenTransformTest, GetTransformDecodesTheReply) {
    DrawingState s;
    s.origin_x = 100;
    s.origin_y = 500;
    s.x_scale = 50.0f;
    s.y_scale = 50.0f;
    set_state(s);
    reply = [](std::uint8_t* b, const platform::Delivery&) {
        layout::write_i32(b, layout::kParam2, 160);
        layout::write_i32(b, layout::kParam3, 450);
        layout::write_i32(b, layout::kResult1, 65536);
        layout::write_i32(b, layout::kResult2, -32768);
        layout::write_i32(b, layout::kResult3, 131072);
        layout::write_i32(b, layout::kResult4, -6553);
    };
    float record[6] = {9, 9, 9, 9, 9, 9};
    const std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_get_transform(nullptr), 0);
    EXPECT_EQ(fake().deliveries.size(), before);
    fake().results = {-3};
    int result = 0;
    EXPECT_EQ(lu_get_transform_(&result, record), -3);
    EXPECT_EQ(result, -3);
    EXPECT_EQ(record[0], 9.0f);  // a failed query leaves the record alone

    answer();
    EXPECT_EQ(lu_get_transform(record), window());
    EXPECT_EQ(fake().deliveries.back().param1, 30);
    EXPECT_EQ(fake().deliveries.back().bytes[0], 'B');
    EXPECT_FLOAT_EQ(record[0], 1.2f);  // (160 - 100) / 50 + 0
    EXPECT_EQ(record[1], 1.0f);
    EXPECT_EQ(record[2], -0.5f);       // as sent, not negated back
    EXPECT_FLOAT_EQ(record[3], 1.0f);  // 0 - (450 - 500) / 50
    EXPECT_EQ(record[4], 2.0f);
    EXPECT_EQ(record[5], -6553.0f / 65536.0f);

    answer();
    int x = 0, y = 0;
    float factors[4] = {};
    EXPECT_EQ(lu_get_transform_in_window(window(), &x, &y, factors), window());
    EXPECT_EQ(x, 160);
    EXPECT_EQ(y, 450);
    EXPECT_EQ(factors[1], -0.5f);

    s.pixel_mode = 1;
    set_state(s);
    answer();
    lu_get_transform(record);
    EXPECT_EQ(record[0], 160.0f);
    EXPECT_EQ(record[3], 450.0f);
}

TEST_F(PenTransformTest, RectangleModeOutsideItsRangeBecomesZero) {
    set_state({});
    answer(2);
    int result = 0;
    const float a = 1.0f, b = 2.0f;
    const int five = 5;
    EXPECT_EQ(lu_set_rectangle_mode_(&result, &a, &a, &b, &b, &five), window());
    EXPECT_EQ(result, window());
    const auto& d = fake().deliveries.back();
    EXPECT_EQ(d.param1, 8);
    EXPECT_EQ(d.param2, 0);
    EXPECT_EQ(words.back()[0], 60);
    EXPECT_EQ(words.back()[1], 540);
    EXPECT_EQ(words.back()[2], 120);
    EXPECT_EQ(words.back()[3], 480);
    lu_set_rectangle_mode(0, 0, 1, 1, 4);
    EXPECT_EQ(fake().deliveries.back().param2, 4);
    EXPECT_EQ(lu_set_rectangle_mode_in_window(9, 0, 0, 1, 1, 1), 0);
}

}  // namespace
}  // namespace lumora::test
