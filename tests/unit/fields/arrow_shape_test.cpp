// The arrows' geometry on the page: named and own shapes, heads of fixed pixels or scaled
// with their arrows, whatever the world's aspect and direction.
#include "client/plot/arrow_shape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace lumora::plot {
namespace {

struct Pixel {
    double x, y;
};

// Point k of an arrow's world points in device pixels from its tail.
Pixel pixel(const std::vector<float>& world, std::size_t k, double x, double y,
            const DeviceScale& s) {
    return {(world[2 * k] - x) * s.sx, (world[2 * k + 1] - y) * s.sy};
}

double distance(Pixel a, Pixel b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Where a point lies along the arrow (pixels from the tail) and across it (positive on
// the arrow's left as the world shows it, y upward).
Pixel along_across(Pixel p, Pixel tip) {
    const double length = std::hypot(tip.x, tip.y);
    const double ax = tip.x / length, ay = -tip.y / length;  // page y runs downward
    return {p.x * ax - p.y * ay, -p.x * ay - p.y * ax};
}

constexpr DeviceScale kSquare{60, -60};  // 60 pixels a world unit, y upward
constexpr DeviceScale kWide{60, -20};    // x stretched three times y

TEST(ArrowShape, DefaultBarbsAreAThirdOfTheArrowAtMostTwelvePixels) {
    const ArrowStyle style = default_arrow_style();
    for (double units : {0.2, 3.0}) {  // 12 and 180 pixels long
        const std::vector<float> w = arrow_points(style, 1, 1, units, 0, kSquare);
        ASSERT_EQ(w.size(), 10u);
        const Pixel tip = pixel(w, 1, 1, 1, kSquare);
        EXPECT_NEAR(tip.x, 60 * units, 1e-3);
        EXPECT_NEAR(pixel(w, 3, 1, 1, kSquare).x, tip.x, 1e-3);  // back to the tip between
        const double barb = std::min(0.3 * 60 * units, 12.0);
        for (std::size_t k : {2u, 4u}) {
            const Pixel b = pixel(w, k, 1, 1, kSquare);
            EXPECT_NEAR(distance(b, tip), barb, 1e-3) << units;
            EXPECT_NEAR(std::atan2(std::fabs(b.y), tip.x - b.x), 0.45, 1e-4) << units;
        }
    }
    EXPECT_EQ(style, (ArrowStyle{named_arrow_shape(NamedArrow::kBarbs), false, 0.3, 12}));
}

// A triangle head points along (u, v) on the page, symmetric about its shaft, with the
// world three times wider than high and the arrow at 45 degrees in the world.
TEST(ArrowShape, ATriangleHeadIsAClosedPolygonAlongTheArrowWhateverTheAspect) {
    for (const DeviceScale& s : {kSquare, kWide, DeviceScale{-40, -50}}) {
        const ArrowStyle style = arrow_style_of(named_arrow_shape(NamedArrow::kTriangle), true, 0);
        const std::vector<float> w = arrow_points(style, 2, 3, 1, 1, s);
        ASSERT_EQ(w.size(), 12u);
        EXPECT_EQ(pixel(w, 5, 2, 3, s).x, pixel(w, 1, 2, 3, s).x);  // shaft's end to base
        const Pixel tip = pixel(w, 3, 2, 3, s);
        EXPECT_NEAR(tip.x, s.sx, 1e-3);  // the tip at (x + u, y + v)
        EXPECT_NEAR(tip.y, s.sy, 1e-3);
        const Pixel left = along_across(pixel(w, 2, 2, 3, s), tip);
        const Pixel right = along_across(pixel(w, 4, 2, 3, s), tip);
        const double length = std::hypot(tip.x, tip.y);
        EXPECT_NEAR(left.x, 0.5 * length, 1e-3);
        EXPECT_NEAR(right.x, 0.5 * length, 1e-3);
        EXPECT_NEAR(left.y, -right.y, 1e-3);
        // The shape's +y on the world's left of the arrow, also in a mirrored world.
        EXPECT_GT(left.y * (s.sx < 0 ? -1 : 1), 0.2 * length);
        for (std::size_t k = 0; k < 6; ++k)
            EXPECT_LE(along_across(pixel(w, k, 2, 3, s), tip).x, length + 1e-3) << k;
    }
}

// A fixed head keeps its pixels on long arrows (half the arrow on short ones); a scaled
// one stays the same share of its arrow.
TEST(ArrowShape, FixedHeadsKeepTheirPixelsScaledHeadsTheirShare) {
    const std::vector<double> whole = named_arrow_shape(NamedArrow::kWhole);
    const ArrowStyle fixed = arrow_style_of(whole, false, 10);
    const ArrowStyle scaled = arrow_style_of(whole, false, 0);
    for (double units : {1.0, 4.0}) {  // 60 and 240 pixels
        const double length = 60 * units;
        for (const DeviceScale& s : {kSquare, kWide}) {
            const double along_x = units * 60 / s.sx;
            auto head_back = [&](const ArrowStyle& style) {
                const std::vector<float> w = arrow_points(style, 0, 0, along_x, 0, s);
                return pixel(w, 1, 0, 0, s).x - pixel(w, 2, 0, 0, s).x;  // tip to barb along
            };
            // PLplot's whole arrow: the head 0.2 of the front half's 0.5.
            EXPECT_NEAR(head_back(fixed), 0.4 * 10, 1e-3) << units;
            EXPECT_NEAR(head_back(scaled), 0.2 * length, 1e-3) << units;
        }
    }
    // Shorter than two heads, a fixed head is as a scaled one.
    const std::vector<float> a = arrow_points(fixed, 0, 0, 0.25, 0, kSquare);
    const std::vector<float> b = arrow_points(scaled, 0, 0, 0.25, 0, kSquare);
    EXPECT_EQ(a, b);
    // An own shape's rear half stretches over the rest: its middle at length - head.
    const ArrowStyle own = arrow_style_of({-0.5, 0, 0, 0.1, 0.5, 0}, false, 10);
    const std::vector<float> w = arrow_points(own, 0, 0, 4, 0, kSquare);
    EXPECT_NEAR(pixel(w, 1, 0, 0, kSquare).x, 240 - 10, 1e-3);
    EXPECT_NEAR(-pixel(w, 1, 0, 0, kSquare).y, 0.1 * 2 * 10, 1e-3);
}

TEST(ArrowShape, AnArrowOfNoLengthOnThePageHasNoPoints) {
    EXPECT_TRUE(arrow_points(default_arrow_style(), 0, 0, 0, 0, kSquare).empty());
    EXPECT_TRUE(arrow_points(default_arrow_style(), 0, 0, NAN, 1, kSquare).empty());
}

TEST(ArrowShape, ShapesOutsideTheirLimitsSayWhy) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> ok(kMaxArrowPoints, 0.25), y(kMaxArrowPoints + 1, 0.0);
    EXPECT_EQ(arrow_shape_problem(ok.data(), y.data(), kMaxArrowPoints, true), "");
    EXPECT_EQ(arrow_shape_problem(ok.data(), y.data(), 2, false), "");
    EXPECT_NE(arrow_shape_problem(ok.data(), y.data(), 2, true), "");  // a polygon needs 3
    EXPECT_NE(arrow_shape_problem(y.data(), y.data(), kMaxArrowPoints + 1, false), "");
    EXPECT_NE(arrow_shape_problem(ok.data(), y.data(), 1, false), "");
    EXPECT_NE(arrow_shape_problem(ok.data(), y.data(), -3, false), "");
    for (double bad : {nan, inf, -inf, 10.5, -11.0}) {
        const double x[] = {-0.5, bad, 0.5}, across[] = {0, 0, 0};
        EXPECT_NE(arrow_shape_problem(x, across, 3, false), "") << bad;
        EXPECT_NE(arrow_shape_problem(across, x, 3, false), "") << bad;
    }
    const float x[] = {-0.5f, 0.5f}, across[] = {0, 10};
    EXPECT_EQ(arrow_shape_problem(x, across, 2, false), "");
}

}  // namespace
}  // namespace lumora::plot
