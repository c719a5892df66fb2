// 3-D views through the public interface: the box's axes on the edges that face the
// viewer in each quadrant, a 3-D line as one batch of projected points, points left out
// beyond the box, and the arguments refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "plotcore/box3d.h"
#include "tests/gallery/gallery_window.h"
#include "tests/unit/plot/plot_items_drawn.h"

namespace lumora::plot {
namespace {

using plotcore::Corner;
using plotcore::ItemKind;
using plotcore::PointF;

struct Segment {
    PointF a, b;
};

double distance_to(PointF p, PointF a, PointF b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t =
        std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Whether p lies on the segment a ... b, more than 2 pixels from either end.
bool inside_edge(PointF p, PointF a, PointF b) {
    return distance_to(p, a, b) < 0.5 && std::hypot(p.x - a.x, p.y - a.y) > 2 &&
           std::hypot(p.x - b.x, p.y - b.y) > 2;
}

class PlotView3dTest : public ::testing::Test {
  protected:
    PlotView3dTest() : window_(640, 480, 96, true) { reset_plot_state(); }
    ~PlotView3dTest() override { reset_plot_state(); }

    // A frame with a view of x 0 ... 1, y 10 ... 20 and z 100 ... 200 from the azimuth.
    void view(float azimuth) {
        ASSERT_EQ(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.5f, LU_PLOT_NO_BOX), window_.number());
        ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 1, 10, 20, 100, 200, 30, azimuth, 0),
                  window_.number());
    }
    const WindowPlot& state() { return plot_state(window_.number()); }
    // A world point of the view where the batch places it.
    PointF placed(const plotcore::Point3& w) {
        const Frame& f = state().frame;
        const plotcore::Point2 p = state().view3d->project(w);
        return {static_cast<float>(f.px(p.x) + 0.5),
                static_cast<float>(f.page_height - f.py(p.y) + 0.5)};
    }
    PointF corner(Corner c) { return placed(state().view3d->corner(c)); }
    std::vector<Segment> segments() {
        std::vector<Segment> out;
        for (const plotcore::Item& item : batch_items_of(window_.picture(), ItemKind::kSegments))
            for (std::size_t i = 0; i + 1 < item.points.size(); i += 2)
                out.push_back({item.points[i], item.points[i + 1]});
        return out;
    }
    std::size_t batches() {
        std::size_t n = 0;
        for (const auto& op : window_.picture().items)
            if (op.item.kind == luwnd::ItemKind::kBatch) ++n;
        return n;
    }
    gallery::GalleryWindow window_;
};

