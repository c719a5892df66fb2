// Drawing texts and symbols: the range test, the conversion, and what reaches the block.
#include <cmath>
#include <random>
#include <string>

#include "client/drawing/coordinates.h"

#include "text_fixture.h"

namespace lumora::test {
namespace {

using DrawTextTest = TextTest;

constexpr int kFar = 32767;

TEST_F(DrawTextTest, PointsOneRangeWidthOutAreConvertedAndFartherOnesAreFar) {
    fake().results = std::deque<std::int32_t>(9, window());
    struct Case {
        float x, y;
        int device_x, device_y;
    };
    const Case cases[] = {
        {20.0f, 5.0f, 1200, 300},     // exactly one width beyond wx2
        {-10.0f, 5.0f, -599, 300},    // exactly one width before wx1
        {5.0f, 20.0f, 300, -599},     // exactly one height above
        {5.0f, -10.0f, 300, 1200},    // exactly one height below
        {20.01f, 5.0f, kFar, kFar},   // just beyond
        {-10.01f, 5.0f, kFar, kFar},  //
        {5.0f, 20.01f, kFar, kFar},   // y alone decides as well
        {5.0f, -10.01f, kFar, kFar},  //
        {2.5f, 7.5f, 150, 150},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lu_draw_text(c.x, c.y, "T"), window());
        EXPECT_EQ(last_command(), command('A'));
        EXPECT_EQ(last().param1, 15);
        EXPECT_EQ(last().param2, c.device_x) << c.x << ", " << c.y;
        EXPECT_EQ(last().param3, c.device_y) << c.x << ", " << c.y;
    }
}

TEST_F(DrawTextTest, RangeTestHoldsForMirroredWorldsAndPixelMode) {
    set_world(10.0f, 0.0f, 0.0f, 10.0f, -60.0f, 60.0f);
    fake().results = std::deque<std::int32_t>(4, window());
    lu_draw_text(-10.0f, 5.0f, "m");
    EXPECT_EQ(last().param2, 1200);
    lu_draw_text(-10.01f, 5.0f, "m");
    EXPECT_EQ(last().param2, kFar);

    set_world(0.0f, 0.0f, 639.0f, 479.0f, 0.0f, 0.0f);
    layout::write_i32(block(), layout::kPixelMode, 1);
    lu_draw_text(1278.0f, 10.4f, "p");
    EXPECT_EQ(last().param2, 1278);
    EXPECT_EQ(last().param3, 10);
    lu_draw_text(1279.0f, 10.4f, "p");
    EXPECT_EQ(last().param3, kFar);
}

// A program computes the point one width out in single precision; that point must be
// converted, whatever the rounding, and the next representable value beyond is far.
TEST_F(DrawTextTest, PointOneWidthOutInSinglePrecisionIsConvertedForAnyWindow) {
    const auto expect_limits_hold = [this](float x1, float x2) {
        set_world(x1, 0.0f, x2, 10.0f, 600.0f / (x2 - x1), 60.0f);
        const float width = x2 - x1;
        const float limits[] = {x2 + width, x1 - width};
        for (const float limit : limits) {
            const float outward = limit > x2 ? INFINITY : -INFINITY;
            lu_draw_text(limit, 5.0f, "w");
            EXPECT_NE(last().param2, kFar) << x1 << " " << x2 << " at " << limit;
            EXPECT_EQ(last().param2, device_x(block(), limit));
            lu_draw_text(std::nextafter(limit, outward), 5.0f, "w");
            EXPECT_EQ(last().param2, kFar) << x1 << " " << x2 << " past " << limit;
        }
    };
    fake().results = std::deque<std::int32_t>(4 * 202, window());
    expect_limits_hold(-1.0f, 0.7f);  // 0.7 + 1.7 rounds up to 2.4000001
    std::mt19937 random(12);
    std::uniform_real_distribution<float> coordinate(-1000.0f, 1000.0f);
    for (int i = 0; i < 200; ++i) {
        const float x1 = coordinate(random);
        const float x2 = coordinate(random);
        if (x1 != x2) expect_limits_hold(x1, x2);
    }
}

TEST_F(DrawTextTest, ResultIsTheWindowOnlyWhenTheCommandSucceeds) {
    fake().results = {0, 42};
    EXPECT_EQ(lu_draw_text(1.0f, 1.0f, "no"), 0);
    EXPECT_EQ(lu_draw_text(1.0f, 1.0f, "yes"), window());
    EXPECT_EQ(last_text(), "yes");
}

TEST_F(DrawTextTest, LongTextsAreCutToTheTextArea) {
    const std::string text(3000, 'x');
    fake().results = {window()};
    lu_draw_text(1.0f, 1.0f, text.c_str());
    EXPECT_EQ(last_text(), std::string(2047, 'x'));
}

TEST_F(DrawTextTest, ReferenceFormSendsTheTextWithoutItsTrailingBlanks) {
    const float x = 20.0f, y = 10.0f;
    int result = -1;
    fake().results = {window(), 0};
    EXPECT_EQ(lu_draw_text_(&result, &x, &y, "abc     ", 8), window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(last_text(), "abc");
    EXPECT_EQ(last().param2, 1200);
    EXPECT_EQ(last().param3, 0);
    // Only the given length counts, not what follows it.
    EXPECT_EQ(lu_draw_text_(&result, &x, &y, "a b  cdef", 5), 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(last_text(), "a b");
}

TEST_F(DrawTextTest, WindowFormsTakeDeviceUnitsAndTheirOwnWindow) {
    const int other = open(5);
    make_current(window());
    fake().deliveries.clear();
    fake().results = {other, other};
    EXPECT_EQ(lu_draw_text_in_window(other, 70000, -3, "there"), other);
    EXPECT_EQ(last_command(), std::string({'A', layout::window_char(other), '\0'}));
    EXPECT_EQ(last().param2, 70000);
    EXPECT_EQ(last().param3, -3);
    const char* area = reinterpret_cast<const char*>(window_block(other) + layout::kText);
    EXPECT_STREQ(area, "there");
    EXPECT_EQ(lu_draw_symbol_in_window(other, 1, 2, 65), other);
    EXPECT_EQ(layout::read_i32(window_block(other), layout::kFont2Attr2), 65);
    EXPECT_EQ(word(layout::kFont2Attr2), 0);

    EXPECT_EQ(lu_draw_text_in_window(40, 1, 1, "none"), 0);
    EXPECT_EQ(lu_draw_symbol_in_window(0, 1, 1, 65), 0);
    EXPECT_EQ(sent_count(), 2u);
}

using DrawSymbolTest = TextTest;

TEST_F(DrawSymbolTest, OnlyTheLowByteIsWrittenAndNegativeCodesRepeat) {
    std::uint8_t* area = block() + layout::kText;
    area[0] = 'Q';
    area[1] = 'Z';
    fake().results = {window(), window(), window()};
    EXPECT_EQ(lu_draw_symbol(100.0f, 5.0f, 0x141), window());  // no range test
    EXPECT_EQ(last().param1, 16);
    EXPECT_EQ(last().param2, 6000);
    EXPECT_EQ(last().param3, 300);
    EXPECT_EQ(area[0], 0x41);
    EXPECT_EQ(area[1], 'Z');
    EXPECT_EQ(word(layout::kFont2Attr2), 0x141);

    area[0] = 0;
    EXPECT_EQ(lu_draw_symbol(1.0f, 1.0f, -1), window());
    EXPECT_EQ(area[0], 0x41);
    EXPECT_EQ(word(layout::kFont2Attr2), 0x141);

    const float x = 0.0f, y = 10.0f;
    const int code = 0;
    int result = -1;
    EXPECT_EQ(lu_draw_symbol_(&result, &x, &y, &code), window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(area[0], 0);
    EXPECT_EQ(word(layout::kFont2Attr2), 0);
    EXPECT_EQ(last().param2, 0);
    EXPECT_EQ(last().param3, 0);
}

}  // namespace
}  // namespace lumora::test
