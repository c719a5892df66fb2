// Surfaces and meshes in a 3-D view: the order in which cells are painted from every side
// and height, a surface's colours following z, NaN and points beyond the box leaving
// holes, meshes of white cells with their lines, one batch per call, and the arguments
// refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "plotcore/box3d.h"
#include "plotcore/surface3d.h"
#include "tests/gallery/gallery_window.h"
#include "tests/unit/plot/plot_items_drawn.h"

namespace lumora::plot {
namespace {

using plotcore::HeightField;
using plotcore::ItemKind;
using plotcore::Point3;
using plotcore::PointF;
using plotcore::View3d;
using plotcore::View3dSetup;

// A wavy field of 7 x 5 points over x 0 ... 1 (rising, unevenly) and y 20 ... 10
// (falling), z 100 ... 200.
HeightField wavy_field() {
    HeightField f;
    f.x = {0, 0.1, 0.25, 0.5, 0.6, 0.8, 1};
    f.y = {20, 17.5, 15, 12.5, 10};
    for (double y : f.y)
        for (double x : f.x) f.z.push_back(150 + 40 * std::sin(6 * x) * std::cos(y));
    return f;
}

View3d view_from(double altitude, double azimuth) {
    View3dSetup s;
    s.x1 = 0, s.x2 = 1, s.y1 = 10, s.y2 = 20, s.z1 = 100, s.z2 = 200;
    s.altitude = altitude;
    s.azimuth = azimuth;
    return View3d(s);
}

// The cell at a corner of the base: its grid point on that corner's x and y.
std::size_t cell_at(const HeightField& f, const View3d& view, plotcore::Corner c) {
    const Point3 p = view.corner(c);
    const std::size_t i = p.x == f.x.front() ? 0 : f.x.size() - 2;
    const std::size_t j = p.y == f.y.front() ? 0 : f.y.size() - 2;
    return j * (f.x.size() - 1) + i;
}

// Where the middle of a cell's base lands on the page (y up).
double page_y(const HeightField& f, const View3d& view, std::size_t i, std::size_t j) {
    return view.project({(f.x[i] + f.x[i + 1]) / 2, (f.y[j] + f.y[j + 1]) / 2, 150}).y;
}

// The first cell painted is the one at the base's back corner, the last the one at its
// front corner, and of any two neighbours the one nearer the viewer (lower on the page)
// is painted later, so that it covers the other: from each quadrant, low and high.
TEST(Surface3dOrderTest, CellsArePaintedFromTheFarthestToTheNearest) {
    const HeightField f = wavy_field();
    const std::size_t cx = f.x.size() - 1, cy = f.y.size() - 1;
    for (double altitude : {5.0, 85.0}) {
        for (double azimuth : {30.0, 120.0, 210.0, 300.0, -60.0}) {
            const View3d view = view_from(altitude, azimuth);
            const std::vector<std::size_t> order = back_to_front(view, f);
            ASSERT_EQ(order.size(), cx * cy);
            const plotcore::BaseCorners b = plotcore::base_corners(view);
            EXPECT_EQ(order.front(), cell_at(f, view, b.back)) << altitude << " " << azimuth;
            EXPECT_EQ(order.back(), cell_at(f, view, b.front)) << altitude << " " << azimuth;
            std::vector<std::size_t> when(order.size());
            for (std::size_t k = 0; k < order.size(); ++k) when[order[k]] = k;
            for (std::size_t j = 0; j < cy; ++j) {
                for (std::size_t i = 0; i < cx; ++i) {
                    const std::size_t c = j * cx + i;
                    const double y = page_y(f, view, i, j);
                    if (i + 1 < cx) {
                        EXPECT_EQ(page_y(f, view, i + 1, j) < y, when[c + 1] > when[c])
                            << altitude << " " << azimuth << " cell " << i << ", " << j;
                    }
                    if (j + 1 < cy) {
                        EXPECT_EQ(page_y(f, view, i, j + 1) < y, when[c + cx] > when[c])
                            << altitude << " " << azimuth << " cell " << i << ", " << j;
                    }
                }
            }
        }
    }
}

TEST(Surface3dOrderTest, ACellWithAMissingCornerOrOneBeyondTheBoxIsLeftOut) {
    HeightField f = wavy_field();
    const View3d view = view_from(30, 30);
    f.z[1 * f.x.size() + 2] = std::nan("");  // point (2, 1)
    f.z[0] = 250;                            // point (0, 0), above the box
    std::array<Point3, 4> corners;
    int drawn = 0;
    for (std::size_t cell = 0; cell < 6 * 4; ++cell) drawn += cell_corners(view, f, cell, corners);
    EXPECT_EQ(drawn, 24 - 4 - 1);
    ASSERT_TRUE(cell_corners(view, f, 6 + 5, corners));  // cell (5, 1)
    EXPECT_EQ(corners[2].x, f.x[6]);
    EXPECT_EQ(corners[2].y, f.y[2]);
    EXPECT_EQ(corners[2].z, f.z[2 * 7 + 6]);
}

class PlotSurface3dTest : public ::testing::Test {
  protected:
    PlotSurface3dTest() : window_(640, 480, 96, true) { reset_plot_state(); }
    ~PlotSurface3dTest() override {
        lu_set_colour_map(LU_MAP_SEQUENTIAL, 0, 1);
        reset_plot_state();
    }

