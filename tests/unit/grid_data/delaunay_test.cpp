// The triangulation against what a Delaunay triangulation must be: triangles that cover
// the hull without folding, 2n - 2 - h of them, and no point inside any circumcircle;
// and the known triangulations of small sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "client/plot/delaunay.h"

namespace lumora::plot {
namespace {

std::vector<Point2> random_points(int n, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> along(0, 1);
    std::vector<Point2> points;
    for (int k = 0; k < n; ++k) points.push_back({along(random), along(random)});
    return points;
}

// Every triangle turns counter-clockwise, their count is the Euler count and their area
// that of the hull; each side inside the hull is shared by exactly two triangles.
void expect_valid(const Delaunay& mesh, double hull_area) {
    const auto triangles = mesh.real_triangles();
    const auto& p = mesh.points();
    const int n = static_cast<int>(p.size()), h = mesh.hull_size();
    EXPECT_EQ(static_cast<int>(triangles.size()), 2 * n - 2 - h);
    double area = 0;
    std::set<std::pair<int, int>> sides;
    for (const auto& t : triangles) {
        const double turn = orientation(p[t[0]], p[t[1]], p[t[2]]);
        EXPECT_GT(turn, 0);
        area += turn / 2;
        for (int k = 0; k < 3; ++k)
            EXPECT_TRUE(sides.insert({t[k], t[(k + 1) % 3]}).second) << "a side used twice";
    }
    EXPECT_NEAR(area, hull_area, 1e-9 * hull_area);
    int hull_sides = 0;
    for (const auto& [a, b] : sides)
        if (sides.count({b, a}) == 0) ++hull_sides;
    EXPECT_EQ(hull_sides, h);
}

// No point lies strictly inside any triangle's circumcircle (all pairs: small sets only).
void expect_empty_circles(const Delaunay& mesh) {
    const auto& p = mesh.points();
    int inside = 0;
    for (const auto& t : mesh.real_triangles())
        for (const Point2& q : p)
            if (in_circle(p[t[0]], p[t[1]], p[t[2]], q) > 0) ++inside;
    EXPECT_EQ(inside, 0);
}

TEST(Delaunay, ASquareTakesTwoTrianglesAndItsCentreFour) {
    Delaunay square({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    EXPECT_EQ(square.real_triangles().size(), 2u);
    expect_valid(square, 1);
    expect_empty_circles(square);
    Delaunay centred({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0.5, 0.5}});
    EXPECT_EQ(centred.real_triangles().size(), 4u);
    for (const auto& t : centred.real_triangles())
        EXPECT_NE(std::find(t.begin(), t.end(), 4), t.end()) << "each triangle has the centre";
}

// A regular grid: every cell's four corners are on one circle, the worst case for the
// in-circle test; 2 (m - 1)^2 triangles each of half a cell.
TEST(Delaunay, ARegularGridSplitsEachCellInTwo) {
    const int m = 20;
    std::vector<Point2> points;
    for (int j = 0; j < m; ++j)
        for (int i = 0; i < m; ++i) points.push_back({i * 0.1, j * 0.1});
    Delaunay mesh(points);
    EXPECT_EQ(mesh.hull_size(), 4 * (m - 1));
    EXPECT_EQ(mesh.real_triangles().size(), static_cast<std::size_t>(2 * (m - 1) * (m - 1)));
    const double side = (m - 1) * 0.1;
    expect_valid(mesh, side * side);
    expect_empty_circles(mesh);
}

TEST(Delaunay, CocircularPointsMakeAFan) {
    // Twelve points exactly on the circle of radius 5.
    const std::vector<Point2> points{{5, 0},  {4, 3},   {3, 4},   {0, 5},  {-3, 4}, {-4, 3},
                                     {-5, 0}, {-4, -3}, {-3, -4}, {0, -5}, {3, -4}, {4, -3}};
    Delaunay mesh(points);
    EXPECT_EQ(mesh.hull_size(), 12);
    EXPECT_EQ(mesh.real_triangles().size(), 10u);
    expect_empty_circles(mesh);
    double area = 0;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const Point2 a = points[k], b = points[(k + 1) % points.size()];
        area += (a.x * b.y - a.y * b.x) / 2;
    }
    expect_valid(mesh, area);
}

TEST(Delaunay, RandomPointsHaveEmptyCircumcircles) {
    for (unsigned seed : {1u, 2u, 3u}) {
        Delaunay mesh(random_points(600, seed));
        expect_empty_circles(mesh);
        EXPECT_GT(mesh.hull_size(), 3);
        EXPECT_EQ(static_cast<int>(mesh.real_triangles().size()), 2 * 600 - 2 - mesh.hull_size());
    }
}

// Ten thousand points, as a picture's samples may be: valid, every triangle's circle
// checked against the triangles' own neighbourhood (the points of adjacent triangles).
TEST(Delaunay, TenThousandPointsTriangulateLocallyDelaunay) {
    Delaunay mesh(random_points(10000, 7));
    const auto triangles = mesh.real_triangles();
    EXPECT_EQ(static_cast<int>(triangles.size()), 2 * 10000 - 2 - mesh.hull_size());
    const auto& p = mesh.points();
    // Locally Delaunay across every inner side implies Delaunay.
    std::map<std::pair<int, int>, int> opposite;
    for (const auto& t : triangles)
        for (int k = 0; k < 3; ++k) opposite[{t[(k + 1) % 3], t[(k + 2) % 3]}] = t[k];
    int bad = 0;
    for (const auto& t : triangles)
        for (int k = 0; k < 3; ++k) {
            auto it = opposite.find({t[(k + 2) % 3], t[(k + 1) % 3]});
            if (it != opposite.end() && in_circle(p[t[0]], p[t[1]], p[t[2]], p[it->second]) > 0)
                ++bad;
        }
    EXPECT_EQ(bad, 0);
}

TEST(Delaunay, PointsOnALineOrTooFewHaveNoArea) {
    EXPECT_FALSE(Delaunay({}).has_area());
    EXPECT_FALSE(Delaunay({{0, 0}, {1, 1}}).has_area());
    EXPECT_FALSE(Delaunay({{0, 0}, {1, 1}, {2, 2}, {-5, -5}}).has_area());
    EXPECT_EQ(Delaunay({{0, 0}, {1, 1}}).locate({0, 0}, 0), -1);
    // Many on a line and one off it: a fan, each point of the line on the hull.
    std::vector<Point2> points;
    for (int k = 0; k < 10; ++k) points.push_back({static_cast<double>(k), 0});
    points.push_back({4.5, 3});
    Delaunay fan(points);
    EXPECT_EQ(fan.real_triangles().size(), 9u);
    expect_valid(fan, 9 * 3 / 2.0);
}

TEST(Delaunay, LocateFindsTheTriangleOrTheHullEdgeBeyond) {
    Delaunay mesh(random_points(200, 11));
    const auto& p = mesh.points();
    std::mt19937 random(5);
    std::uniform_real_distribution<double> along(-0.5, 1.5);
    for (int k = 0; k < 500; ++k) {
        const Point2 q{along(random), along(random)};
        const int t = mesh.locate(q, k);
        ASSERT_GE(t, 0);
        const Triangle& tri = mesh.triangle(t);
        if (tri.ghost()) {
            EXPECT_GT(orientation(p[tri.v[0]], p[tri.v[1]], q), 0);
        } else {
            for (int m = 0; m < 3; ++m)
                EXPECT_GE(orientation(p[tri.v[(m + 1) % 3]], p[tri.v[(m + 2) % 3]], q), 0);
        }
    }
}

}  // namespace
}  // namespace lumora::plot