// Ticks on the two base edges that meet at the front corner and none on the back ones,
// x and y numbers beyond the front edges, z numbers left of the left edge and right of
// the right one, for an azimuth in each quadrant.
TEST_F(PlotView3dTest, TheBoxHasItsAxesOnTheEdgesFacingTheViewer) {
    for (float azimuth : {30.0f, 120.0f, 210.0f, 300.0f}) {
        lu_erase_window();
        view(azimuth);
        ASSERT_EQ(lu_plot_box3d("bnts", "x", 0, 0, "bnts", "y", 0, 0, "bcnmst", "z", 0, 0),
                  window_.number());
        const plotcore::BaseCorners b = plotcore::base_corners(*state().view3d);
        const Corner f = b.front, back = b.back;
        const PointF front_x[2] = {corner({0, f.j, 0}), corner({1, f.j, 0})};
        const PointF front_y[2] = {corner({f.i, 0, 0}), corner({f.i, 1, 0})};
        const PointF back_x[2] = {corner({0, back.j, 0}), corner({1, back.j, 0})};
        const PointF back_y[2] = {corner({back.i, 0, 0}), corner({back.i, 1, 0})};
        // A tick at an axis's far end starts at a corner and may run along a back edge.
        const PointF corners[4] = {corner({0, 0, 0}), corner({1, 0, 0}), corner({0, 1, 0}),
                                   corner({1, 1, 0})};
        auto at_corner = [&](PointF p) {
            return std::any_of(std::begin(corners), std::end(corners),
                               [&](PointF c) { return std::hypot(p.x - c.x, p.y - c.y) < 2; });
        };
        int on_x = 0, on_y = 0;
        for (const Segment& s : segments()) {
            for (const auto& [p, q] : {std::pair(s.a, s.b), std::pair(s.b, s.a)}) {
                on_x += inside_edge(p, front_x[0], front_x[1]);
                on_y += inside_edge(p, front_y[0], front_y[1]);
                if (at_corner(q)) continue;
                EXPECT_FALSE(inside_edge(p, back_x[0], back_x[1])) << azimuth;
                EXPECT_FALSE(inside_edge(p, back_y[0], back_y[1])) << azimuth;
            }
        }
        EXPECT_GE(on_x, 3) << azimuth;
        EXPECT_GE(on_y, 3) << azimuth;
        int x_numbers = 0, y_numbers = 0, z_left = 0, z_right = 0;
        const float left = corner(b.left).x, right = corner(b.right).x;
        for (const plotcore::Item& t : batch_items_of(window_.picture(), ItemKind::kText)) {
            char* end = nullptr;
            const double v = std::strtod(t.text.bytes.c_str(), &end);
            if (end == t.text.bytes.c_str() || *end != '\0') continue;
            const PointF p = t.points[0];
            if (v >= 0 && v <= 1) {
                ++x_numbers;
                EXPECT_LT(distance_to(p, front_x[0], front_x[1]),
                          distance_to(p, back_x[0], back_x[1]))
                    << azimuth << " " << t.text.bytes;
            } else if (v >= 10 && v <= 20) {
                ++y_numbers;
                EXPECT_LT(distance_to(p, front_y[0], front_y[1]),
                          distance_to(p, back_y[0], back_y[1]))
                    << azimuth << " " << t.text.bytes;
            } else if (v >= 100 && v <= 200) {
                (p.x < left ? z_left : z_right) += 1;
                EXPECT_TRUE(p.x < left || p.x > right) << azimuth << " " << t.text.bytes;
            }
        }
        EXPECT_GE(x_numbers, 3) << azimuth;
        EXPECT_GE(y_numbers, 3) << azimuth;
        // The lowest z number gives way where a base axis's number stands at its corner.
        EXPECT_GE(z_left, 2) << azimuth;
        EXPECT_GE(z_right, 2) << azimuth;
    }
}

TEST_F(PlotView3dTest, BackWallGridLinesRunRoundTheBackCorner) {
    view(45);
    ASSERT_EQ(lu_plot_box3d("", "", 0, 0, "", "", 0, 0, "g", "", 50, 0), window_.number());
    const plotcore::BaseCorners b = plotcore::base_corners(*state().view3d);
    const auto lines = batch_items_of(window_.picture(), ItemKind::kPolyline);
    ASSERT_EQ(lines.size(), 3u) << "at z 100, 150 and 200";
    for (std::size_t n = 0; n < 3; ++n) {
        const double z = 100 + 50 * static_cast<double>(n);
        ASSERT_EQ(lines[n].points.size(), 3u);
        const auto& v = *state().view3d;
        const Corner at[3] = {b.left, b.back, b.right};
        for (int k = 0; k < 3; ++k) {
            const plotcore::Point3 w = v.corner(at[k]);
            const PointF want = placed({w.x, w.y, z});
            EXPECT_NEAR(lines[n].points[k].x, want.x, 1e-3);
            EXPECT_NEAR(lines[n].points[k].y, want.y, 1e-3);
        }
    }
}

TEST_F(PlotView3dTest, ALineIsOneBatchOfProjectedPointsCutAtTheBox) {
    view(60);
    std::vector<double> x, y, z;
    for (int i = 0; i < 100; ++i) {
        const double a = 0.2 * i;
        x.push_back(0.5 + 0.4 * std::cos(a));
        y.push_back(15 + 4 * std::sin(a));
        z.push_back(100 + i);
    }
    z.back() = 300;  // the last segment leaves through the top
    const std::size_t before = batches();
    ASSERT_EQ(lu_plot_line3d_d(100, x.data(), y.data(), z.data()), window_.number());
    EXPECT_EQ(batches(), before + 1);
    const auto lines = batch_items_of(window_.picture(), ItemKind::kPolyline);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].points.size(), 100u);
    const auto& v = *state().view3d;
    for (std::size_t i = 0; i < 99; ++i) {
        const PointF want = placed(v.world(x[i], y[i], z[i]));
        EXPECT_NEAR(lines[0].points[i].x, want.x, 1e-3) << i;
        EXPECT_NEAR(lines[0].points[i].y, want.y, 1e-3) << i;
    }
    // Cut where it reaches z = 200, on its way from 198 to 300.
    const double t = (200 - 198.0) / (300 - 198.0);
    const PointF top = placed({x[98] + t * (x[99] - x[98]), y[98] + t * (y[99] - y[98]), 200});
    EXPECT_NEAR(lines[0].points[99].x, top.x, 1e-3);
    EXPECT_NEAR(lines[0].points[99].y, top.y, 1e-3);
}

