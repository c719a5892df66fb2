// What dresses surfaces and meshes: mesh lines in the colours of their height, sides down
// to the base on the borders facing the viewer, contour lines on the base and on the
// surface (hidden with their cell), shading by a light, and the arguments refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "client/plot/surface3d_contours.h"
#include "plotcore/surface_light.h"
#include "plotcore/surface_sides.h"
#include "tests/gallery/gallery_window.h"
#include "tests/unit/plot/plot_items_drawn.h"

namespace lumora::plot {
namespace {

using plotcore::HeightField;
using plotcore::Item;
using plotcore::ItemKind;
using plotcore::Point3;
using plotcore::PointF;
using plotcore::View3d;
using plotcore::View3dSetup;

View3d view_of(double altitude, double azimuth) {
    View3dSetup s;
    s.x1 = 0, s.x2 = 4, s.y1 = 0, s.y2 = 2, s.z1 = 0, s.z2 = 4;
    s.altitude = altitude;
    s.azimuth = azimuth;
    return View3d(s);
}

// z = x over x 0 ... 4 (5 points) and y 0 ... 2 (3 points), as a field and as values.
HeightField ramp_field() {
    HeightField f;
    f.x = {0, 1, 2, 3, 4};
    f.y = {0, 1, 2};
    for (int j = 0; j < 3; ++j)
        for (double x : f.x) f.z.push_back(x);
    return f;
}

Grid values_of(const HeightField& f) {
    return Grid{f.nx(), f.ny(), f.z};
}

// The sides facing the viewer from each quarter, and nothing on the borders behind: each
// piece hangs from two neighbouring border points straight down to the base.
TEST(SurfaceSidesTest, OnlyTheBordersFacingTheViewerHangDownToTheBase) {
    const HeightField f = ramp_field();
    struct Case {
        double azimuth;
        std::size_t pieces;
        double border_x, border_y;  // NaN: that border not among them
    };
    const double none = std::nan("");
    for (const Case& c : {Case{30, 2 + 4, 0, 0}, Case{120, 2 + 4, 0, 2}, Case{210, 2 + 4, 4, 2},
                          Case{300, 2 + 4, 4, 0}, Case{0, 4, none, 0}}) {
        const View3d view = view_of(30, c.azimuth);
        const std::vector<plotcore::SidePiece> pieces = plotcore::front_sides(view, f);
        ASSERT_EQ(pieces.size(), c.pieces) << c.azimuth;
        for (const plotcore::SidePiece& p : pieces) {
            const bool on_x = p[0].x == p[1].x, on_y = p[0].y == p[1].y;
            ASSERT_TRUE(on_x != on_y) << c.azimuth;
            EXPECT_EQ(on_x ? p[0].x : p[0].y, on_x ? c.border_x : c.border_y) << c.azimuth;
            EXPECT_EQ(p[0].z, p[0].x) << "the top on the surface";
            EXPECT_EQ(p[2].z, 0) << "the bottom on the base";
            EXPECT_EQ(p[3].z, 0);
            EXPECT_EQ(p[2].x, p[1].x);
            EXPECT_EQ(p[3].y, p[0].y);
        }
    }
    EXPECT_TRUE(plotcore::front_sides(view_of(90, 30), f).empty()) << "seen from straight above";
}

TEST(SurfaceLightTest, ACellFacingTheLightIsBrighterThanOneTurnedAway) {
    const View3d view = view_of(60, 30);
    const std::array<Point3, 4> flat = {Point3{1, 0.5, 2}, {2, 0.5, 2}, {2, 1.5, 2}, {1, 1.5, 2}};
    EXPECT_NEAR(plotcore::facing_light(view, flat, Point3{1.5, 1, 1000}), 1, 1e-3)
        << "the light far straight above";
    EXPECT_EQ(plotcore::facing_light(view, flat, Point3{1.5, 1, 1}), 0) << "the light below";
    EXPECT_NEAR(plotcore::facing_light(view, flat, std::nullopt), view.towards_viewer()[2] / 1.0,
                1e-9)
        << "the light behind the viewer";
    // Two slopes of a roof with its ridge along y, the light far out on the side of x4.
    const std::array<Point3, 4> facing = {Point3{2, 0, 4}, {3, 0, 2}, {3, 2, 2}, {2, 2, 4}};
    const std::array<Point3, 4> away = {Point3{1, 0, 2}, {2, 0, 4}, {2, 2, 4}, {1, 2, 2}};
    const Point3 light{1000, 1, 2};
    EXPECT_GT(plotcore::facing_light(view, facing, light),
              plotcore::facing_light(view, away, light) + 0.3);
    const std::array<Point3, 4> pinched = {Point3{1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}};
    EXPECT_EQ(plotcore::facing_light(view, pinched, light), 0);
}

// On z = x the level L runs along y at x = L: on the base at z1, on the surface at z = L,
// each piece in the cell it crosses.
TEST(SurfaceContoursTest, LinesLieOnTheBaseAndOnTheSurfaceAtTheirLevel) {
    const HeightField f = ramp_field();
    const View3d view = view_of(30, 30);
    const std::vector<plotcore::Run2> base = base_contours(view, values_of(f), f, {1.5, 2.5});
    // Each line from y1 to y2 at x = its level, in whichever order and direction.
    std::vector<std::pair<double, double>> got, expected;
    for (const plotcore::Run2& run : base)
        for (const plotcore::Point2& p : run) got.emplace_back(p.x, p.y);
    for (double level : {1.5, 2.5}) {
        for (double y : {0.0, 1.0, 2.0}) {
            const plotcore::Point2 p = view.project({level, y, 0});
            expected.emplace_back(p.x, p.y);
        }
    }
    ASSERT_EQ(base.size(), 2u);
    ASSERT_EQ(got.size(), expected.size());
    std::sort(got.begin(), got.end());
    std::sort(expected.begin(), expected.end());
    for (std::size_t k = 0; k < got.size(); ++k) {
        EXPECT_NEAR(got[k].first, expected[k].first, 1e-9);
        EXPECT_NEAR(got[k].second, expected[k].second, 1e-9);
    }
    const std::vector<CellContour> on = surface_contours(view, values_of(f), f, {2.5, 1.5});
    ASSERT_EQ(on.size(), 4u);
    const std::size_t cells[] = {1, 5, 2, 6};  // sorted: level 1.5 in cells 1 and 5, 2.5 in 2, 6
    std::vector<std::size_t> cells_got;
    for (const CellContour& c : on) {
        cells_got.push_back(c.cell);
        EXPECT_EQ(c.from.z, c.from.x);
        EXPECT_EQ(c.to.z, c.to.x);
        EXPECT_EQ(std::fabs(c.from.y - c.to.y), 1);
    }
    std::vector<std::size_t> cells_expected(std::begin(cells), std::end(cells));
    std::sort(cells_expected.begin(), cells_expected.end());
    EXPECT_EQ(cells_got, cells_expected);
    EXPECT_TRUE(base_contours(view, values_of(f), f, {9}).empty()) << "a level beyond the values";
}

// Whether a point lies inside a convex polygon (either way round), its edges included.
bool inside(const Item& polygon, PointF p) {
    int sign = 0;
    const std::size_t n = polygon.points.size();
    for (std::size_t k = 0; k < n; ++k) {
        const PointF a = polygon.points[k], b = polygon.points[(k + 1) % n];
        const float cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        if (std::fabs(cross) < 1e-3f) continue;
        const int s = cross > 0 ? 1 : -1;
        if (sign != 0 && s != sign) return false;
        sign = s;
    }
    return true;
}

class PlotSurface3dDecorationTest : public ::testing::Test {
  protected:
    PlotSurface3dDecorationTest() : window_(640, 480, 96, true) { reset_plot_state(); }
    ~PlotSurface3dDecorationTest() override {
        lu_set_colour_map(LU_MAP_SEQUENTIAL, 0, 1);
        reset_plot_state();
    }

