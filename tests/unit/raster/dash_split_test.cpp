// Dashes: the pattern runs on across corners and through the parts that are not drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "server/render/raster/dash_split.h"

namespace luwnd::render::raster {
namespace {

const Box kPage{0, 0, 1000, 1000};

std::vector<std::vector<Point>> dashes_of(const std::vector<Point>& points, bool closed,
                                          const std::vector<double>& pattern,
                                          const Box& box = kPage) {
    std::vector<std::vector<Point>> out;
    split_dashes(points, closed, pattern, box,
                 [&](std::span<const Point> dash) { out.emplace_back(dash.begin(), dash.end()); });
    return out;
}

double length_of(const std::vector<Point>& dash) {
    double length = 0;
    for (std::size_t i = 0; i + 1 < dash.size(); ++i)
        length += std::hypot(dash[i + 1].x - dash[i].x, dash[i + 1].y - dash[i].y);
    return length;
}

TEST(DashSplit, DashesFollowThePatternAndKeepTheCornersWithinThem) {
    // 9 + 9 pixels round a corner, dashes of 4 and gaps of 2.
    const auto dashes = dashes_of({{0, 0}, {9, 0}, {9, 9}}, false, {4, 2});
    ASSERT_EQ(dashes.size(), 3u);
    EXPECT_EQ(dashes[0], (std::vector<Point>{{0, 0}, {4, 0}}));
    EXPECT_EQ(dashes[1], (std::vector<Point>{{6, 0}, {9, 0}, {9, 1}}));
    EXPECT_EQ(dashes[2], (std::vector<Point>{{9, 3}, {9, 7}}));
}

TEST(DashSplit, AClosedFigureDashesItsLastSide) {
    const auto dashes = dashes_of({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true, {5, 5});
    ASSERT_EQ(dashes.size(), 4u);
    EXPECT_EQ(dashes[3], (std::vector<Point>{{0, 10}, {0, 5}}));
}

TEST(DashSplit, ThePatternRunsOnThroughWhatLiesOutsideTheBox) {
    // A line from far away: its dashes in the box lie where those of the whole line do.
    const std::vector<double> pattern{6, 3};
    const auto whole = dashes_of({{-90.5, 20}, {120, 20}}, false, pattern, {-100, 0, 200, 40});
    const auto cut = dashes_of({{-90.5, 20}, {120, 20}}, false, pattern, {0, 0, 100, 40});
    std::vector<std::vector<Point>> expected;
    for (const auto& dash : whole)
        if (dash.back().x > 0 && dash.front().x < 100) expected.push_back(dash);
    ASSERT_EQ(cut.size(), expected.size());
    for (std::size_t i = 1; i + 1 < cut.size(); ++i) {
        EXPECT_NEAR(cut[i].front().x, expected[i].front().x, 1e-9);
        EXPECT_NEAR(cut[i].back().x, expected[i].back().x, 1e-9);
    }
    // A line a billion pixels long costs only its dashes in the box.
    const auto far = dashes_of({{-1e9, 20}, {1e9, 20}}, false, pattern, {0, 0, 100, 40});
    EXPECT_LE(far.size(), 13u);
    EXPECT_GE(far.size(), 10u);
}

TEST(DashSplit, GarbageEndsDashesWithoutBreakingThePattern) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto dashes = dashes_of({{0, 0}, {10, 0}, {nan, 5}, {20, 0}, {30, 0}}, false, {4, 2});
    for (const auto& dash : dashes) {
        EXPECT_LE(length_of(dash), 4 + 1e-9);
        for (const Point& p : dash) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }
    EXPECT_FALSE(dashes.empty());
    // Empty and zero patterns: tiny dashes, not countless ones.
    EXPECT_TRUE(dashes_of({{0, 0}, {10, 0}}, false, {}).empty());
    EXPECT_LE(dashes_of({{0, 0}, {10, 0}}, false, {0, 0}).size(), 101u);
    EXPECT_LE(dashes_of({{0, 0}, {10, 0}}, false, {nan, -1, 3}).size(), 101u);
}

}  // namespace
}  // namespace luwnd::render::raster
