// The 3-D view as plain functions: where the box's corners land for each quadrant of the
// azimuth, which base corner faces the viewer, the setups refused, lines cut to the box,
// and polygons left out by the face the viewer sees.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <numbers>
#include <vector>

#include "plotcore/box3d.h"
#include "plotcore/clip3d.h"
#include "plotcore/polygon3d.h"
#include "plotcore/view3d.h"

namespace lumora::plotcore {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

View3dSetup setup(double azimuth, double altitude) {
    View3dSetup s;
    s.base_width = 2;
    s.base_depth = 1;
    s.height = 3;
    s.x1 = 0, s.x2 = 10, s.y1 = -5, s.y2 = 5, s.z1 = 100, s.z2 = 200;
    s.azimuth = azimuth;
    s.altitude = altitude;
    s.centre_x = 7;
    s.centre_y = -1;
    return s;
}

Point2 at(const View3d& v, int i, int j, int k) {
    return v.project(v.corner({i, j, k}));
}

double distance(Point2 a, Point2 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

TEST(View3dTest, SeenFromAboveTheBaseIsItsRectangleTurnedByTheAzimuth) {
    // At azimuth 0, x runs right and y up the page; the box's middle is on the centre.
    const View3d plain(setup(0, 90));
    EXPECT_NEAR(at(plain, 0, 0, 0).x, 6, 1e-12);
    EXPECT_NEAR(at(plain, 0, 0, 0).y, -1.5, 1e-12);
    EXPECT_NEAR(at(plain, 1, 1, 1).x, 8, 1e-12);
    EXPECT_NEAR(at(plain, 1, 1, 1).y, -0.5, 1e-12);
    // A quarter turn counterclockwise: x runs up the page, y to the left.
    const View3d quarter(setup(90, 90));
    EXPECT_NEAR(at(quarter, 1, 0, 0).x, 7.5, 1e-12);
    EXPECT_NEAR(at(quarter, 1, 0, 0).y, 0, 1e-12);
    EXPECT_NEAR(at(quarter, 0, 1, 0).x, 6.5, 1e-12);
    EXPECT_NEAR(at(quarter, 0, 1, 0).y, -2, 1e-12);
    // In every quadrant the edges keep their lengths seen from straight above.
    for (double az : {30.0, 120.0, 210.0, 300.0, -60.0, 750.0}) {
        const View3d v(setup(az, 90));
        EXPECT_NEAR(distance(at(v, 0, 0, 0), at(v, 1, 0, 0)), 2, 1e-12) << az;
        EXPECT_NEAR(distance(at(v, 0, 0, 0), at(v, 0, 1, 0)), 1, 1e-12) << az;
        EXPECT_NEAR(distance(at(v, 0, 0, 0), at(v, 0, 0, 1)), 0, 1e-12) << az;
        const double turn = az * std::numbers::pi / 180;
        const Point2 a = at(v, 0, 0, 0), b = at(v, 1, 0, 0);
        EXPECT_NEAR(std::atan2(b.y - a.y, b.x - a.x), std::remainder(turn, 2 * std::numbers::pi),
                    1e-9)
            << az;
    }
}

TEST(View3dTest, TheAltitudeTiltsTheBoxAndItsMiddleStaysOnTheCentre) {
    for (double az : {30.0, 120.0, 210.0, 300.0}) {
        for (double alt : {5.0, 45.0, 90.0}) {
            const View3d v(setup(az, alt));
            const double tilt = alt * std::numbers::pi / 180;
            // A vertical edge stands straight up, its height shortened by the tilt.
            const Point2 low = at(v, 1, 0, 0), high = at(v, 1, 0, 1);
            EXPECT_NEAR(high.x, low.x, 1e-12);
            EXPECT_NEAR(high.y - low.y, 3 * std::cos(tilt), 1e-12);
            // Opposite corners lie either side of the centre.
            for (int i = 0; i < 2; ++i) {
                for (int j = 0; j < 2; ++j) {
                    const Point2 p = at(v, i, j, 0), q = at(v, 1 - i, 1 - j, 1);
                    EXPECT_NEAR((p.x + q.x) / 2, 7, 1e-12);
                    EXPECT_NEAR((p.y + q.y) / 2, -1, 1e-12);
                }
            }
            // The corner nearest the viewer is the lowest on the page, and the direction
            // towards the viewer says so too.
            const auto t = v.towards_viewer();
            EXPECT_NEAR(t[0] * t[0] + t[1] * t[1] + t[2] * t[2], 1, 1e-12);
            EXPECT_NEAR(t[2], std::sin(tilt), 1e-12);
            const BaseCorners b = base_corners(v);
            for (int n = 0; n < 4; ++n) {
                const Point2 p = at(v, n & 1, n >> 1, 0);
                EXPECT_GE(p.y + 1e-9, at(v, b.front.i, b.front.j, 0).y) << az << " " << alt;
            }
        }
    }
}

// Which base corner faces the viewer, in each quadrant of the azimuth, and which are the
// leftmost and the rightmost.
TEST(View3dTest, TheFrontCornerFollowsTheAzimuthRoundTheQuadrants) {
    struct Case {
        double azimuth;
        Corner front, left, right;
    };
    const Case cases[] = {{30, {0, 0, 0}, {0, 1, 0}, {1, 0, 0}},
                          {120, {0, 1, 0}, {1, 1, 0}, {0, 0, 0}},
                          {210, {1, 1, 0}, {1, 0, 0}, {0, 1, 0}},
                          {300, {1, 0, 0}, {0, 0, 0}, {1, 1, 0}},
                          {-60, {1, 0, 0}, {0, 0, 0}, {1, 1, 0}}};
    for (const Case& c : cases) {
        const BaseCorners b = base_corners(View3d(setup(c.azimuth, 30)));
        EXPECT_EQ(b.front.i, c.front.i) << c.azimuth;
        EXPECT_EQ(b.front.j, c.front.j) << c.azimuth;
        EXPECT_EQ(b.back.i, 1 - c.front.i) << c.azimuth;
        EXPECT_EQ(b.back.j, 1 - c.front.j) << c.azimuth;
        EXPECT_EQ(b.left.i, c.left.i) << c.azimuth;
        EXPECT_EQ(b.left.j, c.left.j) << c.azimuth;
        EXPECT_EQ(b.right.i, c.right.i) << c.azimuth;
        EXPECT_EQ(b.right.j, c.right.j) << c.azimuth;
    }
}

TEST(View3dTest, ReversedAndLogRangesPlaceTheDataAsTheirAxesRun) {
    View3dSetup s = setup(0, 90);
    std::swap(s.x1, s.x2);
    const View3d reversed(s);
    EXPECT_NEAR(reversed.project(reversed.world(10, -5, 100)).x, 6, 1e-12);
    EXPECT_NEAR(reversed.project(reversed.world(0, -5, 100)).x, 8, 1e-12);
    s = setup(0, 90);
    s.x1 = 1;
    s.x2 = 1000;
    s.log_x = true;
    const View3d log(s);
    EXPECT_NEAR(log.project(log.world(10, 0, 150)).x, 7 - 1.0 / 3, 1e-12);
    EXPECT_TRUE(std::isnan(log.world(0, 0, 150).x));
    EXPECT_TRUE(log.inside(log.world(1000, 5, 200)));
    EXPECT_FALSE(log.inside(log.world(1001, 5, 200)));
    EXPECT_FALSE(log.inside(log.world(-1, 0, 150)));
}

TEST(View3dTest, SetupsThatMakeNoBoxOrNoViewAreRefusedWithTheirCause) {
    EXPECT_EQ(view3d_problem(setup(30, 90)), "");
    EXPECT_EQ(view3d_problem(setup(-1e6, 1e-3)), "");
    struct Case {
        void (*change)(View3dSetup&);
        const char* cause;
    };
    const Case cases[] = {
        {[](View3dSetup& s) { s.base_width = 0; },
         "the base width 0 is not a finite number above 0"},
        {[](View3dSetup& s) { s.base_depth = kNaN; }, "the base depth NaN is not"},
        {[](View3dSetup& s) { s.height = -1; }, "the height -1 is not"},
        {[](View3dSetup& s) { s.x2 = s.x1; }, "the x range 0 ... 0 is empty"},
        {[](View3dSetup& s) { s.y1 = kNaN; }, "the y range NaN ... 5 is not finite"},
        {[](View3dSetup& s) { s.z2 = INFINITY; }, "the z range 100 ... infinity is not finite"},
        {[](View3dSetup& s) { s.x1 = -1e308, s.x2 = 1e308; }, "is too wide"},
        {[](View3dSetup& s) { s.log_y = true; },
         "the y range -5 ... 5 of a log axis is not above 0"},
        {[](View3dSetup& s) { s.altitude = 0; }, "the altitude 0 is not above 0 and at most 90"},
        {[](View3dSetup& s) { s.altitude = 90.5; }, "the altitude 90.5 is not"},
        {[](View3dSetup& s) { s.altitude = kNaN; }, "the altitude NaN is not"},
        {[](View3dSetup& s) { s.azimuth = -INFINITY; }, "the azimuth -infinity is not finite"},
    };
    for (const Case& c : cases) {
        View3dSetup s = setup(30, 45);
        c.change(s);
        EXPECT_NE(view3d_problem(s).find(c.cause), std::string::npos)
            << c.cause << " / " << view3d_problem(s);
    }
}

TEST(View3dTest, LinesAreCutWhereTheyLeaveTheBox) {
    const View3d v(setup(30, 45));
    auto w = [&](double x, double y, double z) { return v.world(x, y, z); };
    auto near = [&](Point2 p, Point3 q) { return distance(p, v.project(q)) < 1e-9; };
    // Inside all along: one run of every point.
    auto runs = clip_line3d(v, {w(1, 0, 150), w(2, 1, 160), w(3, 2, 170)});
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].size(), 3u);
    // Out through the face x = 10 and back in through z = 200; a point that is not a
    // number breaks it; a segment through the box from outside to outside is kept.
    runs = clip_line3d(
        v, {w(8, 0, 150), w(12, 0, 150), w(9, 0, 250), w(9, 0, 150), w(kNaN, 0, 150), w(5, 0, 150),
            w(-5, 0, 150), w(-1, -10, 150), w(5, -10, 150), w(5, 10, 150)});
    ASSERT_EQ(runs.size(), 4u);
    ASSERT_EQ(runs[0].size(), 2u);
    EXPECT_TRUE(near(runs[0][1], {10, 0, 150}));
    ASSERT_EQ(runs[1].size(), 2u);
    EXPECT_TRUE(near(runs[1][0], {9, 0, 200}));
    EXPECT_TRUE(near(runs[2][1], {0, 0, 150}));
    ASSERT_EQ(runs[3].size(), 2u);
    EXPECT_TRUE(near(runs[3][0], {5, -5, 150}));
    EXPECT_TRUE(near(runs[3][1], {5, 5, 150}));
    EXPECT_TRUE(clip_line3d(v, {w(20, 0, 150), w(30, 0, 150)}).empty());
}