    // A frame with a view of x 0 ... 4, y 0 ... 2, z 0 ... 4.
    void view(float altitude, float azimuth) {
        ASSERT_EQ(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.5f, LU_PLOT_NO_BOX), window_.number());
        ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 4, 0, 2, 0, 4, altitude, azimuth, 0),
                  window_.number());
    }
    // Every item of the batches, in order.
    std::vector<Item> items() {
        std::vector<Item> out;
        for (const auto& op : window_.picture().items)
            if (op.item.kind == luwnd::ItemKind::kBatch && op.item.batch)
                out.insert(out.end(), op.item.batch->begin(), op.item.batch->end());
        return out;
    }
    std::vector<Item> of_kind(ItemKind kind) { return batch_items_of(window_.picture(), kind); }
    // The lines drawn, as pairs of points with their colour.
    struct Segment {
        PointF a, b;
        std::uint32_t rgb;
    };
    std::vector<Segment> segments() {
        std::vector<Segment> out;
        for (const Item& item : items()) {
            if (item.kind != ItemKind::kSegments && item.kind != ItemKind::kPolyline) continue;
            const std::size_t step = item.kind == ItemKind::kSegments ? 2 : 1;
            for (std::size_t k = 0; k + 1 < item.points.size(); k += step)
                out.push_back({item.points[k], item.points[k + 1], item.stroke.rgb});
        }
        return out;
    }
    gallery::GalleryWindow window_;
    const float x_[5] = {0, 1, 2, 3, 4}, y_[3] = {0, 1, 2};
    float ramp_[5][3] = {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}};
};

