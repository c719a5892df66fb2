// Natural neighbour and linear weights: they sum to 1, are positive, pass through the
// samples and reproduce a linear function exactly, inside the hull and on its edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>
#include <vector>

#include "client/plot/natural_neighbour.h"

namespace lumora::plot {
namespace {

std::vector<Point2> scattered(int n, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> along(0, 1);
    std::vector<Point2> points{{0, 0}, {1, 0}, {1, 1}, {0, 1}};  // the hull: the unit square
    for (int k = 4; k < n; ++k) points.push_back({along(random), along(random)});
    return points;
}

double plane(Point2 p) {
    return 3 * p.x - 2 * p.y + 0.5;
}

struct Sums {
    double weight = 0, x = 0, y = 0, least = 1;
};

Sums sums(const Delaunay& mesh, const std::vector<Weight>& weights) {
    Sums s;
    for (const Weight& w : weights) {
        s.weight += w.weight;
        s.x += w.weight * mesh.points()[static_cast<std::size_t>(w.index)].x;
        s.y += w.weight * mesh.points()[static_cast<std::size_t>(w.index)].y;
        s.least = std::min(s.least, w.weight);
    }
    return s;
}

void expect_linear_precision(const Delaunay& mesh, Point2 q, const std::vector<Weight>& w) {
    ASSERT_FALSE(w.empty()) << q.x << ", " << q.y;
    const Sums s = sums(mesh, w);
    EXPECT_NEAR(s.weight, 1, 1e-12);
    EXPECT_NEAR(s.x, q.x, 1e-9) << q.y;
    EXPECT_NEAR(s.y, q.y, 1e-9) << q.x;
    EXPECT_GE(s.least, -1e-12);
}

TEST(NaturalNeighbour, WeightsReproduceLinearFunctionsInsideTheHull) {
    const Delaunay mesh(scattered(300, 3));
    std::mt19937 random(9);
    std::uniform_real_distribution<double> along(0.001, 0.999);
    int hint = 0;
    for (int k = 0; k < 1000; ++k) {
        const Point2 q{along(random), along(random)};
        const std::vector<Weight> w = natural_neighbour_weights(mesh, q, hint);
        expect_linear_precision(mesh, q, w);
        EXPECT_GE(w.size(), 3u);
    }
}

// On a regular grid the places lie on the triangles' sides and on cocircular cells'
// circles, where the cavity's shape is decided by exact ties.
Point2 circumcentre(Point2 a, Point2 b, Point2 c) {
    const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
    const double la = a.x * a.x + a.y * a.y, lb = b.x * b.x + b.y * b.y, lc = c.x * c.x + c.y * c.y;
    return {(la * (b.y - c.y) + lb * (c.y - a.y) + lc * (a.y - b.y)) / d,
            (la * (c.x - b.x) + lb * (a.x - c.x) + lc * (b.x - a.x)) / d};
}

// The area of the Voronoi cell of an inner point: its triangles' circumcentres, which
// surround it, taken in the order of their angle around it.
double cell_area(const Delaunay& mesh, int site) {
    const auto& p = mesh.points();
    const Point2 s = p[static_cast<std::size_t>(site)];
    std::vector<std::pair<double, Point2>> corners;
    for (const auto& t : mesh.real_triangles())
        if (t[0] == site || t[1] == site || t[2] == site) {
            const Point2 c = circumcentre(p[t[0]], p[t[1]], p[t[2]]);
            corners.push_back({std::atan2(c.y - s.y, c.x - s.x), c});
        }
    std::sort(corners.begin(), corners.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    double area = 0;
    for (std::size_t k = 0; k < corners.size(); ++k) {
        const Point2 a = corners[k].second, b = corners[(k + 1) % corners.size()].second;
        area += (a.x * b.y - a.y * b.x) / 2;
    }
    return area;
}

// Sibson's weights by their definition, from two triangulations: the area each neighbour's
// Voronoi cell loses when the place is inserted, over the area of the place's new cell.
TEST(NaturalNeighbour, WeightsAreTheAreasTheInsertedPlaceTakes) {
    std::vector<Point2> points = scattered(200, 8);
    const Delaunay mesh(points);
    int hint = 0;
    for (const Point2 q : {Point2{0.5, 0.5}, Point2{0.31, 0.62}, Point2{0.7, 0.28}}) {
        std::vector<Point2> with_q = points;
        with_q.push_back(q);
        const Delaunay inserted(with_q);
        const double cell = cell_area(inserted, static_cast<int>(points.size()));
        const std::vector<Weight> w = natural_neighbour_weights(mesh, q, hint);
        ASSERT_GE(w.size(), 3u);
        for (const Weight& one : w) {
            const double lost = cell_area(mesh, one.index) - cell_area(inserted, one.index);
            EXPECT_NEAR(one.weight, lost / cell, 1e-9) << "neighbour " << one.index;
        }
    }
}

TEST(NaturalNeighbour, WeightsStayExactOnARegularGridsLines) {
    std::vector<Point2> points;
    for (int j = 0; j <= 10; ++j)
        for (int i = 0; i <= 10; ++i) points.push_back({i * 0.1, j * 0.1});
    const Delaunay mesh(points);
    int hint = 0;
    for (int j = 1; j < 40; ++j)
        for (int i = 1; i < 40; ++i) {
            const Point2 q{i * 0.025, j * 0.025};
            expect_linear_precision(mesh, q, natural_neighbour_weights(mesh, q, hint));
        }
    // The centre of a cell takes its four corners, a quarter each.
    const std::vector<Weight> w = natural_neighbour_weights(mesh, {0.45, 0.45}, hint);
    ASSERT_EQ(w.size(), 4u);
    for (const Weight& one : w) EXPECT_NEAR(one.weight, 0.25, 1e-12);
}

TEST(NaturalNeighbour, ASamplesPlaceTakesOnlyThatSample) {
    const Delaunay mesh(scattered(50, 4));
    int hint = 0;
    for (int k = 0; k < 50; ++k) {
        const std::vector<Weight> w =
            natural_neighbour_weights(mesh, mesh.points()[static_cast<std::size_t>(k)], hint);
        ASSERT_EQ(w.size(), 1u);
        EXPECT_EQ(w[0].index, k);
        EXPECT_EQ(w[0].weight, 1);
    }
}

TEST(NaturalNeighbour, TheHullsEdgeIsLinearAndBeyondItIsNothing) {
    const Delaunay mesh(scattered(40, 5));
    int hint = 0;
    for (double t : {0.1, 0.37, 0.5, 0.93}) {
        for (Point2 q : {Point2{t, 0}, Point2{1, t}, Point2{t, 1}, Point2{0, t}}) {
            expect_linear_precision(mesh, q, natural_neighbour_weights(mesh, q, hint));
            expect_linear_precision(mesh, q, linear_weights(mesh, q, hint));
        }
    }
    for (Point2 q : {Point2{-0.01, 0.5}, Point2{1.5, 1.5}, Point2{0.5, 1 + 1e-12}}) {
        EXPECT_TRUE(natural_neighbour_weights(mesh, q, hint).empty());
        EXPECT_TRUE(linear_weights(mesh, q, hint).empty());
    }
}

TEST(NaturalNeighbour, LinearWeightsReproduceAPlane) {
    const Delaunay mesh(scattered(100, 6));
    int hint = 0;
    for (int j = 0; j <= 20; ++j)
        for (int i = 0; i <= 20; ++i) {
            const Point2 q{i / 20.0, j / 20.0};
            const std::vector<Weight> w = linear_weights(mesh, q, hint);
            ASSERT_EQ(w.size(), 3u);
            double value = 0;
            for (const Weight& one : w)
                value += one.weight * plane(mesh.points()[static_cast<std::size_t>(one.index)]);
            EXPECT_NEAR(value, plane(q), 1e-12);
            EXPECT_GE(sums(mesh, w).least, -1e-12);
        }
}

}  // namespace
}  // namespace lumora::plot