// The faces of a cube inside the box, each with its corners counterclockwise as seen from
// outside: the viewer sees a face's front exactly where its outward normal points towards
// the viewer, from every quadrant and from high and low; a clockwise front sees the others.
TEST(Polygon3dTest, TheViewerSeesTheFacesWhoseFrontTurnsTowardsThem) {
    struct Face {
        int axis, side;  // the outward normal: +1 or -1 along the axis
        Point3 corners[4];
    };
    const Face faces[] = {
        {0, -1, {{2, -2, 120}, {2, -2, 180}, {2, 2, 180}, {2, 2, 120}}},
        {0, 1, {{8, -2, 120}, {8, 2, 120}, {8, 2, 180}, {8, -2, 180}}},
        {1, -1, {{2, -2, 120}, {8, -2, 120}, {8, -2, 180}, {2, -2, 180}}},
        {1, 1, {{2, 2, 120}, {2, 2, 180}, {8, 2, 180}, {8, 2, 120}}},
        {2, -1, {{2, -2, 120}, {2, 2, 120}, {8, 2, 120}, {8, -2, 120}}},
        {2, 1, {{2, -2, 180}, {8, -2, 180}, {8, 2, 180}, {2, 2, 180}}},
    };
    for (double azimuth : {20.0, 110.0, 200.0, 290.0}) {
        for (double altitude : {15.0, 75.0}) {
            const View3d v(setup(azimuth, altitude));
            int seen = 0;
            for (const Face& f : faces) {
                std::vector<Point3> corners(std::begin(f.corners), std::end(f.corners));
                const bool towards = f.side * v.towards_viewer()[f.axis] > 0;
                EXPECT_EQ(front_seen(v, corners, {true, false}), towards)
                    << azimuth << " " << altitude << " face " << f.axis << f.side;
                EXPECT_EQ(front_seen(v, corners, {false, false}), !towards);
                EXPECT_EQ(front_seen(v, corners, {true, true}), !towards);
                seen += towards ? 1 : 0;
            }
            EXPECT_EQ(seen, 3);
        }
    }
}

