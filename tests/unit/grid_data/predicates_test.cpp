// The orientation and in-circle tests keep their sign where rounding would lose it.
#include <gtest/gtest.h>

#include <cmath>

#include "client/plot/predicates.h"

namespace lumora::plot {
namespace {

TEST(Predicates, OrientationSeesTurnsAndLines) {
    EXPECT_GT(orientation({0, 0}, {1, 0}, {0, 1}), 0);
    EXPECT_LT(orientation({0, 0}, {0, 1}, {1, 0}), 0);
    EXPECT_EQ(orientation({0, 0}, {1, 1}, {3, 3}), 0);
}

// Points a few units in the last place off a line through large coordinates: the plain
// floating-point determinant is swamped by its rounding, the exact one is not.
TEST(Predicates, OrientationIsExactNearALine) {
    const double big = 1e15;
    const Point2 a{big, big}, b{big + 2, big + 2};
    EXPECT_EQ(orientation(a, b, {big + 4, big + 4}), 0);
    EXPECT_GT(orientation(a, b, {big + 4, big + 6}), 0);
    EXPECT_LT(orientation(a, b, {big + 6, big + 4}), 0);
    const double x = 0.5 + std::ldexp(1.0, -52);
    EXPECT_GT(orientation({0.5, 0.5}, {12, 12}, {x, 0.5 + std::ldexp(1.0, -51)}), 0);
    EXPECT_EQ(orientation({0.5, 0.5}, {12, 12}, {24, 24}), 0);
    EXPECT_LT(orientation({0.5, 0.5}, {12, 12}, {24, std::nextafter(24.0, 0.0)}), 0);
}

TEST(Predicates, InCircleIsExactOnAndNearTheCircle) {
    // The unit circle through three of its points: a fourth on it, just in, just out.
    const Point2 a{1, 0}, b{0, 1}, c{-1, 0};
    EXPECT_EQ(in_circle(a, b, c, {0, -1}), 0);
    EXPECT_GT(in_circle(a, b, c, {0, std::nextafter(-1.0, 0.0)}), 0);
    EXPECT_LT(in_circle(a, b, c, {0, std::nextafter(-1.0, -2.0)}), 0);
    EXPECT_GT(in_circle(a, b, c, {0, 0}), 0);
    // Four corners of a square far from the origin are cocircular, exactly.
    const double o = 1e9 + 0.125;
    EXPECT_EQ(in_circle({o, o}, {o + 1, o}, {o + 1, o + 1}, {o, o + 1}), 0);
    EXPECT_GT(in_circle({o, o}, {o + 1, o}, {o + 1, o + 1}, {o + 0.5, o + 1}), 0);
}

}  // namespace
}  // namespace lumora::plot
