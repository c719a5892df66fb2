// Hatch lines: the parts of parallel lines inside a polygon, at whole multiples of the
// spacing from the page's origin, for either fill rule, and bounded work for any input.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "plotcore/hatch.h"

namespace lumora::plotcore {
namespace {

using Polygon = std::vector<PointF>;

constexpr float kDegree = std::numbers::pi_v<float> / 180;

Polygon square(float x0, float y0, float x1, float y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

// Even-odd inside test of a point (a ray to the right).
bool inside(const Polygon& p, double x, double y) {
    bool in = false;
    for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        if ((p[i].y > y) != (p[j].y > y) &&
            x < p[j].x + (y - p[j].y) * (p[i].x - p[j].x) / (p[i].y - p[j].y))
            in = !in;
    }
    return in;
}

// Every segment lies along the set's direction, on a line a whole number of spacings
// from the origin, with its middle inside the polygon (even-odd).
void expect_on_lines_inside(const Polygon& p, const HatchLines& set,
                            const std::vector<PointF>& ends) {
    const double dx = std::cos(set.angle), dy = -std::sin(set.angle);
    for (std::size_t i = 0; i + 1 < ends.size(); i += 2) {
        const PointF a = ends[i], b = ends[i + 1];
        const double across = (std::sin(set.angle) * a.x + std::cos(set.angle) * a.y) / set.spacing;
        EXPECT_NEAR(across, std::round(across), 1e-3) << i;
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        ASSERT_GT(length, 0) << i;
        EXPECT_NEAR(((b.x - a.x) * dx + (b.y - a.y) * dy) / length, 1, 1e-5) << i;
        EXPECT_TRUE(inside(p, (a.x + b.x) / 2, (a.y + b.y) / 2)) << i;
    }
}

TEST(Hatch, ASquareGetsWholeLinesEverySpacingFromTheOrigin) {
    const Polygon box = square(3, 5, 53, 45);
    const std::vector<PointF> ends = hatch_segments(box, false, {{0, 10}});
    ASSERT_EQ(ends.size(), 2u * 4);  // y = 10, 20, 30, 40
    for (std::size_t i = 0; i < ends.size(); i += 2) {
        EXPECT_FLOAT_EQ(ends[i].y, 10.0f * float(i / 2 + 1));
        EXPECT_FLOAT_EQ(ends[i].x, 3);
        EXPECT_FLOAT_EQ(ends[i + 1].x, 53);
    }
    // Vertical lines: x = 10 ... 50.
    EXPECT_EQ(hatch_segments(box, false, {{90 * kDegree, 10}}).size(), 2u * 5);
    // Both sets of a crossed pattern.
    EXPECT_EQ(hatch_segments(box, false, hatch_pattern(7, 10)).size(), 2u * 9);
}

TEST(Hatch, AnglesTurnCounterclockwiseOnThePage) {
    // The page's y runs down: a line at 45 degrees rises to the right, so its y falls.
    const std::vector<PointF> ends =
        hatch_segments(square(0, 0, 100, 100), false, hatch_pattern(3, 8));
    ASSERT_FALSE(ends.empty());
    for (std::size_t i = 0; i < ends.size(); i += 2) {
        EXPECT_GT(ends[i + 1].x, ends[i].x);
        EXPECT_LT(ends[i + 1].y, ends[i].y);
    }
    for (int pattern = 1; pattern <= kHatchPatterns; ++pattern) {
        const Hatch h = hatch_pattern(pattern, 8);
        EXPECT_EQ(h.size(), pattern >= 7 ? 2u : 1u) << pattern;
        const Polygon box = square(0, 0, 100, 100);
        for (const HatchLines& set : h)
            expect_on_lines_inside(box, set, hatch_segments(box, false, {set}));
    }
    EXPECT_TRUE(hatch_pattern(0, 8).empty());
    EXPECT_TRUE(hatch_pattern(9, 8).empty());
}

TEST(Hatch, AConcavePolygonGetsAPieceOfLineInEachArm) {
    // A U open at the top: arms x 0 ... 10 and 30 ... 40 above y = 30, joined below.
    const Polygon u = {{0, 0}, {10, 0}, {10, 30}, {30, 30}, {30, 0}, {40, 0}, {40, 40}, {0, 40}};
    const std::vector<PointF> ends = hatch_segments(u, false, {{0, 5}});
    std::size_t in_arms = 0;
    for (std::size_t i = 0; i < ends.size(); i += 2) in_arms += ends[i].y < 30;
    EXPECT_EQ(in_arms, 2u * 6);  // y = 0 ... 25, two pieces each
    expect_on_lines_inside(u, {0, 5}, ends);
    const HatchLines slanted{-30 * kDegree, 3};
    expect_on_lines_inside(u, slanted, hatch_segments(u, false, {slanted}));
}

TEST(Hatch, AHoleIsLeftOutEvenOddAndFilledWhereTheRingsWindAlike) {
    // An outer ring and an inner one, joined into one outline through a bridge.
    Polygon ring = square(0, 0, 100, 100), hole = square(40, 40, 60, 60);
    Polygon both = ring;
    both.push_back(ring.front());
    both.insert(both.end(), hole.begin(), hole.end());
    both.push_back(hole.front());
    const std::vector<PointF> even_odd = hatch_segments(both, false, {{0, 50}});
    ASSERT_EQ(even_odd.size(), 2u * 3);  // y = 0 and the line through the hole, in two
    EXPECT_FLOAT_EQ(even_odd[3].x, 40);
    EXPECT_FLOAT_EQ(even_odd[4].x, 60);
    // Both rings run the same way round: the hole winds twice, filled with nonzero.
    EXPECT_EQ(hatch_segments(both, true, {{0, 50}}).size(), 2u * 2);
    // Turned the other way round, the hole winds 0 times: left out either way.
    Polygon reversed = ring;
    reversed.push_back(ring.front());
    reversed.insert(reversed.end(), hole.rbegin(), hole.rend());
    reversed.push_back(hole.back());
    EXPECT_EQ(hatch_segments(reversed, true, {{0, 50}}).size(), 2u * 3);
}

TEST(Hatch, DegenerateInputDrawsNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const Hatch h = {{0.3f, 2}};
    EXPECT_TRUE(hatch_segments({}, false, h).empty());
    EXPECT_TRUE(hatch_segments({{0, 0}, {50, 50}}, false, h).empty());
    EXPECT_TRUE(hatch_segments({{0, 0}, {25, 25}, {50, 50}}, false, h).empty());  // no area
    EXPECT_TRUE(hatch_segments({{0, 0}, {50, 0}, {50, 0}, {0, 0}}, true, h).empty());
    EXPECT_TRUE(hatch_segments({{0, 0}, {50, nan}, {0, 50}}, false, h).empty());
    EXPECT_TRUE(hatch_segments({{0, 0}, {inf, 0}, {0, 50}}, false, h).empty());
    for (float spacing : {0.0f, -1.0f, nan, inf})
        EXPECT_TRUE(hatch_segments(square(0, 0, 50, 50), false, {{0, spacing}}).empty()) << spacing;
    EXPECT_TRUE(hatch_segments(square(0, 0, 50, 50), false, {{nan, 2}}).empty());
}

TEST(Hatch, LinesFarBelowAPixelApartAreBounded) {
    const Polygon huge = square(-1e6f, -1e6f, 1e6f, 1e6f);
    for (float spacing : {1.0f / 64, 1e-20f, std::numeric_limits<float>::denorm_min()}) {
        for (const HatchLines& set : {HatchLines{0, spacing}, HatchLines{0.5f, spacing}}) {
            const std::vector<PointF> ends = hatch_segments(huge, false, {set});
            EXPECT_GT(ends.size(), 2u * kMaxHatchLines / 2) << spacing;
            EXPECT_LE(ends.size(), 2u * kMaxHatchLines) << spacing;
        }
    }
    // A comb of many teeth crossed along its length: the segments stop at the bound.
    Polygon comb = {{0, 0}};
    for (int t = 0; t < 20000; ++t) {
        const auto x = static_cast<float>(t);
        comb.push_back({x, 100});
        comb.push_back({x + 0.5f, 100});
        comb.push_back({x + 0.5f, 1});
        comb.push_back({x + 1, 1});
    }
    comb.push_back({20000, 0});
    const std::vector<PointF> ends = hatch_segments(comb, false, {{0, 0.05f}});
    EXPECT_EQ(ends.size(), 2 * kMaxHatchSegments);
}

}  // namespace
}  // namespace lumora::plotcore