// Sides are drawn where their flag is set, neighbours joined into one run, and cut where
// they leave the box; a polygon seen from its back draws nothing whatever its flags.
TEST(Polygon3dTest, OnlyFlaggedSidesAreDrawnCutToTheBox) {
    const View3d v(setup(0, 30));
    auto near = [&](Point2 p, Point3 q) { return distance(p, v.project(q)) < 1e-9; };
    // In the plane y = 0, counterclockwise as the viewer at azimuth 0 sees it (x to the
    // right, z up), its right side beyond x = 10.
    const std::vector<Point3> square = {
        {2, 0, 120}, {12, 0, 120}, {12, 0, 180}, {2, 0, 180}, {2, 0, 120}};
    auto runs = polygon3d_runs(v, square, {true, true, true, true}, {});
    ASSERT_EQ(runs.size(), 2u);
    ASSERT_EQ(runs[0].size(), 2u);
    EXPECT_TRUE(near(runs[0][0], {2, 0, 120}));
    EXPECT_TRUE(near(runs[0][1], {10, 0, 120}));
    ASSERT_EQ(runs[1].size(), 3u);
    EXPECT_TRUE(near(runs[1][0], {10, 0, 180}));
    EXPECT_TRUE(near(runs[1][2], {2, 0, 120}));
    // The first and third sides only: two runs of one side each.
    runs = polygon3d_runs(v, square, {true, false, true, false}, {});
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(near(runs[1][0], {10, 0, 180}));
    EXPECT_TRUE(near(runs[1][1], {2, 0, 180}));
    EXPECT_TRUE(polygon3d_runs(v, square, {false, false, false, false}, {}).empty());
    const std::vector<Point3> backwards(square.rbegin(), square.rend());
    EXPECT_TRUE(polygon3d_runs(v, backwards, {true, true, true, true}, {}).empty());
    EXPECT_EQ(polygon3d_runs(v, backwards, {true, true, true, true}, {false, false}).size(), 2u);
    // A corner that is not a number breaks the outline and leaves the facing to the rest.
    const std::vector<Point3> broken = {
        {2, 0, 120}, {8, 0, 120}, {kNaN, 0, 150}, {2, 0, 180}, {2, 0, 120}};
    runs = polygon3d_runs(v, broken, {true, true, true, true}, {});
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(near(runs[1][1], {2, 0, 120}));
}

}  // namespace
}  // namespace lumora::plotcore