    // A frame with a view of x 0 ... 4, y 0 ... 2, z 0 ... 4.
    void view(float azimuth) {
        ASSERT_EQ(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.5f, LU_PLOT_NO_BOX), window_.number());
        ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 4, 0, 2, 0, 4, 30, azimuth, 0), window_.number());
    }
    std::vector<plotcore::Item> polygons() {
        return batch_items_of(window_.picture(), ItemKind::kPolygon);
    }
    std::size_t batches() {
        std::size_t n = 0;
        for (const auto& op : window_.picture().items) n += op.item.kind == luwnd::ItemKind::kBatch;
        return n;
    }
    // The map's colours of each column of cells, mean z 0.5 ... 3.5, over low ... high.
    static std::vector<std::uint32_t> column_colours(float low, float high) {
        lu_set_colour_map(0, low, high);
        std::vector<std::uint32_t> out;
        for (float m : {0.5f, 1.5f, 2.5f, 3.5f}) out.push_back(rgb_of(lu_colour_of_value(m)));
        return out;
    }
    // The fill colours of the polygons drawn, from the leftmost on the page.
    std::vector<std::uint32_t> colours_left_to_right() {
        std::vector<plotcore::Item> p = polygons();
        std::stable_sort(p.begin(), p.end(),
                         [](const auto& a, const auto& b) { return middle(a).x < middle(b).x; });
        std::vector<std::uint32_t> out;
        for (const auto& item : p) out.push_back(item.fill_rgb);
        return out;
    }
    gallery::GalleryWindow window_;
};