// Lines along y on z = x stand at one height each: seen from the front, the k-th column of
// lines from the left takes the map's colour of height k, over the view's z range or the
// map's own; the cells under them stay white.
TEST_F(PlotSurface3dDecorationTest, MeshLinesTakeTheColourOfTheirHeight) {
    for (int range : {0, LU_SURFACE_MAP_RANGE}) {
        lu_erase_window();
        view(30, 0);
        const float high = range != 0 ? 8.0f : 4.0f;
        lu_set_colour_map(LU_MAP_SEQUENTIAL, 0, high);
        lu_set_pen(0x02000000 | 200, 0, 1, 0);
        ASSERT_EQ(lu_plot_mesh3d(&ramp_[0][0], 5, 3, LU_ROW_MAJOR, x_, y_,
                                 LU_MESH_Y | LU_MESH_COLOURED | range),
                  window_.number());
        for (const Item& cell : of_kind(ItemKind::kPolygon)) {
            EXPECT_EQ(cell.fill_rgb, 0xFFFFFFu);
            EXPECT_FALSE(cell.outlined);
        }
        std::vector<Segment> lines = segments();
        ASSERT_EQ(lines.size(), 16u);
        std::vector<float> columns;
        for (const Segment& s : lines) {
            EXPECT_NEAR(s.a.x, s.b.x, 0.01f) << "along y: upward on the page";
            columns.push_back(s.a.x);
        }
        std::sort(columns.begin(), columns.end());
        columns.erase(std::unique(columns.begin(), columns.end(),
                                  [](float a, float b) { return std::fabs(a - b) < 0.5f; }),
                      columns.end());
        ASSERT_EQ(columns.size(), 5u);
        for (const Segment& s : lines) {
            const auto k = std::find_if(columns.begin(), columns.end(),
                                        [&](float c) { return std::fabs(c - s.a.x) < 0.5f; }) -
                           columns.begin();
            EXPECT_EQ(s.rgb, rgb_of(lu_colour_of_value(float(k)))) << "column " << k;
        }
        EXPECT_NE(rgb_of(lu_colour_of_value(0)), rgb_of(lu_colour_of_value(4)));
    }
}

