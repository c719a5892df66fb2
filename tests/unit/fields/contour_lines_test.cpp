// Contour lines on fields whose level sets are known.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "client/plot/contour_lines.h"

namespace lumora::plot {
namespace {

Grid grid(int nx, int ny, const std::function<double(int, int)>& f) {
    Grid g;
    g.nx = nx;
    g.ny = ny;
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) g.z.push_back(f(i, j));
    return g;
}

TEST(ContourLines, AConeGivesOneClosedCircleAtEachLevel) {
    // Centre (20, 20), value the distance from it.
    Grid cone = grid(41, 41, [](int i, int j) { return std::hypot(i - 20.0, j - 20.0); });
    for (double r : {3.5, 7.25, 15.0}) {
        std::vector<ContourLine> lines = contour_lines(cone, r);
        ASSERT_EQ(lines.size(), 1u) << r;
        const ContourLine& circle = lines[0];
        EXPECT_TRUE(circle.closed);
        EXPECT_GT(circle.points.size(), static_cast<std::size_t>(4 * r));
        double cx = 0, cy = 0;
        for (const GridPoint& p : circle.points) {
            if (&p == &circle.points.back()) break;  // the first point again
            // Linear interpolation across a cell strays from the circle by far less than one.
            EXPECT_NEAR(std::hypot(p.i - 20, p.j - 20), r, 0.08) << r;
            cx += p.i;
            cy += p.j;
        }
        EXPECT_NEAR(cx / static_cast<double>(circle.points.size() - 1), 20, 0.1);
        EXPECT_NEAR(cy / static_cast<double>(circle.points.size() - 1), 20, 0.1);
        EXPECT_DOUBLE_EQ(circle.points.front().i, circle.points.back().i);
    }
    EXPECT_TRUE(contour_lines(cone, 40).empty());  // beyond the field's values
}

TEST(ContourLines, APlaneGivesStraightLinesAcrossTheField) {
    // z = 2i + j: the level l runs along j = l - 2i, a straight line from border to border.
    Grid plane = grid(30, 20, [](int i, int j) { return 2.0 * i + j; });
    std::vector<ContourLine> lines = contour_lines(plane, 25.5);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FALSE(lines[0].closed);
    for (const GridPoint& p : lines[0].points) EXPECT_NEAR(2 * p.i + p.j, 25.5, 1e-9);
    const GridPoint &a = lines[0].points.front(), &b = lines[0].points.back();
    // Its ends lie on the border (j = 0 and j = 19).
    EXPECT_NEAR(std::min(a.j, b.j), 0, 1e-9);
    EXPECT_NEAR(std::max(a.j, b.j), 19, 1e-9);
    // A level exactly on a column of values: the line runs through them.
    Grid ramp = grid(10, 5, [](int i, int) { return double(i); });
    std::vector<ContourLine> on = contour_lines(ramp, 4);
    ASSERT_EQ(on.size(), 1u);
    for (const GridPoint& p : on[0].points) EXPECT_NEAR(p.i, 4, 1e-12);
}

TEST(ContourLines, SaddlesAreDecidedByTheMeanOfTheCell) {
    // Corners (0,0) and (1,1) high, the others low.
    Grid saddle;
    saddle.nx = saddle.ny = 2;
    saddle.z = {1, 0, 0, 1};  // z[j * 2 + i]: (0,0)=1, (1,0)=0, (0,1)=0, (1,1)=1
    auto cut_corners = [](const std::vector<ContourLine>& lines) {
        std::vector<int> corners;  // which corner each segment cuts off: 0 (0,0) ... 3 (0,1)
        for (const ContourLine& l : lines) {
            double mi = (l.points.front().i + l.points.back().i) / 2;
            double mj = (l.points.front().j + l.points.back().j) / 2;
            corners.push_back(mi < 0.5 ? (mj < 0.5 ? 0 : 3) : (mj < 0.5 ? 1 : 2));
        }
        std::sort(corners.begin(), corners.end());
        return corners;
    };
    // Mean 0.5: at level 0.4 the high corners join, so the lines cut off the low ones.
    EXPECT_EQ(cut_corners(contour_lines(saddle, 0.4)), (std::vector<int>{1, 3}));
    // At 0.6 the mean is below: the high corners are cut off on their own.
    EXPECT_EQ(cut_corners(contour_lines(saddle, 0.6)), (std::vector<int>{0, 2}));
    // The region at or above the level agrees with the lines.
    EXPECT_EQ(cell_above(saddle, 0, 0, 0.4).size(), 1u);  // one hexagon
    EXPECT_EQ(cell_above(saddle, 0, 0, 0.4)[0].size(), 6u);
    EXPECT_EQ(cell_above(saddle, 0, 0, 0.6).size(), 2u);  // two triangles
}

TEST(ContourLines, NanValuesLeaveHolesThatLinesEndAt) {
    Grid cone = grid(41, 41, [](int i, int j) {
        if (i >= 18 && i <= 22 && j >= 5 && j <= 12) return std::nan("");
        return std::hypot(i - 20.0, j - 20.0);
    });
    // The circle of radius 10 passes through the hole: one open line around the rest.
    std::vector<ContourLine> lines = contour_lines(cone, 10);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FALSE(lines[0].closed);
    for (const GridPoint& p : lines[0].points) {
        EXPECT_NEAR(std::hypot(p.i - 20, p.j - 20), 10, 0.08);
        EXPECT_FALSE(p.i > 17 && p.i < 23 && p.j > 4 && p.j < 13);  // nothing inside the hole
    }
    // A circle away from the hole stays closed.
    std::vector<ContourLine> small = contour_lines(cone, 4);
    ASSERT_EQ(small.size(), 1u);
    EXPECT_TRUE(small[0].closed);
    // All NaN: nothing.
    EXPECT_TRUE(contour_lines(grid(5, 5, [](int, int) { return std::nan(""); }), 0).empty());
    EXPECT_TRUE(cell_above(cone, 19, 6, -1).empty());
}

TEST(ContourLines, TwoBumpsGiveTwoSeparateRings) {
    Grid bumps = grid(40, 20, [](int i, int j) {
        return std::exp(-(std::pow(i - 10.0, 2) + std::pow(j - 10.0, 2)) / 10) +
               std::exp(-(std::pow(i - 30.0, 2) + std::pow(j - 10.0, 2)) / 10);
    });
    std::vector<ContourLine> lines = contour_lines(bumps, 0.5);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].closed && lines[1].closed);
}

}  // namespace
}  // namespace lumora::plot
