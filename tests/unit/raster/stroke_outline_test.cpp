// Stroke outlines against geometry worked out independently: a round-ended stroke covers
// exactly the points within half its width of the line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "coverage_grid.h"
#include "server/render/raster/stroke_outline.h"

namespace luwnd::render::raster {
namespace {

CoverageGrid stroked(const std::vector<Point>& points, bool closed, const StrokeStyle& style,
                     PixelBox box = {0, 0, 80, 80}) {
    CoverageRaster raster(box);
    add_stroke_outline(points, closed, style, raster);
    return CoverageGrid(raster, FillRule::kWinding);
}

StrokeStyle style(double width, Cap cap = Cap::kRound, Join join = Join::kRound) {
    StrokeStyle s;
    s.width = width;
    s.cap = cap;
    s.join = join;
    return s;
}

double distance_to_segment(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y, length = dx * dx + dy * dy;
    double t = length > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// The share of the pixel within half the width of the polyline, by 16 x 16 samples.
double sampled_coverage(const std::vector<Point>& points, bool closed, double width, int x, int y) {
    int inside = 0;
    for (int sy = 0; sy < 16; ++sy) {
        for (int sx = 0; sx < 16; ++sx) {
            const Point p{x + (sx + 0.5) / 16, y + (sy + 0.5) / 16};
            double nearest = std::hypot(p.x - points[0].x, p.y - points[0].y);
            const std::size_t segments = closed ? points.size() : points.size() - 1;
            for (std::size_t i = 0; i < segments; ++i)
                nearest = std::min(
                    nearest, distance_to_segment(p, points[i], points[(i + 1) % points.size()]));
            inside += nearest <= width / 2 ? 1 : 0;
        }
    }
    return inside / 256.0;
}

// How far a round-ended stroke's coverage is from the sampled one.
struct Deviation {
    int pixels_off = 0;      // pixels more than `close` off
    double worst_over = 0;   // most coverage beyond the sampled
    double worst_under = 0;  // most coverage short of it
    double area = 0, expected_area = 0;
};

Deviation deviation(const std::vector<Point>& points, bool closed, double width, double close) {
    const CoverageGrid grid = stroked(points, closed, style(width));
    Deviation d;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 80; ++x) {
            const double expected = sampled_coverage(points, closed, width, x, y);
            const double actual = grid.at(x, y) / 255.0;
            d.pixels_off += std::fabs(actual - expected) > close ? 1 : 0;
            d.worst_over = std::max(d.worst_over, actual - expected);
            d.worst_under = std::max(d.worst_under, expected - actual);
            d.area += actual;
            d.expected_area += expected;
        }
    }
    return d;
}

TEST(StrokeOutline, AOnePixelLineCoversTheColumnsItRunsOver) {
    const StrokeStyle flat = style(1, Cap::kFlat);
    const CoverageGrid centred = stroked({{10.5, 5}, {10.5, 25}}, false, flat);
    const CoverageGrid on_edge = stroked({{10, 5}, {10, 25}}, false, flat);
    for (int y = 5; y < 25; ++y) {
        EXPECT_EQ(centred.at(10, y), 255) << y;
        EXPECT_EQ(centred.at(9, y), 0) << y;
        EXPECT_EQ(centred.at(11, y), 0) << y;
        EXPECT_EQ(on_edge.at(9, y), 128) << y;
        EXPECT_EQ(on_edge.at(10, y), 128) << y;
    }
    EXPECT_EQ(centred.at(10, 4), 0) << "flat ends end at their points";
    EXPECT_EQ(centred.at(10, 25), 0);
    EXPECT_NEAR(centred.area(), 20, 1e-9);
    const CoverageGrid wide = stroked({{10.5, 5}, {10.5, 25}}, false, style(1.5, Cap::kFlat));
    EXPECT_EQ(wide.at(10, 15), 255);
    EXPECT_EQ(wide.at(9, 15), 64) << "a quarter pixel either side";
    EXPECT_EQ(wide.at(11, 15), 64);
}

TEST(StrokeOutline, RoundCornersAndEndsCoverWhatLiesWithinHalfTheWidth) {
    // A sharp zigzag and a closed triangle. Where the inner side of a sharp corner passes
    // through a pixel on the stroke's edge, the shares of both sides add up in that pixel:
    // a few pixels a little darker, never a gap.
    const Deviation zigzag = deviation(
        {{10.3, 60.2}, {30.1, 15.7}, {42.6, 61.4}, {55.2, 20.5}, {70.8, 22.1}}, false, 3.5, 0.08);
    EXPECT_LE(zigzag.pixels_off, 6);
    EXPECT_LT(zigzag.worst_over, 0.3);
    EXPECT_LT(zigzag.worst_under, 0.08);
    EXPECT_NEAR(zigzag.area, zigzag.expected_area, zigzag.expected_area * 0.01);
    const Deviation triangle =
        deviation({{20.2, 20.4}, {60.7, 25.1}, {35.3, 65.9}}, true, 2.5, 0.08);
    EXPECT_LE(triangle.pixels_off, 6);
    EXPECT_LT(triangle.worst_under, 0.08);
    EXPECT_NEAR(triangle.area, triangle.expected_area, triangle.expected_area * 0.01);
}

TEST(StrokeOutline, ALineThatTurnsStraightBackHasARoundEndThere) {
    const CoverageGrid grid = stroked({{10.5, 40.5}, {60.5, 40.5}, {30.5, 40.5}}, false, style(6));
    EXPECT_EQ(grid.at(62, 40), 255) << "within the round end";
    EXPECT_EQ(grid.at(63, 43), 0) << "beyond it";
    EXPECT_EQ(grid.at(64, 40), 0);
    EXPECT_EQ(grid.at(8, 40), 255) << "the start keeps its own end";
}

TEST(StrokeOutline, ShortSegmentsOfAThinLineLeaveNoGaps) {
    // A noisy line of steps shorter than its width, as long plots have them.
    std::vector<Point> points;
    unsigned noise = 7;
    for (int i = 0; i < 120; ++i) {
        noise = noise * 1103515245u + 12345u;
        points.push_back(
            {8 + i * 0.55, 40 + 12 * std::sin(i / 9.0) + ((noise >> 16) % 100) / 40.0});
    }
    const Deviation d = deviation(points, false, 1.5, 0.08);
    EXPECT_LT(d.worst_under, 0.08) << "no pixel lighter than it should be";
    EXPECT_LT(d.worst_over, 0.3) << "overlaps at the edge add up at most this much";
    EXPECT_NEAR(d.area, d.expected_area, d.expected_area * 0.08);
}

TEST(StrokeOutline, MiteredCornersReachTheirTipUntilTheLimitCutsThem) {
    const StrokeStyle miter = style(4, Cap::kFlat, Join::kMiter);
    const CoverageGrid square = stroked({{10, 30}, {30, 30}, {30, 10}}, false, miter);
    EXPECT_EQ(square.at(31, 31), 255) << "the outer corner of a right angle";
    const CoverageGrid round = stroked({{10, 30}, {30, 30}, {30, 10}}, false, style(4));
    EXPECT_LT(round.at(31, 31), 200);
    EXPECT_GT(round.at(31, 31), 50);
    // Turning back by 176 degrees the miter would reach 30 widths out: bevelled.
    const CoverageGrid sharp = stroked({{10, 50}, {60, 50}, {10, 46.5}}, false, miter);
    EXPECT_EQ(sharp.at(65, 49), 0);
    EXPECT_EQ(sharp.at(58, 49), 255);
    // At 60 degrees it reaches twice the half width beyond the corner.
    const CoverageGrid sixty =
        stroked({{10, 70}, {40, 70}, {40 - 30 * 0.5, 70 - 30 * std::sqrt(3.0) / 2}}, false, miter);
    EXPECT_EQ(sixty.at(41, 71), 255) << "inside the tip, outside a bevel";
    EXPECT_EQ(sixty.at(44, 73), 0);
}

TEST(StrokeOutline, DegenerateLinesDrawDotsOrNothing) {
    const CoverageGrid dot = stroked({{40, 40}, {40, 40}}, false, style(10));
    EXPECT_NEAR(dot.area(), std::numbers::pi * 25, 0.5);
    EXPECT_EQ(stroked({{40, 40}, {40, 40}}, false, style(10, Cap::kFlat)).area(), 0);
    EXPECT_EQ(stroked({{10, 10}, {50, 50}}, false, style(0)).area(), 0);
    EXPECT_EQ(stroked({{10, 10}, {50, 50}}, false, style(-3)).area(), 0);
    EXPECT_EQ(stroked({}, false, style(2)).area(), 0);
    const CoverageGrid hairline = stroked({{10, 10.5}, {50, 10.5}}, false, style(1e-9));
    EXPECT_LT(hairline.area(), 0.01);
}

}  // namespace
}  // namespace luwnd::render::raster
