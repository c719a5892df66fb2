// The gridding methods on samples: what each gives at and between the samples, where
// the linear ones give nothing, and how unusable samples are taken.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "client/plot/grid_data.h"

namespace lumora::plot {
namespace {

double plane(double x, double y) {
    return 2 * x + 5 * y - 1;
}

Samples plane_samples(int n, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> along(0, 10);
    std::vector<double> x{0, 10, 10, 0}, y{0, 0, 10, 10};
    for (int k = 4; k < n; ++k) x.push_back(along(random)), y.push_back(along(random));
    std::vector<double> z;
    for (std::size_t k = 0; k < x.size(); ++k) z.push_back(plane(x[k], y[k]));
    return samples_of(x.data(), y.data(), z.data(), n);
}

std::vector<double> steps(double from, double step, int count) {
    std::vector<double> out;
    for (int k = 0; k < count; ++k) out.push_back(from + k * step);
    return out;
}

TEST(GridData, SamplesLeaveOutTheUnfiniteAndMergeThoseAtOnePlace) {
    const float nan = NAN, inf = INFINITY;
    const float x[] = {1, 2, 1, nan, 3, 1, 4};
    const float y[] = {1, 2, 1, 0, inf, 1, 4};
    const float z[] = {1, 5, 2, 7, 7, 6, nan};
    const Samples s = samples_of(x, y, z, 7);
    ASSERT_EQ(s.points.size(), 2u);
    EXPECT_EQ(s.points[0].x, 1);
    EXPECT_EQ(s.values[0], 3);  // the mean of 1, 2 and 6
    EXPECT_EQ(s.values[1], 5);
}

// Linear and natural neighbour interpolation give a plane back exactly, inside the hull;
// outside it they give NaN.
TEST(GridData, LinearMethodsReproduceAPlaneAndLeaveTheOutsideMissing) {
    const std::vector<double> xg = steps(-1, 0.5, 25), yg = steps(-1, 0.5, 25);
    for (GridMethod m : {GridMethod::linear, GridMethod::natural}) {
        const std::vector<double> v = grid_values(plane_samples(200, 1), xg, yg, m, 0);
        ASSERT_EQ(v.size(), xg.size() * yg.size());
        for (std::size_t j = 0; j < yg.size(); ++j)
            for (std::size_t i = 0; i < xg.size(); ++i) {
                const double got = v[j * xg.size() + i];
                const bool inside = xg[i] >= 0 && xg[i] <= 10 && yg[j] >= 0 && yg[j] <= 10;
                if (inside)
                    EXPECT_NEAR(got, plane(xg[i], yg[j]), 1e-9) << xg[i] << ", " << yg[j];
                else
                    EXPECT_TRUE(std::isnan(got)) << xg[i] << ", " << yg[j];
            }
    }
}

// Each method passes through the samples; nearest takes the value of the nearest.
TEST(GridData, EveryMethodPassesThroughTheSamples) {
    const double x[] = {0, 1, 0, 1, 0.3}, y[] = {0, 0, 1, 1, 0.6}, z[] = {1, 2, 3, 4, 10};
    for (GridMethod m : {GridMethod::nearest, GridMethod::inverse_distance, GridMethod::linear,
                         GridMethod::natural}) {
        for (int k = 0; k < 5; ++k) {
            const std::vector<double> v = grid_values(samples_of(x, y, z, 5), {x[k]}, {y[k]}, m, 0);
            EXPECT_DOUBLE_EQ(v[0], z[k]) << static_cast<int>(m) << " sample " << k;
        }
    }
    const std::vector<double> v =
        grid_values(samples_of(x, y, z, 5), {0.9, 0.35, 5}, {0.05, 0.5, 5}, GridMethod::nearest, 0);
    EXPECT_EQ(v[0], 2);   // (0.9, 0.05) is nearest (1, 0)
    EXPECT_EQ(v[4], 10);  // (0.35, 0.5) nearest (0.3, 0.6)
    EXPECT_EQ(v[8], 4);   // far away, nearest (1, 1)
}

// Inverse distance: a mean of the 12 nearest, each weighted 1 / d^power.
TEST(GridData, InverseDistanceWeightsTheNearestByTheirDistance) {
    const double x[] = {0, 2, 100}, y[] = {0, 0, 0}, z[] = {1, 4, 1000};
    const Samples s = samples_of(x, y, z, 3);
    // At (0.5, 0): distances 0.5, 1.5, 99.5.
    const double w[] = {1 / 0.25, 1 / 2.25, 1 / (99.5 * 99.5)};
    const double want2 = (w[0] * 1 + w[1] * 4 + w[2] * 1000) / (w[0] + w[1] + w[2]);
    EXPECT_NEAR(grid_values(s, {0.5}, {0}, GridMethod::inverse_distance, 0)[0], want2, 1e-12);
    const double want1 = (2 * 1 + 4 / 1.5 + 1000 / 99.5) / (2 + 1 / 1.5 + 1 / 99.5);
    EXPECT_NEAR(grid_values(s, {0.5}, {0}, GridMethod::inverse_distance, 1)[0], want1, 1e-12);
    // Of 20 samples only the 12 nearest count: the far ones' large values do not.
    std::vector<double> xs, ys, zs;
    for (int k = 0; k < 20; ++k) xs.push_back(k), ys.push_back(0), zs.push_back(k < 12 ? 1 : 1e6);
    EXPECT_DOUBLE_EQ(grid_values(samples_of(xs.data(), ys.data(), zs.data(), 20), {-1}, {0},
                                 GridMethod::inverse_distance, 2)[0],
                     1);
}

// The grid's coordinates may come in any order and at any spacing; a coordinate that is
// no number gives NaN on its row or column only.
TEST(GridData, UnsortedAndUnfiniteGridCoordinates) {
    const Samples s = plane_samples(100, 2);
    const std::vector<double> xg{7, 1, NAN, 3.5, 9}, yg{2, 8, 0.5};
    const std::vector<double> v = grid_values(s, xg, yg, GridMethod::natural, 0);
    for (std::size_t j = 0; j < yg.size(); ++j)
        for (std::size_t i = 0; i < xg.size(); ++i) {
            const double got = v[j * xg.size() + i];
            if (std::isnan(xg[i]))
                EXPECT_TRUE(std::isnan(got));
            else
                EXPECT_NEAR(got, plane(xg[i], yg[j]), 1e-9);
        }
}

// Grid points far beyond the samples, where squares of coordinates overflow, are outside
// the hull for the linear methods and still have a value for the others.
TEST(GridData, GridPointsFarAwayAreOutsideOrNearTheEdge) {
    const Samples s = plane_samples(50, 4);
    for (double far : {1e160, 1e300, -1e308}) {
        EXPECT_TRUE(std::isnan(grid_values(s, {far}, {5}, GridMethod::linear, 0)[0]));
        EXPECT_TRUE(std::isnan(grid_values(s, {5}, {far}, GridMethod::natural, 0)[0]));
        EXPECT_FALSE(std::isnan(grid_values(s, {far}, {10}, GridMethod::nearest, 0)[0]));
        EXPECT_FALSE(std::isnan(grid_values(s, {far}, {far}, GridMethod::inverse_distance, 3)[0]));
    }
    // Far, but not so far that the samples' distances round to one: the corner nearest.
    EXPECT_EQ(grid_values(s, {1e6}, {10}, GridMethod::nearest, 0)[0], plane(10, 10));
    EXPECT_EQ(grid_values(s, {-1e6}, {-1e6}, GridMethod::nearest, 0)[0], plane(0, 0));
}

// Samples with huge or tiny coordinates triangulate as well as those near 1.
TEST(GridData, FarUnitsGiveTheSameValues) {
    for (double unit : {1e-200, 1e-30, 1.0, 1e30, 1e200}) {
        const double x[] = {0, unit, 0, unit, 0.25 * unit}, y[] = {0, 0, unit, unit, 0.5 * unit};
        const double z[] = {0, 1, 2, 3, 4};
        const std::vector<double> v =
            grid_values(samples_of(x, y, z, 5), {0.5 * unit}, {0.25 * unit}, GridMethod::linear, 0);
        const std::vector<double> one =
            grid_values(samples_of(std::vector<double>{0, 1, 0, 1, 0.25}.data(),
                                   std::vector<double>{0, 0, 1, 1, 0.5}.data(), z, 5),
                        {0.5}, {0.25}, GridMethod::linear, 0);
        EXPECT_NEAR(v[0], one[0], 1e-12) << unit;
    }
}

// Points on one line have no triangle: the nearest methods still work along it.
TEST(GridData, CollinearSamplesServeTheNearestMethods) {
    const double x[] = {0, 1, 2, 3}, y[] = {0, 1, 2, 3}, z[] = {0, 10, 20, 30};
    const Samples s = samples_of(x, y, z, 4);
    EXPECT_FALSE(has_area(s));
    EXPECT_EQ(grid_values(s, {2.2}, {1.9}, GridMethod::nearest, 0)[0], 20);
    EXPECT_TRUE(has_area(plane_samples(4, 3)));
}

}  // namespace
}  // namespace lumora::plot
