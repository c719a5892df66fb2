// The field operations on uneven and curvilinear grids end to end, through a window
// process without plot batches (the default world: 60 pixels a unit, y = 0 at pixel 600).
#include <cmath>
#include <numbers>
#include <string>

#include "tests/unit/fields/fields_fixture.h"

namespace lumora::test {
namespace {

int px(double x) {
    return static_cast<int>(std::lround(60 * x));
}
int py(double y) {
    return static_cast<int>(std::lround(600 - 60 * y));
}

// A polar grid round (5, 4), radii 0.5 ... 3 along i, angles round the circle along j,
// row-major (value (i, j) at [i * nt + j]); corners: one more each way.
struct Polar {
    int nr, nt;
    std::vector<float> x, y, r;
};
Polar polar(int nr, int nt) {
    Polar p{nr, nt, {}, {}, {}};
    for (int i = 0; i < nr; ++i)
        for (int j = 0; j < nt; ++j) {
            const double r = 0.5 + 2.5 * i / (nr - 1), t = 2 * std::numbers::pi * j / (nt - 1);
            p.x.push_back(static_cast<float>(5 + r * std::cos(t)));
            p.y.push_back(static_cast<float>(4 + r * std::sin(t)));
            p.r.push_back(static_cast<float>(r));
        }
    return p;
}

TEST_F(FieldsTest, ContoursOnAPolarGridAreRoundOnThePage) {
    const Polar p = polar(8, 61);
    const float levels[] = {1.2f, 2.4f};
    const std::size_t from = items().size();
    ASSERT_EQ(lu_draw_contours_on_grid(p.r.data(), p.nr, p.nt, LU_ROW_MAJOR, p.x.data(), p.y.data(),
                                       LU_GRID_POINTS, levels, 2, 0),
              window());
    const auto lines = of_kind(luwnd::ItemKind::kPolyline, from);
    ASSERT_EQ(lines.size(), 2u);
    for (std::size_t n = 0; n < 2; ++n) {
        ASSERT_EQ(lines[n]->points.size(), 2u * 61);
        for (std::size_t k = 0; k + 1 < lines[n]->points.size(); k += 2) {
            const double dx = lines[n]->points[k] - 300, dy = lines[n]->points[k + 1] - 360;
            EXPECT_NEAR(std::hypot(dx, dy), 60 * levels[n], 1.0);
        }
    }
}

TEST_F(FieldsTest, VectorsOnAGridStartAtItsPointsScaledToItsSpacing) {
    const float xs[] = {0, 1, 5}, ys[] = {1, 3};
    const float u[] = {1, 1, 0.5f, 0.5f, 1, NAN}, v[] = {0, 0, 0, 0, 0, 0};  // row-major 3 x 2
    const std::size_t from = items().size();
    ASSERT_EQ(lu_draw_vectors_on_grid(u, v, 3, 2, LU_ROW_MAJOR, xs, ys, LU_GRID_AXES, 0), window());
    const auto arrows = of_kind(luwnd::ItemKind::kPolyline, from);
    ASSERT_EQ(arrows.size(), 5u);  // the NaN vector is left out
    const int tails[][2] = {
        {px(0), py(1)}, {px(1), py(1)}, {px(5), py(1)}, {px(0), py(3)}, {px(1), py(3)}};
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(arrows[k]->points[0], tails[k][0]) << k;
        EXPECT_EQ(arrows[k]->points[1], tails[k][1]) << k;
    }
    // Steps along i 1 and 4 (median 4), along j 2: the longest arrow is 0.9 of 2 units.
    EXPECT_EQ(arrows[0]->points[2] - arrows[0]->points[0], px(1.8));
    EXPECT_EQ(arrows[1]->points[2] - arrows[1]->points[0], px(0.9));
}

// Cells of a polar picture: the positions are corners, one more than the values each way;
// the outer edges of the outer cells are the grid's boundary.
TEST_F(FieldsTest, APictureOnAGridIsCellsBetweenItsCorners) {
    const Polar corners = polar(5, 13);  // 4 x 12 cells
    std::vector<float> z;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 12; ++j) z.push_back(static_cast<float>(i + j) / 16);
    ASSERT_EQ(lu_set_colour_map(LU_MAP_GREY, 0, 1), 1);
    const std::size_t from = items().size();
    ASSERT_EQ(lu_draw_field_image_on_grid(z.data(), 4, 12, LU_ROW_MAJOR, corners.x.data(),
                                          corners.y.data(), LU_GRID_POINTS),
              window());
    const auto cells = of_kind(luwnd::ItemKind::kPolygon, from);
    ASSERT_EQ(cells.size(), 48u);
    const plot::ColourMap& map = plot::current_colour_map();
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 12; ++j) {
            const auto* cell = cells[static_cast<std::size_t>(j * 4 + i)];
            ASSERT_GE(cell->points.size(), 8u);
            const std::size_t at = static_cast<std::size_t>(i * 13 + j);
            EXPECT_EQ(cell->points[0], px(corners.x[at]));
            EXPECT_EQ(cell->points[1], py(corners.y[at]));
            const std::int32_t colour = plot::palette_of(
                map)[plot::palette_index(map, z[static_cast<std::size_t>(i * 12 + j)])];
            EXPECT_EQ(cell->rgb, packed(colour)) << i << ", " << j;
        }
    // Each cell reaches half into the next ones, which cover it again; the last, with
    // none after it, keeps to its four corners.
    EXPECT_EQ(cells[0]->points.size(), 2u * 8);
    EXPECT_EQ(cells[47]->points.size(), 2u * 4);
    // The outer cells' outer corners lie on the outer circle, radius 3 round (5, 4).
    for (int j = 0; j < 12; ++j) {
        const auto& q = cells[static_cast<std::size_t>(j * 4 + 3)]->points;
        for (std::size_t k : {2u, 4u})
            EXPECT_NEAR(std::hypot(q[k] - px(5), q[k + 1] - py(4)), 180, 1.0);
    }
    EXPECT_EQ(fake().error_lines.size(), 0u);
}