TEST_F(PlotView3dTest, PointsOutsideTheBoxAreLeftOut) {
    view(200);
    const float x[] = {0.5f, 2, 0.25f, 0.5f}, y[] = {15, 15, 12, NAN}, z[] = {150, 150, 190, 150};
    ASSERT_EQ(lu_plot_points3d(4, x, y, z, 13), window_.number());
    const auto markers = batch_items_of(window_.picture(), ItemKind::kMarkers);
    ASSERT_EQ(markers.size(), 1u);
    ASSERT_EQ(markers[0].points.size(), 2u);
    const auto& v = *state().view3d;
    EXPECT_NEAR(markers[0].points[1].x, placed(v.world(0.25, 12, 190)).x, 1e-3);
    EXPECT_NEAR(markers[0].points[1].y, placed(v.world(0.25, 12, 190)).y, 1e-3);
    // The reference forms draw the same.
    const int n = 4, marker = 13;
    int result = -1;
    lu_plot_points3d_(&result, &n, x, y, z, &marker);
    EXPECT_EQ(result, window_.number());
    EXPECT_EQ(batch_items_of(window_.picture(), ItemKind::kMarkers)[1].points, markers[0].points);
}

TEST_F(PlotView3dTest, RefusedArgumentsDrawNothingAndSayWhy) {
    const float x[] = {0, 1}, y[] = {10, 20}, z[] = {100, 200};
    EXPECT_EQ(lu_plot_view3d(1, 1, 1, 0, 1, 10, 20, 100, 200, 30, 30, 0), 0);
    ASSERT_EQ(lu_plot_frame(-1, 1, -1, 1, LU_PLOT_NO_BOX), window_.number());
    EXPECT_EQ(lu_plot_line3d(2, x, y, z), 0);
    EXPECT_EQ(lu_plot_box3d("b", "", 0, 0, "b", "", 0, 0, "b", "", 0, 0), 0);
    EXPECT_EQ(lu_plot_view3d(1, 1, 1, 0, 1, 10, 20, 100, 200, 0, 30, 0), 0);
    EXPECT_EQ(lu_plot_view3d(1, 1, 1, 0, 0, 10, 20, 100, 200, 30, 30, 0), 0);
    EXPECT_EQ(lu_plot_view3d(1, 1, 1, 0, 1, -1, 20, 100, 200, 30, 30, LU_VIEW3D_LOG_Y), 0);
    EXPECT_EQ(lu_plot_view3d(1, 1, 1, 0, 1, 10, 20, 100, 200, 30, 30, 8), 0);
    EXPECT_EQ(lu_plot_view3d(-1, 1, 1, 0, 1, 10, 20, 100, 200, 30, INFINITY, 0), 0);
    ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 1, 10, 20, 100, 200, 30, 30, 0), window_.number());
    EXPECT_EQ(lu_plot_line3d(1, x, y, z), 0);
    EXPECT_EQ(lu_plot_line3d(2, x, y, nullptr), 0);
    EXPECT_EQ(lu_plot_points3d(2, x, y, z, 7), 0);
    EXPECT_EQ(lu_plot_points3d(0, x, y, z, 1), 0);
    // A new frame has no view until it gets one.
    ASSERT_EQ(lu_plot_frame(-1, 1, -1, 1, LU_PLOT_NO_BOX), window_.number());
    EXPECT_EQ(lu_plot_points3d(2, x, y, z, 1), 0);
    EXPECT_TRUE(batch_items_of(window_.picture(), ItemKind::kMarkers).empty());
    EXPECT_TRUE(batch_items_of(window_.picture(), ItemKind::kText).empty());
    const std::string errors = window_.errors();
    for (const char* cause : {
             "lu_plot_view3d: window 1 has no frame",
             "lu_plot_line3d: window 1's frame has no 3-D view: call lu_plot_view3d first",
             "lu_plot_box3d: window 1's frame has no 3-D view",
             "lu_plot_view3d: the altitude 0 is not above 0 and at most 90 degrees",
             "lu_plot_view3d: the x range 0 ... 0 is empty",
             "lu_plot_view3d: the y range -1 ... 20 of a log axis is not above 0",
             "lu_plot_view3d: options 8 are not",
             "lu_plot_view3d: the base width -1 is not a finite number above 0",
             "lu_plot_line3d: a line needs at least 2 points",
             "lu_plot_line3d: an array of values is a null pointer",
             "lu_plot_points3d: marker 7 is not a marker code",
             "lu_plot_points3d: n = 0: there are no points",
             "lu_plot_points3d: window 1's frame has no 3-D view",
         })
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << "\n" << errors;
}