// z = x on 5 x 3 points: seen from the front, each column of cells to the right has the
// map's colour of a higher mean, over the view's z range unless the map's own is asked for.
TEST_F(PlotSurface3dTest, ASurfaceIsOneBatchOfCellsInTheColoursOfTheirMeanZ) {
    view(0);
    const float x[] = {0, 1, 2, 3, 4}, y[] = {0, 1, 2};
    float rows[5][3], columns[3][5];
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 3; ++j) rows[i][j] = columns[j][i] = x[i];
    lu_set_colour_map(LU_MAP_GREY, 0, 1);
    const std::size_t before = batches();
    ASSERT_EQ(lu_plot_surface3d(&rows[0][0], 5, 3, LU_ROW_MAJOR, x, y, 0), window_.number());
    EXPECT_EQ(batches(), before + 1);
    ASSERT_EQ(polygons().size(), 8u);
    for (const auto& p : polygons()) {
        EXPECT_TRUE(p.filled);
        EXPECT_FALSE(p.outlined);
        EXPECT_EQ(p.points.size(), 4u);
    }
    std::vector<std::uint32_t> expected;
    for (std::uint32_t c : column_colours(0, 4)) expected.insert(expected.end(), 2, c);
    EXPECT_EQ(colours_left_to_right(), expected);
    EXPECT_LT(expected[0] & 0xFF, expected[7] & 0xFF) << "grey: higher is lighter";
    const std::vector<plotcore::Item> row_major = polygons();

    lu_erase_window();
    view(0);
    lu_set_colour_map(0, 0, 8);
    const double xd[] = {0, 1, 2, 3, 4}, yd[] = {0, 1, 2};
    double zd[3][5];
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 3; ++j) zd[j][i] = xd[i];
    ASSERT_EQ(lu_plot_surface3d_d(&zd[0][0], 5, 3, LU_COLUMN_MAJOR, xd, yd, LU_SURFACE_MAP_RANGE),
              window_.number());
    expected.clear();
    for (std::uint32_t c : column_colours(0, 8)) expected.insert(expected.end(), 2, c);
    EXPECT_EQ(colours_left_to_right(), expected);
    for (std::size_t k = 0; k < row_major.size(); ++k)
        EXPECT_EQ(polygons()[k].points, row_major[k].points) << "the same cells in the same order";

    lu_erase_window();
    view(0);
    lu_set_pen(0x02000000 | 200, 0, 1, 0);
    int result = 0, nx = 5, ny = 3, facets = LU_SURFACE_FACETS;
    ASSERT_EQ(lu_plot_surface3d_(&result, &columns[0][0], &nx, &ny, x, y, &facets),
              window_.number());
    EXPECT_EQ(result, window_.number());
    ASSERT_EQ(polygons().size(), 8u);
    for (const auto& p : polygons()) {
        EXPECT_TRUE(p.outlined);
        EXPECT_EQ(p.stroke.rgb, 0xC80000u);
    }
    EXPECT_EQ(colours_left_to_right(), [] {
        std::vector<std::uint32_t> e;
        for (std::uint32_t c : column_colours(0, 4)) e.insert(e.end(), 2, c);
        return e;
    }());
}

// A NaN point takes the four cells round it out, a point above the box its one cell.
TEST_F(PlotSurface3dTest, NaNAndPointsBeyondTheBoxLeaveHoles) {
    view(0);
    const float x[] = {0, 1, 2, 3, 4}, y[] = {0, 1, 2};
    float z[5][3] = {};
    z[2][1] = NAN;
    z[4][0] = 9;
    ASSERT_EQ(lu_plot_surface3d(&z[0][0], 5, 3, LU_ROW_MAJOR, x, y, 0), window_.number());
    const std::vector<plotcore::Item> p = polygons();
    ASSERT_EQ(p.size(), 3u);
    // Left: the cells of column 0; right: column 3's upper cell.
    std::vector<float> xs;
    for (const auto& item : p) xs.push_back(middle(item).x);
    std::sort(xs.begin(), xs.end());
    EXPECT_NEAR(xs[0], xs[1], 1);
    EXPECT_GT(xs[2], xs[0] + 100);
}

// On a log x axis the cells over x <= 0 are left out, the others drawn.
TEST_F(PlotSurface3dTest, CellsOverValuesALogAxisCannotTakeAreLeftOut) {
    ASSERT_EQ(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.5f, LU_PLOT_NO_BOX), window_.number());
    ASSERT_EQ(lu_plot_view3d(1, 1, 1, 1, 1000, 0, 2, 0, 4, 30, 30, LU_VIEW3D_LOG_X),
              window_.number());
    const double x[] = {-1, 0, 1, 10, 100, 1000}, y[] = {0, 1, 2};
    double z[6][3];
    for (auto& column : z)
        for (double& v : column) v = 2;
    ASSERT_EQ(lu_plot_mesh3d_d(&z[0][0], 6, 3, LU_ROW_MAJOR, x, y, LU_MESH_X), window_.number());
    EXPECT_EQ(polygons().size(), 3u * 2u);
}