// Cells of one colour along a row are one polygon, its outline through each grid point on
// its way, so that it follows the grid.
TEST_F(FieldsTest, ARunOfCellsOfOneColourIsOnePolygonAlongTheGrid) {
    const Polar corners = polar(5, 13);  // 4 x 12 cells, i along the radius
    const std::vector<float> z(48, 0.5f);
    const std::size_t from = items().size();
    ASSERT_EQ(lu_draw_field_image_on_grid(z.data(), 4, 12, LU_ROW_MAJOR, corners.x.data(),
                                          corners.y.data(), LU_GRID_POINTS),
              window());
    const auto rows = of_kind(luwnd::ItemKind::kPolygon, from);
    ASSERT_EQ(rows.size(), 12u);
    for (int j = 0; j < 12; ++j) {
        const std::vector<std::int32_t>& q = rows[static_cast<std::size_t>(j)]->points;
        for (int i = 0; i < 5; ++i) {  // the row's lower edge, point by point
            const std::size_t at = static_cast<std::size_t>(i * 13 + j);
            EXPECT_EQ(q[2 * static_cast<std::size_t>(i)], px(corners.x[at])) << i << ", " << j;
            EXPECT_EQ(q[2 * static_cast<std::size_t>(i) + 1], py(corners.y[at])) << i << ", " << j;
        }
    }
    // The last row has no row after it: its two edges along the grid and nothing more.
    EXPECT_EQ(rows.back()->points.size(), 2u * 10);
}