// Seen from azimuth 30 the borders at x1 and y1 face the viewer: their 2 + 4 pieces come
// after every cell, so that they cover the cells behind them, and hang below them.
TEST_F(PlotSurface3dDecorationTest, SidesComeAfterTheCellsOnTheFrontBorders) {
    view(30, 30);
    lu_set_pen(0x02000000 | 200, 0, 1, 0);
    ASSERT_EQ(lu_plot_mesh3d(&ramp_[0][0], 5, 3, LU_ROW_MAJOR, x_, y_,
                             LU_MESH_X | LU_MESH_Y | LU_SURFACE_SIDES),
              window_.number());
    std::vector<Item> polygons = of_kind(ItemKind::kPolygon);
    ASSERT_EQ(polygons.size(), 8u + 6u);
    for (std::size_t k = 8; k < polygons.size(); ++k) {
        const std::vector<PointF>& p = polygons[k].points;
        ASSERT_EQ(p.size(), 4u);
        EXPECT_EQ(polygons[k].fill_rgb, 0xFFFFFFu);
        EXPECT_TRUE(polygons[k].outlined);
        EXPECT_EQ(polygons[k].stroke.rgb, 0xC80000u);
        // Each top point straight above its bottom point on the page, the bottom below.
        EXPECT_NEAR(p[2].x, p[1].x, 0.01f);
        EXPECT_NEAR(p[3].x, p[0].x, 0.01f);
        EXPECT_GE(p[2].y, p[1].y - 0.01f);
        EXPECT_GE(p[3].y, p[0].y - 0.01f);
    }
    EXPECT_GT(polygons.back().points[2].y, polygons.back().points[1].y + 10);

    lu_erase_window();
    view(30, 210);
    ASSERT_EQ(lu_plot_surface3d(&ramp_[0][0], 5, 3, LU_ROW_MAJOR, x_, y_, LU_SURFACE_SIDES),
              window_.number());
    polygons = of_kind(ItemKind::kPolygon);
    ASSERT_EQ(polygons.size(), 8u + 6u);
    // The side under the border at x2 (z = 4) takes the colour of height 4.
    lu_set_colour_map(0, 0, 4);
    std::size_t at_top = 0;
    for (std::size_t k = 8; k < polygons.size(); ++k)
        at_top += polygons[k].fill_rgb == rgb_of(lu_colour_of_value(4));
    EXPECT_EQ(at_top, 2u);
}

// Base contours come before the cells (which may cover them), in the pen; surface
// contours each right after the cell they lie on, so that nearer cells painted later
// cover them.
TEST_F(PlotSurface3dDecorationTest, ContoursLieOnTheBaseAndOnTheirCells) {
    view(30, 30);
    lu_set_pen(0x02000000 | 200, 0, 1, 0);
    const float levels[] = {1.5f, 2.5f};
    ASSERT_EQ(lu_plot_contours3d(2, levels, LU_CONTOURS3D_BASE), window_.number());
    ASSERT_EQ(lu_plot_surface3d(&ramp_[0][0], 5, 3, LU_ROW_MAJOR, x_, y_, 0), window_.number());
    std::vector<Item> all = items();
    const auto first_polygon = std::find_if(
        all.begin(), all.end(), [](const Item& i) { return i.kind == ItemKind::kPolygon; });
    std::size_t base_points = 0;
    for (auto it = all.begin(); it != first_polygon; ++it) {
        if (it->kind != ItemKind::kPolyline && it->kind != ItemKind::kSegments) continue;
        EXPECT_EQ(it->stroke.rgb, 0xC80000u);
        base_points += it->points.size();
    }
    EXPECT_GE(base_points, 4u);
    EXPECT_EQ(segments().size(), 4u) << "two lines over two cells each, nothing more";

    lu_erase_window();
    view(30, 30);
    const double twice[] = {1.5, 2.5};
    ASSERT_EQ(lu_plot_contours3d_d(2, twice, LU_CONTOURS3D_SURFACE), window_.number());
    lu_set_colour_map(LU_MAP_GREY, 0, 1);
    ASSERT_EQ(lu_plot_surface3d(&ramp_[0][0], 5, 3, LU_ROW_MAJOR, x_, y_, 0), window_.number());
    all = items();
    std::size_t pieces = 0, later_cells = 0;
    for (std::size_t k = 0; k < all.size(); ++k) {
        if (all[k].kind != ItemKind::kPolyline && all[k].kind != ItemKind::kSegments) continue;
        ASSERT_GT(k, 0u);
        const Item& cell = all[k - 1];
        ASSERT_EQ(cell.kind, ItemKind::kPolygon) << "right after its cell";
        EXPECT_EQ(all[k].stroke.rgb, 0xC80000u) << "in the pen";
        const PointF a = all[k].points.front(), b = all[k].points.back();
        EXPECT_TRUE(inside(cell, {(a.x + b.x) / 2, (a.y + b.y) / 2}));
        ++pieces;
        later_cells += std::count_if(all.begin() + long(k), all.end(),
                                     [](const Item& i) { return i.kind == ItemKind::kPolygon; });
    }
    EXPECT_EQ(pieces, 4u);
    EXPECT_GT(later_cells, 0u) << "nearer cells are painted after the pieces behind them";

    // n = 0 draws none again.
    lu_erase_window();
    view(30, 30);
    ASSERT_EQ(lu_plot_contours3d(0, nullptr, 0), window_.number());
    ASSERT_EQ(lu_plot_surface3d(&ramp_[0][0], 5, 3, LU_ROW_MAJOR, x_, y_, 0), window_.number());
    EXPECT_TRUE(segments().empty());
}