// A mesh of both lines: white cells outlined in the pen, painted back to front (from the
// top of the page down when the mesh is flat); lines along x alone are level on the page
// seen from the front, lines along y alone run up it.
TEST_F(PlotSurface3dTest, AMeshIsWhiteCellsWithTheirLinesBackToFront) {
    view(0);
    const float x[] = {0, 1, 2, 3, 4}, y[] = {0, 1, 2};
    float z[5][3];
    for (auto& column : z)
        for (int j = 0; j < 3; ++j) column[j] = 1 + float(j);
    lu_set_pen(0x02000000 | 200, 0, 1, 0);
    ASSERT_EQ(lu_plot_mesh3d(&z[0][0], 5, 3, LU_ROW_MAJOR, x, y, LU_MESH_X | LU_MESH_Y),
              window_.number());
    const std::vector<plotcore::Item> cells = polygons();
    ASSERT_EQ(cells.size(), 8u);
    for (std::size_t k = 0; k < cells.size(); ++k) {
        EXPECT_TRUE(cells[k].filled && cells[k].outlined);
        EXPECT_EQ(cells[k].fill_rgb, 0xFFFFFFu);
        EXPECT_EQ(cells[k].stroke.rgb, 0xC80000u);
        if (k > 0) {
            EXPECT_GE(middle(cells[k]).y, middle(cells[k - 1]).y - 0.01f) << k;
        }
    }
    EXPECT_GT(middle(cells.back()).y, middle(cells.front()).y + 50);

    for (int lines : {LU_MESH_X, LU_MESH_Y}) {
        lu_erase_window();
        view(0);
        ASSERT_EQ(lu_plot_mesh3d(&z[0][0], 5, 3, LU_ROW_MAJOR, x, y, lines), window_.number());
        ASSERT_EQ(polygons().size(), 8u);
        for (const auto& p : polygons()) EXPECT_FALSE(p.outlined);
        int level = 0, upward = 0;
        for (const auto& s : batch_items_of(window_.picture(), ItemKind::kSegments)) {
            for (std::size_t i = 0; i + 1 < s.points.size(); i += 2) {
                level += std::fabs(s.points[i].y - s.points[i + 1].y) < 0.01f;
                upward += std::fabs(s.points[i].x - s.points[i + 1].x) < 0.01f;
            }
        }
        EXPECT_EQ(lines == LU_MESH_X ? level : upward, 16) << lines;
        EXPECT_EQ(lines == LU_MESH_X ? upward : level, 0) << lines;
    }
}