TEST_F(FieldsTest, ACellWithAMissingCornerIsLeftOut) {
    const float xs[] = {0, 1, 2, 0, 1, NAN}, ys[] = {0, 0, 0, 1, 1, 1};  // column-major 3 x 2
    const float z[] = {0.2f, 0.7f};
    const std::size_t from = items().size();
    ASSERT_EQ(lu_draw_field_image_on_grid(z, 2, 1, LU_COLUMN_MAJOR, xs, ys, LU_GRID_POINTS),
              window());
    const auto cells = of_kind(luwnd::ItemKind::kPolygon, from);
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0]->points[2], px(1));
}

TEST_F(FieldsTest, FilledContoursOnAGridPaintTheirBandsAndGiveThePenBack) {
    const Polar p = polar(6, 25);
    ASSERT_EQ(lu_set_pen(0x020000FF, 2, 3, 0), window());
    const float levels[] = {1, 2};
    const std::size_t from = items().size();
    ASSERT_EQ(lu_fill_contours_on_grid(p.r.data(), p.nr, p.nt, LU_ROW_MAJOR, p.x.data(), p.y.data(),
                                       LU_GRID_POINTS, levels, 2),
              window());
    EXPECT_EQ(of_kind(luwnd::ItemKind::kPolygon, from).size(), 3u);  // below, the band, above
    int colour = 0, style = 0;
    lu_get_pen(&colour, &style, nullptr, nullptr);
    EXPECT_EQ(colour, 0x020000FF);
    EXPECT_EQ(style, 2);
}

// Each refused grid comes back at once with its cause, nothing drawn.
TEST_F(FieldsTest, GridsThatCannotBeUsedAreRefusedWithTheirCause) {
    const float z[] = {0, 1, 2, 3}, good[] = {0, 1}, turning[] = {0, 1, 0.5f};
    const float nan_axis[] = {0, NAN}, infinite[] = {0, 1, INFINITY, 3};
    struct Case {
        const float *xg, *yg;
        int nx, grid;
        const char* cause;
    };
    const Case cases[] = {
        {good, good, 2, 7, "grid 7 is not LU_GRID_AXES (1) or LU_GRID_POINTS (2)"},
        {nullptr, good, 2, LU_GRID_AXES, "the grid's positions xg are a null pointer"},
        {good, nullptr, 2, LU_GRID_POINTS, "the grid's positions yg are a null pointer"},
        {nan_axis, good, 2, LU_GRID_AXES, "the grid's x positions are not all finite numbers"},
        {good, nan_axis, 2, LU_GRID_AXES, "the grid's y positions are not all finite numbers"},
        {turning, good, 3, LU_GRID_AXES,
         "the grid's x positions are neither strictly rising nor strictly falling"},
        {z, infinite, 2, LU_GRID_POINTS,
         "the grid's y positions hold an infinity (NaN marks a missing point)"},
    };
    const std::size_t from = items().size();
    for (const Case& c : cases) {
        fake().error_lines.clear();
        const int ny = c.nx == 3 ? 1 : 2;
        EXPECT_EQ(lu_draw_contours_on_grid(z, c.nx, ny, LU_COLUMN_MAJOR, c.xg, c.yg, c.grid,
                                           nullptr, 0, 0),
                  0);
        EXPECT_EQ(
            lu_fill_contours_on_grid(z, c.nx, ny, LU_COLUMN_MAJOR, c.xg, c.yg, c.grid, nullptr, 0),
            0);
        EXPECT_EQ(lu_draw_vectors_on_grid(z, z, c.nx, ny, LU_COLUMN_MAJOR, c.xg, c.yg, c.grid, 0),
                  0);
        ASSERT_EQ(fake().error_lines.size(), 3u) << c.cause;
        EXPECT_EQ(fake().error_lines[0], std::string("lu_draw_contours_on_grid: ") + c.cause);
        EXPECT_EQ(fake().error_lines[1], std::string("lu_fill_contours_on_grid: ") + c.cause);
        EXPECT_EQ(fake().error_lines[2], std::string("lu_draw_vectors_on_grid: ") + c.cause);
    }
    // The picture's corners are one more each way: two x positions for one cell.
    fake().error_lines.clear();
    EXPECT_EQ(lu_draw_field_image_on_grid(z, 2, 1, LU_COLUMN_MAJOR, turning, good, LU_GRID_AXES),
              0);
    EXPECT_EQ(lu_draw_field_image_on_grid(z, 2000, 1000, LU_COLUMN_MAJOR, good, good, LU_GRID_AXES),
              0);
    ASSERT_EQ(fake().error_lines.size(), 2u);
    EXPECT_EQ(fake().error_lines[1],
              "lu_draw_field_image_on_grid: a field image on a grid of 2000 x 1000 values: more "
              "cells than a window keeps (1000000)");
    EXPECT_EQ(items().size(), from);
}