// A roof with its ridge along y (both slopes seen), lit from far out on the x2 side: the
// slope facing the light takes a lighter grey than the one turned away.
TEST_F(PlotSurface3dDecorationTest, LitCellsFacingTheLightAreLighter) {
    view(40, 30);
    float roof[5][3];
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 3; ++j) roof[i][j] = 2 - std::fabs(float(i) - 2);
    lu_set_colour_map(LU_MAP_GREY, 0, 1);
    int result = 0;
    const float far = 1000, mid = 1, low = 2;
    ASSERT_EQ(lu_plot_light3d_(&result, &far, &mid, &low), window_.number());
    EXPECT_EQ(result, window_.number());
    ASSERT_EQ(lu_plot_surface3d(&roof[0][0], 5, 3, LU_ROW_MAJOR, x_, y_, LU_SURFACE_LIT),
              window_.number());
    std::vector<Item> cells = of_kind(ItemKind::kPolygon);
    ASSERT_EQ(cells.size(), 8u);
    std::sort(cells.begin(), cells.end(),
              [](const Item& a, const Item& b) { return middle(a).x < middle(b).x; });
    const std::uint32_t away = cells.front().fill_rgb & 0xFF, facing = cells.back().fill_rgb & 0xFF;
    EXPECT_GT(facing, away + 40) << "grey: the lit slope is lighter";
    for (const Item& c : cells) EXPECT_EQ(c.fill_rgb & 0xFF, (c.fill_rgb >> 8) & 0xFF) << "grey";
}

TEST_F(PlotSurface3dDecorationTest, RefusedArgumentsChangeNothingAndSayWhy) {
    const float levels[] = {1, NAN};
    EXPECT_EQ(lu_plot_contours3d(-1, levels, LU_CONTOURS3D_BASE), 0);
    EXPECT_EQ(lu_plot_contours3d(20000, levels, LU_CONTOURS3D_BASE), 0);
    EXPECT_EQ(lu_plot_contours3d(1, nullptr, LU_CONTOURS3D_BASE), 0);
    EXPECT_EQ(lu_plot_contours3d(2, levels, LU_CONTOURS3D_BASE), 0);
    EXPECT_EQ(lu_plot_contours3d(1, levels, 0), 0);
    EXPECT_EQ(lu_plot_contours3d(1, levels, 4096), 0);
    EXPECT_EQ(lu_plot_contours3d_(nullptr, nullptr, nullptr, nullptr), window_.number())
        << "n 0 and no places: none";
    EXPECT_EQ(lu_plot_light3d(NAN, 0, 0), 0);
    EXPECT_EQ(lu_plot_light3d(0, 0, -INFINITY), 0);
    EXPECT_TRUE(plot_state(window_.number()).contours3d.empty());
    EXPECT_FALSE(plot_state(window_.number()).light3d.has_value());

    ASSERT_EQ(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.5f, LU_PLOT_NO_BOX), window_.number());
    ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 4, 0, 2, 1, 4, 30, 30, LU_VIEW3D_LOG_Z), window_.number());
    ASSERT_EQ(lu_plot_light3d(1, 1, -1), window_.number());
    const float z[5][3] = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {4, 4, 4}};
    EXPECT_EQ(lu_plot_surface3d(&z[0][0], 5, 3, LU_ROW_MAJOR, x_, y_, LU_SURFACE_LIT), 0);
    EXPECT_EQ(lu_plot_mesh3d(&z[0][0], 5, 3, LU_ROW_MAJOR, x_, y_, LU_MESH_X | LU_SURFACE_LIT), 0);
    EXPECT_EQ(lu_plot_surface3d(&z[0][0], 5, 3, LU_ROW_MAJOR, x_, y_, LU_MESH_COLOURED), 0);
    EXPECT_EQ(lu_plot_mesh3d(&z[0][0], 5, 3, LU_ROW_MAJOR, x_, y_, LU_MESH_COLOURED), 0);
    EXPECT_TRUE(of_kind(ItemKind::kPolygon).empty());
    const std::string errors = window_.errors();
    for (const char* cause : {
             "lu_plot_contours3d: n = -1: the levels are 0 ... 10000",
             "lu_plot_contours3d: n = 20000",
             "lu_plot_contours3d: the levels are a null pointer",
             "lu_plot_contours3d: level NaN is not a finite number",
             "lu_plot_contours3d: places 0 are not LU_CONTOURS3D_BASE, LU_CONTOURS3D_SURFACE",
             "lu_plot_contours3d: places 4096 are not",
             "lu_plot_light3d: the light's position has NaN, not a finite number",
             "lu_plot_light3d: the light's position has -infinity",
             "lu_plot_surface3d: the light's position is not above 0 on a log axis of the view",
             "lu_plot_mesh3d: options 544 are not LU_MESH_X, LU_MESH_Y or their sum",
             "lu_plot_surface3d: options 128 are not a sum of LU_SURFACE_FACETS",
             "lu_plot_mesh3d: options 128 are not",
         })
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << "\n" << errors;
}