// The faces of a cube in the box, each counterclockwise as seen from outside: with the
// counterclockwise front the viewer sees the three facing them, with the clockwise one
// the other three; each drawn face is one closed outline at its projected corners.
TEST_F(PlotView3dTest, PolygonsShowTheFacesTheirFrontTurnsToTheViewer) {
    view(30);
    const double faces[6][4][3] = {
        {{0.2, 12, 120}, {0.2, 12, 180}, {0.2, 18, 180}, {0.2, 18, 120}},
        {{0.8, 12, 120}, {0.8, 18, 120}, {0.8, 18, 180}, {0.8, 12, 180}},
        {{0.2, 12, 120}, {0.8, 12, 120}, {0.8, 12, 180}, {0.2, 12, 180}},
        {{0.2, 18, 120}, {0.2, 18, 180}, {0.8, 18, 180}, {0.8, 18, 120}},
        {{0.2, 12, 120}, {0.2, 18, 120}, {0.8, 18, 120}, {0.8, 12, 120}},
        {{0.2, 12, 180}, {0.8, 12, 180}, {0.8, 18, 180}, {0.2, 18, 180}},
    };
    const int all[4] = {1, 1, 1, 1};
    std::vector<int> drawn[2];
    for (int front = 0; front < 2; ++front) {
        for (int f = 0; f < 6; ++f) {
            double x[5], y[5], z[5];
            for (int i = 0; i < 5; ++i) {
                x[i] = faces[f][i % 4][0], y[i] = faces[f][i % 4][1], z[i] = faces[f][i % 4][2];
            }
            const std::size_t before =
                batch_items_of(window_.picture(), ItemKind::kPolyline).size();
            ASSERT_EQ(lu_plot_polygon3d_d(5, x, y, z, all, front), window_.number());
            const auto lines = batch_items_of(window_.picture(), ItemKind::kPolyline);
            if (lines.size() == before) continue;
            drawn[front].push_back(f);
            ASSERT_EQ(lines.size(), before + 1);
            ASSERT_EQ(lines.back().points.size(), 5u);
            for (int i = 0; i < 5; ++i) {
                const PointF want = placed(state().view3d->world(x[i], y[i], z[i]));
                EXPECT_NEAR(lines.back().points[i].x, want.x, 1e-3);
                EXPECT_NEAR(lines.back().points[i].y, want.y, 1e-3);
            }
        }
    }
    ASSERT_EQ(drawn[1].size(), 3u);
    ASSERT_EQ(drawn[0].size(), 3u);
    for (int f : drawn[1]) EXPECT_EQ(std::count(drawn[0].begin(), drawn[0].end(), f), 0) << f;
    // Each face seen has its outward normal towards the viewer.
    const auto& t = state().view3d->towards_viewer();
    for (int f : drawn[1]) {
        const int axis = f / 2, side = f % 2 == 0 ? -1 : 1;
        EXPECT_GT(side * t[static_cast<std::size_t>(axis)], 0) << f;
    }
}