TEST_F(PlotSurface3dTest, RefusedArgumentsDrawNothingAndSayWhy) {
    const float x[] = {0, 1, 2}, y[] = {0, 1}, z[6] = {};
    const float falling[] = {0, 2, 1}, infinite[] = {0, INFINITY};
    ASSERT_EQ(lu_plot_frame(-1, 1, -1, 1, LU_PLOT_NO_BOX), window_.number());
    EXPECT_EQ(lu_plot_surface3d(z, 3, 2, LU_ROW_MAJOR, x, y, 0), 0);
    ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 4, 0, 2, 0, 4, 30, 30, 0), window_.number());
    EXPECT_EQ(lu_plot_surface3d(nullptr, 3, 2, LU_ROW_MAJOR, x, y, 0), 0);
    EXPECT_EQ(lu_plot_surface3d(z, 3, 2, LU_ROW_MAJOR, nullptr, y, 0), 0);
    EXPECT_EQ(lu_plot_surface3d(z, 1, 2, LU_ROW_MAJOR, x, y, 0), 0);
    EXPECT_EQ(lu_plot_surface3d(z, 3, -5, LU_ROW_MAJOR, x, y, 0), 0);
    EXPECT_EQ(lu_plot_surface3d(z, 100000, 100000, LU_ROW_MAJOR, x, y, 0), 0);
    EXPECT_EQ(lu_plot_surface3d(z, 3, 2, 7, x, y, 0), 0);
    EXPECT_EQ(lu_plot_surface3d(z, 3, 2, LU_ROW_MAJOR, falling, y, 0), 0);
    EXPECT_EQ(lu_plot_mesh3d(z, 3, 2, LU_ROW_MAJOR, x, infinite, LU_MESH_X), 0);
    EXPECT_EQ(lu_plot_surface3d(z, 3, 2, LU_ROW_MAJOR, x, y, LU_VIEW3D_LOG_Z), 0);
    EXPECT_EQ(lu_plot_mesh3d(z, 3, 2, LU_ROW_MAJOR, x, y, 0), 0);
    EXPECT_EQ(lu_plot_mesh3d(z, 3, 2, LU_ROW_MAJOR, x, y, LU_SURFACE_FACETS), 0);
    EXPECT_EQ(lu_plot_mesh3d_d_(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_TRUE(polygons().empty());
    const std::string errors = window_.errors();
    for (const char* cause : {
             "lu_plot_surface3d: window 1's frame has no 3-D view: call lu_plot_view3d first",
             "lu_plot_surface3d: the field's values are a null pointer",
             "lu_plot_surface3d: the grid's x values are a null pointer",
             "lu_plot_surface3d: a grid of 1 x 2 points: both sides need 2 or more",
             "lu_plot_surface3d: a field of 3 x -5 values",
             "lu_plot_surface3d: a field of more than",
             "lu_plot_surface3d: layout 7 is not",
             "lu_plot_surface3d: the grid's x values do not strictly rise or fall",
             "lu_plot_mesh3d: the grid's y values are not all finite numbers",
             "lu_plot_surface3d: options 4 are not a sum of LU_SURFACE_FACETS",
             "lu_plot_mesh3d: options 0 are not LU_MESH_X, LU_MESH_Y or their sum",
             "lu_plot_mesh3d: options 8 are not",
             "lu_plot_mesh3d_d: options 0 are not",
         })
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << "\n" << errors;
}

// A window that takes no plot batches gets the same cells through the drawing operations.
TEST(PlotSurface3dRoadsTest, WithoutBatchesTheDrawingOperationsPaintTheSameCells) {
    std::vector<std::vector<float>> cells[2];
    for (bool batches : {true, false}) {
        reset_plot_state();
        gallery::GalleryWindow window(640, 480, 96, batches);
        ASSERT_EQ(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.5f, LU_PLOT_NO_BOX), window.number());
        ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 4, 0, 2, 0, 4, 40, 250, 0), window.number());
        const float x[] = {0, 1, 2, 3, 4}, y[] = {0, 1, 2};
        float z[15];
        for (int k = 0; k < 15; ++k) z[k] = float(k % 4);
        ASSERT_EQ(lu_plot_mesh3d(z, 5, 3, LU_ROW_MAJOR, x, y, LU_MESH_X | LU_MESH_Y),
                  window.number());
        if (batches) {
            for (const auto& item : batch_items_of(window.picture(), ItemKind::kPolygon)) {
                std::vector<float> xy;
                for (PointF p : item.points) xy.insert(xy.end(), {p.x, p.y});
                cells[0].push_back(xy);
            }
            continue;
        }
        for (const luwnd::DrawItem& item : items_drawn(window.picture()))
            if (item.kind == luwnd::ItemKind::kPolygon)
                cells[1].emplace_back(item.points.begin(), item.points.end());
    }
    reset_plot_state();
    ASSERT_EQ(cells[0].size(), 8u);
    ASSERT_EQ(cells[1].size(), cells[0].size());
    for (std::size_t k = 0; k < cells[0].size(); ++k) {
        ASSERT_EQ(cells[1][k].size(), cells[0][k].size());
        for (std::size_t c = 0; c < cells[0][k].size(); ++c)
            EXPECT_NEAR(cells[0][k][c], cells[1][k][c], 1.5) << k;
    }
}

}  // namespace
}  // namespace lumora::plot
