// Fields on uneven and curvilinear grids: where lines and regions found in index space
// land in the world.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "client/plot/contour_fill.h"
#include "client/plot/contour_lines.h"
#include "client/plot/fields_common.h"
#include "client/plot/grid_positions.h"

namespace lumora::plot {
namespace {

constexpr double kPi = std::numbers::pi;

// The radius over a polar grid of nr radii (0.5 ... 5) and nt angles round the whole
// circle (the last angle 2 pi again), i running over the radii: value (i, j) at
// (r cos t, r sin t), column-major.
struct Polar {
    int nr, nt;
    std::vector<double> r, x, y;
};
Polar polar(int nr, int nt) {
    Polar p{nr, nt, {}, {}, {}};
    for (int j = 0; j < nt; ++j)
        for (int i = 0; i < nr; ++i) {
            const double r = 0.5 + 4.5 * i / (nr - 1), t = 2 * kPi * j / (nt - 1);
            p.r.push_back(r);
            p.x.push_back(r * std::cos(t));
            p.y.push_back(r * std::sin(t));
        }
    return p;
}

PlacedField placed(const Polar& p) {
    std::optional<PlacedField> f =
        field_on_grid(p.r.data(), p.nr, p.nt, kColumnMajor, p.x.data(), p.y.data(), kGridPoints);
    EXPECT_TRUE(f.has_value());
    return *f;
}

TEST(GridPlacement, ContoursOfTheRadiusOnAPolarGridAreCircles) {
    const Polar p = polar(10, 73);  // every 5 degrees
    const PlacedField f = placed(p);
    for (double level : {1.3, 2.7, 4.1}) {
        const std::vector<ContourLine> lines = contour_lines(f.grid, level);
        ASSERT_EQ(lines.size(), 1u) << level;
        const std::vector<float> xy = world_points(lines[0].points, f.where);
        ASSERT_EQ(xy.size(), 2u * 73) << level;  // a point on every radial edge
        for (std::size_t k = 0; k + 1 < xy.size(); k += 2)
            EXPECT_NEAR(std::hypot(xy[k], xy[k + 1]), level, 1e-5) << level;
        // The line goes once round: it ends where it began.
        EXPECT_NEAR(xy[0], xy[xy.size() - 2], 1e-5);
        EXPECT_NEAR(xy[1], xy[xy.size() - 1], 1e-5);
        // Chords of 5 degrees: their middles stay within r (1 - cos 2.5 degrees).
        for (std::size_t k = 0; k + 3 < xy.size(); k += 2) {
            const double mx = (xy[k] + xy[k + 2]) / 2, my = (xy[k + 1] + xy[k + 3]) / 2;
            EXPECT_NEAR(std::hypot(mx, my), level, level * 1e-3);
        }
    }
}

TEST(GridPlacement, AnUnevenAxisPlacesALineWhereLinearInterpolationSays) {
    // z = i over x = 0, 1, 5, 6: the level 1.25 lies a quarter of the way from x = 1 to 5.
    const std::vector<double> z = {0, 1, 2, 3, 0, 1, 2, 3};  // column-major 4 x 2
    const std::vector<double> ys = {10, 20};
    for (const auto& [xs, want] : {std::pair{std::vector<double>{0, 1, 5, 6}, 2.0},
                                   std::pair{std::vector<double>{6, 5, 1, 0}, 4.0}}) {
        std::optional<PlacedField> f =
            field_on_grid(z.data(), 4, 2, kColumnMajor, xs.data(), ys.data(), kGridAxes);
        ASSERT_TRUE(f);
        const std::vector<ContourLine> lines = contour_lines(f->grid, 1.25);
        ASSERT_EQ(lines.size(), 1u);
        const std::vector<float> xy = world_points(lines[0].points, f->where);
        ASSERT_EQ(xy.size(), 4u);
        EXPECT_DOUBLE_EQ(xy[0], want);
        EXPECT_DOUBLE_EQ(xy[2], want);
        EXPECT_EQ(std::min(xy[1], xy[3]), 10);
        EXPECT_EQ(std::max(xy[1], xy[3]), 20);
    }
}

// A region's outline along the grid's edge passes through each grid point there, also
// where whole cells of a row are one piece in index space: it follows the grid.
TEST(GridPlacement, ARegionsOutlineFollowsACurvedGridsEdge) {
    // i over 37 angles, j over 6 radii: rows of whole cells run round the circle.
    constexpr int nt = 37, nr = 6;
    std::vector<double> r, x, y;
    for (int j = 0; j < nr; ++j)
        for (int i = 0; i < nt; ++i) {
            const double radius = 0.5 + 4.5 * j / (nr - 1), t = 2 * kPi * i / (nt - 1);
            r.push_back(radius);
            x.push_back(radius * std::cos(t));
            y.push_back(radius * std::sin(t));
        }
    std::optional<PlacedField> f =
        field_on_grid(r.data(), nt, nr, kColumnMajor, x.data(), y.data(), kGridPoints);
    ASSERT_TRUE(f);
    const std::vector<GridPoint> outline = bridged_outline(region_pieces(f->grid, 0));
    ASSERT_LT(outline.size(), 100u);  // a few long pieces, merged along each row
    const std::vector<float> xy = world_points(outline, f->where);
    for (int i = 0; i < nt; ++i) {
        const WorldPoint outer = f->where.at(i, nr - 1);
        bool found = false;
        for (std::size_t k = 0; k + 1 < xy.size() && !found; k += 2)
            found = std::abs(xy[k] - outer.x) < 1e-5 && std::abs(xy[k + 1] - outer.y) < 1e-5;
        EXPECT_TRUE(found) << "the outer point at angle " << i;
    }
    // Every point lies on a circle of the grid: none cuts across a chord of several cells.
    for (std::size_t k = 0; k + 1 < xy.size(); k += 2) {
        const double radius = std::hypot(xy[k], xy[k + 1]);
        const double steps = (radius - 0.5) / 0.9;
        EXPECT_NEAR(steps, std::round(steps), 1e-5) << radius;
    }
}

TEST(GridPlacement, CellsAtAMissingPointAreLeftOut) {
    Polar p = polar(5, 9);
    p.x[2 + 4 * 5] = NAN;  // point (2, 4)
    const PlacedField f = placed(p);
    EXPECT_TRUE(std::isnan(f.grid.at(2, 4)));
    EXPECT_FALSE(f.where.known(2, 4));
    // The circle through i = 2 breaks there: it becomes an open line around the hole.
    for (const ContourLine& line : contour_lines(f.grid, 2.5))
        for (const GridPoint& q : line.points)
            EXPECT_FALSE(std::abs(q.i - 2) < 1 && std::abs(q.j - 4) < 1)
                << "a point in a cell at the missing point: " << q.i << ", " << q.j;
    const std::vector<float> xy = world_points(bridged_outline(region_pieces(f.grid, 0)), f.where);
    for (float v : xy) EXPECT_TRUE(std::isfinite(v));
}

TEST(GridPlacement, TheSpacingIsTheSmallerMedianStep) {
    const std::vector<double> xs = {0, 1, 2, 10}, ys = {0, 0.5, 1};
    std::optional<Placement2d> axes =
        grid_placement(xs.data(), ys.data(), 4, 3, kColumnMajor, kGridAxes);
    ASSERT_TRUE(axes);
    EXPECT_DOUBLE_EQ(grid_spacing(*axes), 0.5);
    EXPECT_DOUBLE_EQ(axes->x2, 10);
    EXPECT_DOUBLE_EQ(axes->y1, 0);
    const Polar p = polar(10, 73);  // radial steps 0.5, arcs from 0.04 to 0.39
    EXPECT_NEAR(grid_spacing(placed(p).where), 3.0 * 2 * std::sin(kPi / 72), 1e-6);
    const double one = 3;
    std::optional<Placement2d> point = grid_placement(&one, &one, 1, 1, kColumnMajor, kGridAxes);
    ASSERT_TRUE(point);
    EXPECT_EQ(grid_spacing(*point), 0);
}

}  // namespace
}  // namespace lumora::plot