// Only the flagged sides are drawn, and the float and reference forms draw as the double
// ones do.
TEST_F(PlotView3dTest, PolygonSidesFollowTheirFlagsInEveryForm) {
    view(30);
    // Facing the viewer from y1: the side at y = 10 seen counterclockwise.
    const float x[] = {0.2f, 0.8f, 0.8f, 0.2f, 0.2f}, y[] = {10, 10, 10, 10, 10},
                z[] = {120, 120, 180, 180, 120};
    const int sides[] = {1, 0, 1, 0}, n = 5, front = 1;
    ASSERT_EQ(lu_plot_polygon3d(n, x, y, z, sides, front), window_.number());
    int result = -1;
    lu_plot_polygon3d_(&result, &n, x, y, z, sides, &front);
    EXPECT_EQ(result, window_.number());
    const double xd[] = {0.2, 0.8, 0.8, 0.2, 0.2}, yd[] = {10, 10, 10, 10, 10},
                 zd[] = {120, 120, 180, 180, 120};
    lu_plot_polygon3d_d_(&result, &n, xd, yd, zd, sides, &front);
    EXPECT_EQ(result, window_.number());
    // Two separate sides: one item of two segments a call.
    const auto lines = batch_items_of(window_.picture(), ItemKind::kSegments);
    ASSERT_EQ(lines.size(), 3u);
    for (const auto& line : lines) EXPECT_EQ(line.points, lines[0].points);
    ASSERT_EQ(lines[0].points.size(), 4u);
    EXPECT_NEAR(lines[0].points[1].x, placed(state().view3d->world(0.8, 10, 120)).x, 1e-3);
    EXPECT_NEAR(lines[0].points[2].x, placed(state().view3d->world(0.8, 10, 180)).x, 1e-3);
    EXPECT_NEAR(lines[0].points[2].y, placed(state().view3d->world(0.8, 10, 180)).y, 1e-3);
}

TEST_F(PlotView3dTest, PolygonArgumentsAreRefusedWithTheirCause) {
    const float x[] = {0.2f, 0.8f, 0.5f}, y[] = {12, 12, 12}, z[] = {120, 120, 180};
    const int sides[] = {1, 1};
    ASSERT_EQ(lu_plot_frame(-1, 1, -1, 1, LU_PLOT_NO_BOX), window_.number());
    EXPECT_EQ(lu_plot_polygon3d(3, x, y, z, sides, 1), 0);
    ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 1, 10, 20, 100, 200, 30, 30, 0), window_.number());
    EXPECT_EQ(lu_plot_polygon3d(2, x, y, z, sides, 1), 0);
    EXPECT_EQ(lu_plot_polygon3d(-5, x, y, z, sides, 1), 0);
    EXPECT_EQ(lu_plot_polygon3d(3, x, nullptr, z, sides, 1), 0);
    EXPECT_EQ(lu_plot_polygon3d(3, x, y, z, nullptr, 1), 0);
    EXPECT_EQ(lu_plot_polygon3d(3, x, y, z, sides, 2), 0);
    EXPECT_EQ(lu_plot_polygon3d_(nullptr, nullptr, x, y, z, sides, nullptr), 0);
    EXPECT_TRUE(batch_items_of(window_.picture(), ItemKind::kPolyline).empty());
    EXPECT_TRUE(batch_items_of(window_.picture(), ItemKind::kSegments).empty());
    const std::string errors = window_.errors();
    for (const char* cause : {
             "lu_plot_polygon3d: window 1's frame has no 3-D view",
             "lu_plot_polygon3d: a polygon needs at least 3 points, not n = 2",
             "lu_plot_polygon3d: a polygon needs at least 3 points, not n = -5",
             "lu_plot_polygon3d: an array of values is a null pointer",
             "lu_plot_polygon3d: the flags of the sides are a null pointer",
             "lu_plot_polygon3d: the front 2 is neither 1 (counterclockwise) nor 0 (clockwise)",
             "lu_plot_polygon3d: a polygon needs at least 3 points, not n = 0",
         })
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << "\n" << errors;
}

// The reference form of the box reads blank-padded texts as Fortran passes them.
TEST_F(PlotView3dTest, TheReferenceFormsTakeFortranTexts) {
    const float one = 1, x1 = 0, x2 = 1, y1 = 10, y2 = 20, z1 = 100, z2 = 200, alt = 30, az = 30;
    const float step = 0;
    const int none = 0;
    int result = -1;
    ASSERT_EQ(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.5f, LU_PLOT_NO_BOX), window_.number());
    lu_plot_view3d_(&result, &one, &one, &one, &x1, &x2, &y1, &y2, &z1, &z2, &alt, &az, &none);
    ASSERT_EQ(result, window_.number());
    lu_plot_box3d_(&result, "bn  ", "Along x   ", &step, &none, "b", "", &step, &none, "b", "",
                   &step, &none, 4, 10, 1, 0, 1, 0);
    ASSERT_EQ(result, window_.number());
    bool label = false;
    for (const plotcore::Item& t : batch_items_of(window_.picture(), ItemKind::kText))
        label = label || t.text.bytes == "Along x";
    EXPECT_TRUE(label);
}

