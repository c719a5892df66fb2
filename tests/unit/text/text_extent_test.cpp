// Extents: which reply word goes where, how device lengths become world lengths, and
// that failed measurements leave the outputs alone.
#include "text_fixture.h"

namespace lumora::test {
namespace {

using ExtentTest = TextTest;

TEST_F(ExtentTest, TextExtentDividesByTheMagnitudeOfEachAxisScale) {
    set_world(0.0f, 10.0f, 10.0f, 0.0f, 60.0f, -30.0f);
    reply_with(120, 30, 90, -45);
    fake().results = {7};
    float a = 0, b = 0, c = 0, d = 0;
    EXPECT_EQ(lu_get_text_extent(&a, &b, &c, &d, "Hello"), window());
    EXPECT_EQ(last_command(), command('B'));
    EXPECT_EQ(last().param1, 17);
    EXPECT_EQ(last_text(), "Hello");
    EXPECT_FLOAT_EQ(a, 2.0f);
    EXPECT_FLOAT_EQ(b, 1.0f);
    EXPECT_FLOAT_EQ(c, 1.5f);
    EXPECT_FLOAT_EQ(d, -1.5f);

    // Any output may be left out.
    reply_with(60, 60, 60, 60);
    fake().results = {7};
    a = b = c = d = -9.0f;
    EXPECT_EQ(lu_get_text_extent(nullptr, &b, nullptr, &d, "x"), window());
    EXPECT_FLOAT_EQ(b, 2.0f);
    EXPECT_FLOAT_EQ(d, 2.0f);
    EXPECT_FLOAT_EQ(a, -9.0f);
}

TEST_F(ExtentTest, PixelModeAndWindowFormGiveDeviceLengths) {
    reply_with(11, 22, 33, 44);
    layout::write_i32(block(), layout::kPixelMode, 1);
    fake().results = {1, 1};
    float a = 0, b = 0, c = 0, d = 0;
    EXPECT_EQ(lu_get_text_extent(&a, &b, &c, &d, "p"), window());
    EXPECT_FLOAT_EQ(a, 11.0f);
    EXPECT_FLOAT_EQ(d, 44.0f);
    layout::write_i32(block(), layout::kPixelMode, 0);
    int w = 0, h = 0, x = 0, y = 0;
    EXPECT_EQ(lu_get_text_extent_in_window(window(), &w, &h, &x, &y, "q"), window());
    EXPECT_EQ(w, 11);
    EXPECT_EQ(h, 22);
    EXPECT_EQ(x, 33);
    EXPECT_EQ(y, 44);
}

TEST_F(ExtentTest, FailedMeasurementsReturnTheAnswerAndTouchNothing) {
    reply_with(60, 60, 60, 60);
    fake().results = {0, -3, 0, -4};
    float a = -1, b = -1, c = -1, d = -1;
    EXPECT_EQ(lu_get_text_extent(&a, &b, &c, &d, "t"), 0);
    EXPECT_EQ(lu_get_text_extent(&a, &b, &c, &d, "t"), -3);
    EXPECT_EQ(lu_get_symbol_extent(&a, &b, 65), 0);
    int result = 99;
    const int code = 65;
    EXPECT_EQ(lu_get_symbol_extent_(&result, &a, &b, &code), -4);
    EXPECT_EQ(result, -4);
    EXPECT_EQ(a, -1.0f);
    EXPECT_EQ(b, -1.0f);
    EXPECT_EQ(c, -1.0f);
    EXPECT_EQ(d, -1.0f);
}

TEST_F(ExtentTest, SymbolExtentReadsTheSecondAndThirdReplyWords) {
    reply_with(1000, 120, 90, 1000);
    fake().results = {5, 5};
    float width = 0, height = 0;
    EXPECT_EQ(lu_get_symbol_extent(&width, &height, 200), window());
    EXPECT_EQ(last().param1, 18);
    EXPECT_EQ(last().param2, 200);
    EXPECT_FLOAT_EQ(width, 2.0f);
    EXPECT_FLOAT_EQ(height, 1.5f);
    int w = 0, h = 0;
    EXPECT_EQ(lu_get_symbol_extent_in_window(window(), &w, &h, -7), window());
    EXPECT_EQ(last().param2, -7);
    EXPECT_EQ(w, 120);
    EXPECT_EQ(h, 90);
}

TEST_F(ExtentTest, ReferenceFormMeasuresTheTextWithoutTrailingBlanks) {
    reply_with(60, 60, 0, 0);
    fake().results = {2};
    float a = 0, b = 0, c = -1, d = -1;
    int result = 0;
    EXPECT_EQ(lu_get_text_extent_(&result, &a, &b, &c, &d, "abc     ", 8), window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(last_text(), "abc");
    EXPECT_FLOAT_EQ(a, 1.0f);
    EXPECT_FLOAT_EQ(c, 0.0f);
}

}  // namespace
}  // namespace lumora::test
