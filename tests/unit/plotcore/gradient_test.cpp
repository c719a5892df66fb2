// Gradients: the axis a fill at an angle takes across a polygon, the colours between the
// stops, and the bands that paint it where no true gradient can be drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "plotcore/gradient.h"

namespace lumora::plotcore {
namespace {

const std::vector<PointF> kSquare = {{10, 10}, {110, 10}, {110, 60}, {10, 60}};

Gradient red_to_blue() {
    Gradient g;
    g.stops = {{0, 0xFF0000, 255}, {1, 0x0000FF, 55}};
    return g;
}

double area(const std::vector<PointF>& p) {
    double sum = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const PointF a = p[i], b = p[(i + 1) % p.size()];
        sum += double(a.x) * b.y - double(b.x) * a.y;
    }
    return std::fabs(sum) / 2;
}

TEST(Gradient, TheAxisSpansThePolygonAlongTheAngle) {
    Gradient g;
    gradient_axis(kSquare, 0, g);
    EXPECT_EQ(g.from, (PointF{10, 35}));
    EXPECT_EQ(g.to, (PointF{110, 35}));
    gradient_axis(kSquare, std::numbers::pi / 2, g);  // upward on the page: y falls
    EXPECT_EQ(g.from, (PointF{60, 60}));
    EXPECT_EQ(g.to, (PointF{60, 10}));
    gradient_axis(kSquare, std::numbers::pi / 4, g);
    // From the lower left corner's reach to the upper right's, through the middle.
    EXPECT_NEAR(g.to.x - g.from.x, 75, 1e-3);
    EXPECT_NEAR(g.from.y - g.to.y, 75, 1e-3);
    EXPECT_NEAR((g.from.x + g.to.x) / 2, 60, 1e-3);
    EXPECT_NEAR((g.from.y + g.to.y) / 2, 35, 1e-3);
    gradient_axis({{5, 0}, {5, 10}, {5, 20}}, 0, g);
    EXPECT_EQ(g.from, g.to) << "no reach along the angle";
}

TEST(Gradient, ColoursBlendBetweenStopsAndHoldBeyondThem) {
    std::vector<GradientStop> stops = {{0.2f, 0x000000, 255}, {0.6f, 0xC86400, 55}};
    EXPECT_EQ(gradient_colour(stops, -1), (Rgba{0x000000, 255}));
    EXPECT_EQ(gradient_colour(stops, 0.2), (Rgba{0x000000, 255}));
    EXPECT_EQ(gradient_colour(stops, 0.4), (Rgba{0x643200, 155}));
    EXPECT_EQ(gradient_colour(stops, 0.6), (Rgba{0xC86400, 55}));
    EXPECT_EQ(gradient_colour(stops, 7), (Rgba{0xC86400, 55}));
    EXPECT_EQ(gradient_colour(stops, std::nan("")), (Rgba{0x000000, 255}));
    // Equal offsets: a sharp step.
    stops = {{0, 0x111111, 255}, {0.5f, 0x222222, 255}, {0.5f, 0xEEEEEE, 255}, {1, 0xFFFFFF, 255}};
    EXPECT_EQ(gradient_colour(stops, 0.4999).rgb, 0x222222u);
    EXPECT_EQ(gradient_colour(stops, 0.5001).rgb, 0xEEEEEEu);
}

TEST(Gradient, BandsCoverThePolygonInTheColoursOfTheirMiddles) {
    Gradient g = red_to_blue();
    gradient_axis(kSquare, 0, g);
    const std::vector<GradientBand> bands = gradient_bands(kSquare, g, 1.0);
    ASSERT_EQ(bands.size(), 100u);
    double covered = 0;
    for (const GradientBand& b : bands) covered += area(b.points);
    EXPECT_NEAR(covered, area(kSquare), 1e-3);
    EXPECT_EQ(bands.front().colour, gradient_colour(g.stops, 0.005));
    EXPECT_EQ(bands[50].colour, gradient_colour(g.stops, 0.505));
    EXPECT_EQ(bands.back().colour, gradient_colour(g.stops, 0.995));
    for (const GradientBand& b : bands) {
        float left = 1e9f, right = -1e9f;
        for (PointF p : b.points) left = std::min(left, p.x), right = std::max(right, p.x);
        EXPECT_LE(right - left, 1.0f + 1e-4f);
    }
}

TEST(Gradient, BandsOfAConcavePolygonKeepItsHoleUnderEitherRule) {
    // A frame with a square hole drawn as one outline through a bridge.
    const std::vector<PointF> frame = {{0, 0},   {40, 0},  {40, 40}, {0, 40},  {0, 10},
                                       {10, 10}, {10, 30}, {30, 30}, {30, 10}, {0, 10}};
    Gradient g = red_to_blue();
    gradient_axis(frame, std::numbers::pi / 3, g);
    const std::vector<GradientBand> bands = gradient_bands(frame, g, 1.0);
    ASSERT_FALSE(bands.empty());
    double covered = 0;
    for (const GradientBand& b : bands) covered += area(b.points);
    // Signed areas of the cut pieces add up to the polygon's; its outline winds round
    // the hole the other way, so the hole counts out.
    EXPECT_NEAR(covered, area(frame), 0.5);
}

TEST(Gradient, ManyBandsAreBoundedAndBadInputGivesNone) {
    Gradient g = red_to_blue();
    const std::vector<PointF> huge = {{0, 0}, {1e6f, 0}, {1e6f, 10}, {0, 10}};
    gradient_axis(huge, 0, g);
    EXPECT_EQ(gradient_bands(huge, g, 1.0).size(), kMaxGradientBands);
    EXPECT_TRUE(gradient_bands({{0, 0}, {1, 1}}, g, 1.0).empty());
    EXPECT_TRUE(gradient_bands({{0, 0}, {NAN, 1}, {2, 0}}, g, 1.0).empty());
    EXPECT_TRUE(gradient_bands(kSquare, g, 0).empty());
    Gradient flat = g;
    flat.to = flat.from;
    EXPECT_TRUE(gradient_bands(kSquare, flat, 1.0).empty());
}

}  // namespace
}  // namespace lumora::plotcore