// A window that takes no plot batches gets the same drawing through the drawing
// operations: the box's label where the batch would put it, the line through the same
// projected points.
TEST(PlotView3dRoadsTest, WithoutBatchesTheDrawingOperationsDrawTheSame) {
    std::vector<luwnd::DrawItem> drawn[2];
    const float x[] = {0, 0.5f, 1}, y[] = {10, 15, 20}, z[] = {100, 150, 200};
    for (bool batches : {true, false}) {
        reset_plot_state();
        gallery::GalleryWindow window(640, 480, 96, batches);
        ASSERT_EQ(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.5f, LU_PLOT_NO_BOX), window.number());
        ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 1, 10, 20, 100, 200, 30, 120, 0), window.number());
        ASSERT_EQ(lu_plot_box3d("", "along x", 0, 0, "", "", 0, 0, "", "", 0, 0), window.number());
        ASSERT_EQ(lu_plot_line3d(3, x, y, z), window.number());
        for (const luwnd::DrawItem& item : items_drawn(window.picture()))
            // (A batch's descriptions come out as polylines of no points.)
            if (item.kind == luwnd::ItemKind::kText ||
                (item.kind == luwnd::ItemKind::kPolyline && !item.points.empty()))
                drawn[batches ? 0 : 1].push_back(item);
    }
    reset_plot_state();
    ASSERT_EQ(drawn[0].size(), 2u);
    ASSERT_EQ(drawn[1].size(), drawn[0].size());
    for (std::size_t i = 0; i < drawn[0].size(); ++i) {
        EXPECT_EQ(drawn[1][i].kind, drawn[0][i].kind);
        EXPECT_EQ(drawn[1][i].text, drawn[0][i].text);
        for (std::size_t k = 0; k < drawn[0][i].points.size(); ++k)
            EXPECT_NEAR(drawn[1][i].points[k], drawn[0][i].points[k], 1) << i;
        for (std::size_t k = 0; k < 2; ++k)
            EXPECT_NEAR(drawn[1][i].coords[k], drawn[0][i].coords[k], 1) << i;
    }
}

// A resized window lays the frame out again: the 3-D line and the box's corners land where
// a window of the new size draws them.
TEST(PlotView3dResizeTest, TheLineAndTheBoxFollowTheFrame) {
    const float x[] = {0, 0.5f, 1}, y[] = {10, 15, 20}, z[] = {100, 150, 200};
    std::vector<plotcore::PointF> seen[2];
    for (bool resize : {false, true}) {
        reset_plot_state();
        gallery::GalleryWindow window(resize ? 640 : 900, resize ? 480 : 500);
        ASSERT_EQ(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.5f, LU_PLOT_NO_BOX), window.number());
        ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 1, 10, 20, 100, 200, 30, 250, 0), window.number());
        ASSERT_EQ(lu_plot_box3d("b", "", 0, 0, "b", "", 0, 0, "bc", "", 0, 0), window.number());
        ASSERT_EQ(lu_plot_line3d(3, x, y, z), window.number());
        if (resize) {
            ASSERT_TRUE(window.resize(900, 500));
        }
        for (ItemKind kind : {ItemKind::kSegments, ItemKind::kPolyline})
            for (const plotcore::Item& item : batch_items_of(window.picture(), kind))
                seen[resize].insert(seen[resize].end(), item.points.begin(), item.points.end());
    }
    reset_plot_state();
    // Four edges of two ends, and the line's three points.
    ASSERT_EQ(seen[0].size(), 11u);
    ASSERT_EQ(seen[1].size(), seen[0].size());
    for (std::size_t i = 0; i < seen[0].size(); ++i) {
        EXPECT_NEAR(seen[1][i].x, seen[0][i].x, 0.01) << i;
        EXPECT_NEAR(seen[1][i].y, seen[0][i].y, 0.01) << i;
    }
}