// A window that takes no plot batches gets the contour pieces on the surface through the
// drawing operations, in the caller's pen (a fill before them leaves no pen of its own),
// and coloured mesh lines each in its colour.
TEST(PlotSurface3dDecorationRoadsTest, WithoutBatchesContoursAndColouredLinesKeepTheirPens) {
    reset_plot_state();
    gallery::GalleryWindow window(640, 480, 96, false);
    ASSERT_EQ(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.5f, LU_PLOT_NO_BOX), window.number());
    ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 4, 0, 2, 0, 4, 30, 30, 0), window.number());
    const float x[] = {0, 1, 2, 3, 4}, y[] = {0, 1, 2}, levels[] = {1.5f, 2.5f};
    float z[5][3];
    for (int i = 0; i < 5; ++i)
        for (float& v : z[i]) v = float(i);
    const int pen = 0x02000000 | 200;
    ASSERT_NE(lu_set_pen(pen, 2, 1, 0), 0);
    ASSERT_EQ(lu_plot_contours3d(2, levels, LU_CONTOURS3D_SURFACE), window.number());
    ASSERT_EQ(lu_plot_surface3d(&z[0][0], 5, 3, LU_ROW_MAJOR, x, y, 0), window.number());
    std::size_t lines = 0;
    for (const luwnd::DrawItem& item : items_drawn(window.picture())) {
        if (item.kind != luwnd::ItemKind::kPolyline) continue;
        ++lines;
        EXPECT_EQ(item.pen.colour, pen);
        EXPECT_EQ(item.pen.style, 2);
    }
    EXPECT_EQ(lines, 4u);

    lu_erase_window();
    ASSERT_EQ(lu_plot_contours3d(0, nullptr, 0), window.number());
    ASSERT_EQ(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.5f, LU_PLOT_NO_BOX), window.number());
    ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 4, 0, 2, 0, 4, 30, 0, 0), window.number());
    lu_set_colour_map(LU_MAP_SEQUENTIAL, 0, 4);
    ASSERT_EQ(lu_plot_mesh3d(&z[0][0], 5, 3, LU_ROW_MAJOR, x, y, LU_MESH_Y | LU_MESH_COLOURED),
              window.number());
    std::vector<int> colours;
    for (const luwnd::DrawItem& item : items_drawn(window.picture())) {
        if (item.kind != luwnd::ItemKind::kPolyline) continue;
        EXPECT_EQ(item.pen.style, 2);
        colours.push_back(item.pen.colour);
    }
    ASSERT_EQ(colours.size(), 16u);
    for (float h : {0.0f, 4.0f})
        EXPECT_NE(std::find(colours.begin(), colours.end(), lu_colour_of_value(h)), colours.end())
            << h;
    lu_set_colour_map(LU_MAP_SEQUENTIAL, 0, 1);
    reset_plot_state();
}

}  // namespace
}  // namespace lumora::plot