// The reference forms take every argument by address and Fortran's order: the same
// drawing as the value forms given column-major arrays.
TEST_F(FieldsTest, TheReferenceFormsOnAGridTakeFortransOrder) {
    const Polar p = polar(5, 9);  // row-major: Fortran's order is its transpose
    std::vector<float> x, y, r;
    for (int j = 0; j < p.nt; ++j)
        for (int i = 0; i < p.nr; ++i) {
            const std::size_t k = static_cast<std::size_t>(i * p.nt + j);
            x.push_back(p.x[k]);
            y.push_back(p.y[k]);
            r.push_back(p.r[k]);
        }
    const float levels[] = {1.1f, 2.2f};
    std::size_t from = items().size();
    ASSERT_EQ(lu_draw_contours_on_grid(p.r.data(), p.nr, p.nt, LU_ROW_MAJOR, p.x.data(), p.y.data(),
                                       LU_GRID_POINTS, levels, 2, 0),
              window());
    std::vector<std::vector<std::int32_t>> by_value;
    for (const auto* line : of_kind(luwnd::ItemKind::kPolyline, from))
        by_value.push_back(line->points);
    from = items().size();
    int result = -1, nr = p.nr, nt = p.nt, grid = LU_GRID_POINTS, count = 2, labels = 0;
    ASSERT_EQ(lu_draw_contours_on_grid_(&result, r.data(), &nr, &nt, x.data(), y.data(), &grid,
                                        levels, &count, &labels),
              window());
    EXPECT_EQ(result, window());
    const auto by_reference = of_kind(luwnd::ItemKind::kPolyline, from);
    ASSERT_EQ(by_value.size(), 2u);
    ASSERT_EQ(by_reference.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) EXPECT_EQ(by_value[k], by_reference[k]->points);
    // The picture and the arrows alike.
    const std::vector<double> cx = {0, 1, 2, 0, 1, 2}, cy = {0, 0, 0, 1, 1, 1}, z = {0.2, 0.7};
    int two = 2, one = 1, axes = LU_GRID_POINTS;
    from = items().size();
    ASSERT_EQ(lu_draw_field_image_on_grid_double_(&result, z.data(), &two, &one, cx.data(),
                                                  cy.data(), &axes),
              window());
    ASSERT_EQ(of_kind(luwnd::ItemKind::kPolygon, from).size(), 2u);
    EXPECT_EQ(of_kind(luwnd::ItemKind::kPolygon, from)[1]->points[0], px(1));
    const float u[] = {1, 0, 1, 0, 1, 0}, xs[] = {0, 1, 2}, ys[] = {5, 6};
    int three = 3, g = LU_GRID_AXES;
    float scale = 1;
    from = items().size();
    ASSERT_EQ(lu_draw_vectors_on_grid_(&result, u, u, &three, &two, xs, ys, &g, &scale), window());
    const auto arrows = of_kind(luwnd::ItemKind::kPolyline, from);
    ASSERT_EQ(arrows.size(), 3u);  // u(0, 0), u(2, 0) and u(1, 1) are 1
    EXPECT_EQ(arrows[2]->points[0], px(1));
    EXPECT_EQ(arrows[2]->points[1], py(6));
}

}  // namespace
}  // namespace lumora::test
