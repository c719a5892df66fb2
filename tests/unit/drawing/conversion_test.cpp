// World-to-device conversion, its inverse, and the one real-to-integer conversion.
#include <cmath>
#include <limits>

#include "client/drawing/float_to_int.h"
#include "drawing_fixture.h"

namespace lumora::test {
namespace {

using ConversionTest = DrawingTest;

TEST(TruncateToInt, TruncatesTowardZeroAndGivesIntMinOutsideTheRange) {
    EXPECT_EQ(truncate_to_int(2.9), 2);
    EXPECT_EQ(truncate_to_int(-2.9), -2);
    EXPECT_EQ(truncate_to_int(-0.7), 0);
    EXPECT_EQ(truncate_to_int(2147483647.9), INT32_MAX);
    EXPECT_EQ(truncate_to_int(-2147483648.9), INT32_MIN);
    EXPECT_EQ(truncate_to_int(2147483648.0), INT32_MIN);
    EXPECT_EQ(truncate_to_int(-2147483649.0), INT32_MIN);
    EXPECT_EQ(truncate_to_int(std::numeric_limits<double>::quiet_NaN()), INT32_MIN);
    EXPECT_EQ(truncate_to_int(std::numeric_limits<double>::infinity()), INT32_MIN);
    EXPECT_EQ(truncate_to_int(-std::numeric_limits<double>::infinity()), INT32_MIN);
    EXPECT_EQ(truncate_to_int(1e30f), INT32_MIN);
}

TEST_F(ConversionTest, HalfIsAddedBeforeTruncatingSoNegativeValuesRoundTowardZero) {
    set_state({});  // x0 = 0, sx = 60, wx1 = 0; y0 = 600, sy = 60
    const float xs[] = {-0.01f, -0.02f, -0.03f, 0.0f, 1.0f, 0.99f};
    const int expected[] = {0, 0, -1, 0, 60, 59};
    for (std::size_t i = 0; i < std::size(xs); ++i) {
        int x = -99;
        EXPECT_EQ(lu_world_to_device(xs[i], 0.0f, &x, nullptr), window());
        EXPECT_EQ(x, expected[i]) << xs[i];
    }
    int y = 0;
    lu_world_to_device(0.0f, 1.0f, nullptr, &y);
    EXPECT_EQ(y, 540);  // y runs downward from y0
    lu_world_to_device(0.0f, 10.01f, nullptr, &y);
    EXPECT_EQ(y, 0);  // -0.6 + 0.5
}

TEST_F(ConversionTest, SinglePrecisionDecidesTheRounding) {
    DrawingState s;
    s.pixel_mode = 1;
    set_state(s);
    int x = 0;
    // 0.49999997 + 0.5 rounds up to 1 in single precision; in double it would stay below.
    lu_world_to_device(0.49999997f, 0.0f, &x, nullptr);
    EXPECT_EQ(x, 1);
    s.pixel_mode = 0;
    s.x_scale = 3.0f;
    s.origin_x = 7;
    s.world_x1 = 0.1f;
    set_state(s);
    lu_world_to_device(0.2f, 0.0f, &x, nullptr);
    const float single = 7.0f + (0.2f - 0.1f) * 3.0f + 0.5f;
    EXPECT_EQ(x, static_cast<int>(single));
}

TEST_F(ConversionTest, UnrepresentableResultsGiveIntMin) {
    set_state({});
    const float bad[] = {std::nanf(""), std::numeric_limits<float>::infinity(), 1e30f, -1e30f};
    for (float v : bad) {
        int x = 0;
        int y = 0;
        int w = 0;
        EXPECT_EQ(lu_world_to_device(v, v, &x, &y), window());
        EXPECT_EQ(x, INT32_MIN) << v;
        EXPECT_EQ(y, INT32_MIN) << v;
        lu_world_to_device_size(v, 1.0f, &w, nullptr);
        EXPECT_EQ(w, INT32_MIN) << v;
    }
}

TEST_F(ConversionTest, LengthsUseTheScaleMagnitudes) {
    DrawingState s;
    s.y_scale = -40.0f;  // mirrored y
    set_state(s);
    int w = 0;
    int h = 0;
    int result = 0;
    const float one = 1.0f;
    EXPECT_EQ(lu_world_to_device_size_(&result, &one, &one, &w, &h), window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(w, 60);
    EXPECT_EQ(h, 40);
    s.pixel_mode = 1;
    set_state(s);
    lu_world_to_device_size(2.5f, 2.4f, &w, &h);
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 2);
}

TEST_F(ConversionTest, PositionIsReadBackThroughTheInverseConversion) {
    DrawingState s;
    s.origin_x = 30;
    s.world_x1 = -0.5f;
    set_state(s);
    float x = 7.0f;
    float y = 8.0f;
    set_position(-1, 100);
    EXPECT_EQ(lu_get_position(&x, &y), 0);  // none yet: outputs untouched
    EXPECT_EQ(x, 7.0f);
    int dx = 5;
    EXPECT_EQ(lu_get_device_position(window(), &dx, nullptr), 0);
    EXPECT_EQ(dx, 5);

    set_position(150, 480);
    int result = 0;
    EXPECT_EQ(lu_get_position_(&result, &x, &y), window());
    EXPECT_EQ(result, window());
    EXPECT_FLOAT_EQ(x, (150.0f - 30.0f) / 60.0f + -0.5f);
    EXPECT_FLOAT_EQ(y, 0.0f - (480.0f - 600.0f) / 60.0f);
    int dy = 0;
    const int w = window();
    EXPECT_EQ(lu_get_device_position_(&result, &w, &dx, &dy), window());
    EXPECT_EQ(dx, 150);
    EXPECT_EQ(dy, 480);
    EXPECT_EQ(lu_get_device_position(7, &dx, &dy), 0);  // not an open window

    s.pixel_mode = 1;
    set_state(s);
    lu_get_position(&x, &y);
    EXPECT_EQ(x, 150.0f);
    EXPECT_EQ(y, 480.0f);
}

TEST_F(ConversionTest, ExtremeBlockWordsStayDefined) {
    DrawingState s;
    s.origin_x = INT32_MIN;
    s.origin_y = INT32_MAX;
    set_state(s);
    set_position(INT32_MAX, INT32_MIN);
    float x = 0.0f;
    float y = 0.0f;
    EXPECT_EQ(lu_get_position(&x, &y), window());
    EXPECT_GT(x, 0.0f);
    EXPECT_GT(y, 0.0f);
}

}  // namespace
}  // namespace lumora::test