// A log z axis: decades numbered as powers of ten, data placed by their logarithms, and
// values <= 0 breaking the line.
TEST_F(PlotView3dTest, ALogAxisNumbersDecadesAndPlacesTheLogarithms) {
    ASSERT_EQ(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.5f, LU_PLOT_NO_BOX), window_.number());
    ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 1, 10, 20, 1, 1000, 30, 30, LU_VIEW3D_LOG_Z),
              window_.number());
    ASSERT_EQ(lu_plot_box3d("", "", 0, 0, "", "", 0, 0, "bnt", "", 0, 0), window_.number());
    std::vector<std::string> texts;
    for (const plotcore::Item& t : batch_items_of(window_.picture(), ItemKind::kText))
        texts.push_back(t.text.bytes);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "10"), 4) << "10^0 ... 10^3";
    for (const char* exponent : {"0", "1", "2", "3"})
        EXPECT_EQ(std::count(texts.begin(), texts.end(), exponent), 1) << exponent;
    // The middle of the box at z = 10^1.5 lands on the middle of the frame's world.
    const double middle = std::pow(10.0, 1.5);
    const double x[] = {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5};
    const double y[] = {15, 15, 15, 15, 15, 15, 15};
    const double z[] = {2, middle, 10, 0, 100, 200, 500};
    ASSERT_EQ(lu_plot_line3d_d(7, x, y, z), window_.number());
    const auto lines = batch_items_of(window_.picture(), ItemKind::kPolyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points.size(), 3u);
    EXPECT_EQ(lines[1].points.size(), 3u);
    const Frame& f = state().frame;
    EXPECT_NEAR(lines[0].points[1].x, f.px(0) + 0.5, 1e-3);
    EXPECT_NEAR(lines[0].points[1].y, f.page_height - f.py(0.15) + 0.5, 1e-3);
}

// Straight from above (vertical edges seen end on), boxes far smaller and far larger than
// the frame, and huge azimuths: drawn, with every position a number.
TEST_F(PlotView3dTest, ExtremeViewsDrawOnlyFinitePositions) {
    const float x[] = {0, 1}, y[] = {10, 20}, z[] = {100, 200};
    for (float size : {1e-30f, 1.0f, 1e30f}) {
        for (float alt : {90.0f, 1e-3f}) {
            ASSERT_EQ(lu_plot_frame(-1, 1, -1, 1, LU_PLOT_NO_BOX), window_.number());
            ASSERT_EQ(lu_plot_view3d(size, size, size, 0, 1, 10, 20, 100, 200, alt, 1e30f, 0),
                      window_.number());
            EXPECT_EQ(lu_plot_box3d("bnts", "x", 0, 0, "bnts", "y", 0, 0, "bcmnstg", "z", 0, 0),
                      window_.number());
            EXPECT_EQ(lu_plot_line3d(2, x, y, z), window_.number());
            EXPECT_EQ(lu_plot_points3d(2, x, y, z, 1), window_.number());
        }
    }
    for (const auto& op : window_.picture().items) {
        if (op.item.kind != luwnd::ItemKind::kBatch) continue;
        for (const plotcore::Item& item : *op.item.batch)
            for (PointF p : item.points) ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }
    EXPECT_EQ(window_.errors(), "");
}

// The x and y numbers take the formats of the frame's x and y numbers; z's are chosen.
TEST_F(PlotView3dTest, BaseAxesNumberInTheFramesFormats) {
    ASSERT_EQ(lu_plot_set_number_format(LU_PLOT_X_NUMBERS, "%.2f m"), window_.number());
    view(30);
    ASSERT_EQ(lu_plot_box3d("bn", "", 0, 0, "bn", "", 0, 0, "bn", "", 0, 0), window_.number());
    std::vector<std::string> texts;
    for (const plotcore::Item& t : batch_items_of(window_.picture(), ItemKind::kText))
        texts.push_back(t.text.bytes);
    const auto metres = std::count_if(texts.begin(), texts.end(), [](const std::string& t) {
        return t.size() > 2 && t.compare(t.size() - 2, 2, " m") == 0;
    });
    EXPECT_GE(metres, 3);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "0.00 m"), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "10"), 1) << "y as chosen";
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "200"), 1) << "z as chosen";
}

}  // namespace
}  // namespace lumora::plot
