// Coverage of filled outlines: exact areas at fractional edges, the two fill rules, the
// clip box, and input that must not break it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "coverage_grid.h"

namespace luwnd::render::raster {
namespace {

std::vector<Point> rectangle(double left, double top, double right, double bottom) {
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

CoverageGrid grid_of(const std::vector<Point>& outline, PixelBox box,
                     FillRule rule = FillRule::kWinding) {
    CoverageRaster raster(box);
    raster.add_polygon(outline);
    return CoverageGrid(raster, rule);
}

TEST(CoverageRaster, ARectangleAtFractionalEdgesCoversItsShareOfEachPixel) {
    const CoverageGrid grid = grid_of(rectangle(10.25, 20.5, 30.75, 25.25), {0, 0, 40, 40});
    EXPECT_NEAR(grid.area(), 20.5 * 4.75, 0.1) << "each edge pixel rounded to 1/255";
    EXPECT_EQ(grid.at(15, 22), 255);
    EXPECT_EQ(grid.at(10, 22), 191) << "three quarters of the left column";
    EXPECT_EQ(grid.at(30, 22), 191) << "three quarters of the right column";
    EXPECT_EQ(grid.at(15, 20), 128) << "half of the top row";
    EXPECT_EQ(grid.at(15, 25), 64) << "a quarter of the bottom row";
    EXPECT_EQ(grid.at(10, 20), 96) << "three eighths of the corner";
    EXPECT_EQ(grid.at(9, 22), 0);
    EXPECT_EQ(grid.at(31, 22), 0);
    EXPECT_EQ(grid.at(15, 19), 0);
    EXPECT_EQ(grid.at(15, 26), 0);
}

TEST(CoverageRaster, ASlantedEdgeHalvesThePixelsItCrossesAndNeitherWayRoundMatters) {
    // The triangle below the diagonal from (0, 10) to (10, 0).
    const std::vector<Point> triangle{{0, 0}, {10, 0}, {0, 10}};
    const std::vector<Point> reversed{{0, 10}, {10, 0}, {0, 0}};
    const CoverageGrid grid = grid_of(triangle, {0, 0, 12, 12});
    const CoverageGrid other = grid_of(reversed, {0, 0, 12, 12});
    EXPECT_NEAR(grid.area(), 50, 0.05);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const int expected = x + y < 9 ? 255 : x + y == 9 ? 128 : 0;
            EXPECT_EQ(grid.at(x, y), expected) << x << "," << y;
            EXPECT_EQ(other.at(x, y), expected) << x << "," << y;
        }
    }
}

TEST(CoverageRaster, ASelfOverlappingStarFillsItsMiddleOnlyUnderTheNonZeroRule) {
    std::vector<Point> star;
    for (int k = 0; k < 5; ++k) {
        const double a = std::numbers::pi * (0.5 + 0.8 * k);  // every second corner
        star.push_back({50 + 40 * std::cos(a), 50 - 40 * std::sin(a)});
    }
    const CoverageGrid winding = grid_of(star, {0, 0, 100, 100}, FillRule::kWinding);
    const CoverageGrid alternate = grid_of(star, {0, 0, 100, 100}, FillRule::kAlternate);
    EXPECT_EQ(winding.at(50, 50), 255);
    EXPECT_EQ(alternate.at(50, 50), 0);
    EXPECT_EQ(winding.at(50, 16), 255) << "the top point";
    EXPECT_EQ(alternate.at(50, 16), 255);
    // The middle pentagon (inner radius 40 * cos 72 / cos 36) is what the rules differ by.
    const double inner = 40 * std::cos(0.4 * std::numbers::pi) / std::cos(0.2 * std::numbers::pi);
    const double pentagon = 2.5 * inner * inner * std::sin(0.4 * std::numbers::pi);
    EXPECT_NEAR(winding.area() - alternate.area(), pentagon, 1.0);
}

TEST(CoverageRaster, OverlappingFiguresCoverOnceOrCancelByTheirRule) {
    std::vector<Point> both = rectangle(10, 10, 30, 30);
    const std::vector<Point> second = rectangle(20.5, 20.5, 40, 40);
    CoverageRaster raster({0, 0, 50, 50});
    raster.add_polygon(both);
    raster.add_polygon(second);
    const CoverageGrid winding(raster, FillRule::kWinding);
    EXPECT_EQ(winding.at(25, 25), 255);
    EXPECT_NEAR(winding.area(), 400 + 19.5 * 19.5 - 9.5 * 9.5, 0.05);
    raster.clear();
    raster.add_polygon(both);
    raster.add_polygon(second);
    const CoverageGrid alternate(raster, FillRule::kAlternate);
    EXPECT_EQ(alternate.at(25, 25), 0);
    EXPECT_EQ(alternate.at(20, 25), 128) << "half in one figure, half in both";
    EXPECT_EQ(alternate.at(15, 15), 255);
}

TEST(CoverageRaster, AClipBoxKeepsExactlyThePixelsItHolds) {
    const std::vector<Point> triangle{{-50.3, 5.2}, {200.7, 40.1}, {30.4, 90.9}};
    const CoverageGrid whole = grid_of(triangle, {-60, 0, 210, 100});
    const PixelBox box{20, 10, 60, 50};
    const CoverageGrid part = grid_of(triangle, box);
    EXPECT_EQ(part.outside(), 0);
    int covered = 0;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            EXPECT_NEAR(part.at(x, y), whole.at(x, y), 1) << x << "," << y;
            covered += part.at(x, y) > 0 ? 1 : 0;
        }
    }
    EXPECT_GT(covered, 800);
    // A figure around the whole box covers all of it, its edges all outside.
    const CoverageGrid around = grid_of(rectangle(-1e6, -5, 1e6, 1e6), box);
    EXPECT_NEAR(around.area(), 40 * 40, 1e-9);
}

TEST(CoverageRaster, GarbageCoordinatesNeitherCrashNorSpill) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double huge = std::numeric_limits<double>::max();
    CoverageRaster raster({0, 0, 20, 20});
    raster.add_polygon(std::vector<Point>{{nan, 1}, {5, nan}, {nan, nan}});
    raster.add_polygon(std::vector<Point>{{-inf, 2}, {inf, 2}, {inf, 8}, {-inf, 8}});
    raster.add_polygon(std::vector<Point>{{-huge, -huge}, {huge, 10}, {-huge, huge}});
    raster.add_polygon(std::vector<Point>{{5, 5}, {5, 5}, {5, 5}});
    raster.add_line({1e-300, 0}, {3, 1e-300});
    const CoverageGrid grid(raster, FillRule::kAlternate);
    EXPECT_EQ(grid.outside(), 0);
    EXPECT_GT(grid.area(), 0);
    EXPECT_LE(grid.area(), 400);
}

TEST(CoverageRaster, TooManyEdgesPaintNothing) {
    CoverageRaster raster({0, 0, 10, 10});
    for (std::size_t i = 0; i <= CoverageRaster::kMaxEdges; ++i) raster.add_line({5, 0}, {5, 10});
    EXPECT_TRUE(raster.overflowed());
    EXPECT_EQ(raster.edge_count(), CoverageRaster::kMaxEdges);
    EXPECT_EQ(CoverageGrid(raster, FillRule::kWinding).rows(), 0);
    raster.clear();
    raster.add_polygon(rectangle(1, 1, 3, 3));
    EXPECT_FALSE(raster.overflowed());
    EXPECT_NEAR(CoverageGrid(raster, FillRule::kWinding).area(), 4, 1e-9);
}

}  // namespace
}  // namespace luwnd::render::raster
