// The public gridding calls: both layouts and the reference forms' Fortran order, the
// double forms, values the field operations take as they come, and refusals with their
// causes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "tests/gallery/gallery_window.h"

namespace lumora::plot {
namespace {

constexpr int kNx = 7, kNy = 5;

struct Scatter {
    std::vector<float> x, y, z;
    std::vector<float> xg, yg;
    Scatter() {
        // The unit square's corners, so that its inside is inside the hull, and 36 more.
        for (int k = 0; k < 40; ++k) {
            const float fx = k < 4 ? static_cast<float>(k % 2)
                                   : static_cast<float>(std::fmod(k * 0.618034, 1.0));
            const float fy = k < 4 ? static_cast<float>(k / 2)
                                   : static_cast<float>(std::fmod(k * 0.414214, 1.0));
            x.push_back(fx), y.push_back(fy), z.push_back(fx * fx - fy);
        }
        for (int i = 0; i < kNx; ++i) xg.push_back(0.1f + 0.13f * static_cast<float>(i));
        for (int j = 0; j < kNy; ++j) yg.push_back(0.1f + 0.2f * static_cast<float>(j));
    }
    std::vector<float> grid(int layout, int method) const {
        std::vector<float> out(kNx * kNy, -1);
        EXPECT_EQ(lu_grid_data(x.data(), y.data(), z.data(), static_cast<int>(x.size()), xg.data(),
                               kNx, yg.data(), kNy, layout, method, 0, out.data()),
                  1);
        return out;
    }
};

class GridDataApi : public ::testing::Test {
  protected:
    GridDataApi() { reset_plot_state(); }
    ~GridDataApi() override { reset_plot_state(); }
    gallery::GalleryWindow window_{320, 240, 96, true};
    Scatter s_;
};

TEST_F(GridDataApi, LayoutsAndTheReferenceFormsOrder) {
    for (int method :
         {LU_GRID_NEAREST, LU_GRID_INVERSE_DISTANCE, LU_GRID_LINEAR, LU_GRID_NATURAL}) {
        const std::vector<float> rows = s_.grid(LU_ROW_MAJOR, method);
        const std::vector<float> columns = s_.grid(LU_COLUMN_MAJOR, method);
        std::vector<float> fortran(kNx * kNy, -1);
        int result = -1;
        const int n = static_cast<int>(s_.x.size()), nx = kNx, ny = kNy;
        const float parameter = 0;
        EXPECT_EQ(lu_grid_data_(&result, s_.x.data(), s_.y.data(), s_.z.data(), &n, s_.xg.data(),
                                &nx, s_.yg.data(), &ny, &method, &parameter, fortran.data()),
                  1);
        EXPECT_EQ(result, 1);
        for (int i = 0; i < kNx; ++i)
            for (int j = 0; j < kNy; ++j) {
                const float v = rows[static_cast<std::size_t>(i * kNy + j)];
                EXPECT_FALSE(std::isnan(v));
                EXPECT_EQ(v, columns[static_cast<std::size_t>(i + j * kNx)]);
                EXPECT_EQ(v, fortran[static_cast<std::size_t>(i + j * kNx)]);
            }
        // Value (i, j) is that at (xg[i], yg[j]): the nearest sample's for nearest.
        if (method == LU_GRID_NEAREST) {
            std::size_t best = 0;
            auto d = [&](std::size_t k) {
                return std::hypot(s_.x[k] - s_.xg[2], s_.y[k] - s_.yg[3]);
            };
            for (std::size_t k = 1; k < s_.x.size(); ++k)
                if (d(k) < d(best)) best = k;
            EXPECT_EQ(rows[2 * kNy + 3], s_.z[best]);
        }
    }
}

TEST_F(GridDataApi, DoubleFormsAgreeAndTheFieldOperationsTakeTheResult) {
    const std::vector<float> single = s_.grid(LU_COLUMN_MAJOR, LU_GRID_NATURAL);
    auto wide = [](const std::vector<float>& v) { return std::vector<double>(v.begin(), v.end()); };
    const std::vector<double> x = wide(s_.x), y = wide(s_.y), z = wide(s_.z);
    const std::vector<double> xg = wide(s_.xg), yg = wide(s_.yg);
    std::vector<double> out(kNx * kNy);
    EXPECT_EQ(lu_grid_data_double(x.data(), y.data(), z.data(), 40, xg.data(), kNx, yg.data(), kNy,
                                  LU_COLUMN_MAJOR, LU_GRID_NATURAL, 0, out.data()),
              1);
    int result = 0;
    const int n = 40, nx = kNx, ny = kNy, method = LU_GRID_NATURAL;
    const double parameter = 0;
    std::vector<double> fortran(kNx * kNy);
    lu_grid_data_double_(&result, x.data(), y.data(), z.data(), &n, xg.data(), &nx, yg.data(), &ny,
                         &method, &parameter, fortran.data());
    EXPECT_EQ(result, 1);
    for (std::size_t k = 0; k < out.size(); ++k) {
        EXPECT_NEAR(out[k], single[k], 1e-6);
        EXPECT_EQ(out[k], fortran[k]);
    }
    lu_set_world(0, 0, 1, 1);
    EXPECT_EQ(lu_fill_contours(single.data(), kNx, kNy, LU_COLUMN_MAJOR, 0.035f, 0, 0.945f, 1,
                               nullptr, -8),
              window_.number());
    EXPECT_TRUE(window_.errors().empty()) << window_.errors();
}

TEST_F(GridDataApi, UnusableArgumentsAreRefusedWithTheirCause) {
    const float* x = s_.x.data();
    const float* y = s_.y.data();
    const float* z = s_.z.data();
    const float* xg = s_.xg.data();
    const float* yg = s_.yg.data();
    std::vector<float> out(kNx * kNy, 5);
    const struct {
        const float* x;
        int n, nx, layout, method;
        float parameter;
        const char* cause;
    } refused[] = {
        {nullptr, 40, kNx, 0, LU_GRID_LINEAR, 0, "one of the arrays is a null pointer"},
        {x, 0, kNx, 0, LU_GRID_LINEAR, 0, "0 samples: 1 ... 16777216 are taken"},
        {x, 16777217, kNx, 0, LU_GRID_LINEAR, 0, "16777217 samples: 1 ... 16777216"},
        {x, 40, 20000000, 0, LU_GRID_LINEAR, 0, "a grid of 20000000 x 5 points"},
        {x, 40, 0, 0, LU_GRID_LINEAR, 0, "a grid of 0 x 5 points"},
        {x, 40, kNx, 2, LU_GRID_LINEAR, 0, "layout 2 is not LU_ROW_MAJOR"},
        {x, 40, kNx, 0, LU_GRID_AXES, 0, "method 1 is none of LU_GRID_NEAREST"},
        {x, 40, kNx, 0, 15, 0, "method 15 is none of LU_GRID_NEAREST"},
        {x, 40, kNx, 0, LU_GRID_INVERSE_DISTANCE, -1, "the parameter -1 is not a finite"},
        {x, 40, kNx, 0, LU_GRID_INVERSE_DISTANCE, NAN, "the parameter NaN is not a finite"},
    };
    for (const auto& r : refused) {
        EXPECT_EQ(lu_grid_data(r.x, y, z, r.n, xg, r.nx, yg, kNy, r.layout, r.method, r.parameter,
                               out.data()),
                  0)
            << r.cause;
        EXPECT_NE(window_.errors().find(std::string("lu_grid_data: ") + r.cause), std::string::npos)
            << r.cause << " in:\n"
            << window_.errors();
    }
    EXPECT_EQ(out[0], 5) << "nothing written";
    int result = -1;
    const int n = 40, nx = kNx, ny = -3, method = LU_GRID_NEAREST;
    EXPECT_EQ(lu_grid_data_(&result, x, y, z, &n, xg, &nx, yg, &ny, &method, nullptr, out.data()),
              0);
    EXPECT_EQ(result, 0);
    EXPECT_NE(window_.errors().find("lu_grid_data: a grid of 7 x -3"), std::string::npos);
}

// No sample usable; samples on one line for the linear methods (the values become NaN);
// one sample is enough for nearest.
TEST_F(GridDataApi, SamplesThatCannotBeInterpolated) {
    const float nan = NAN;
    const float bad[] = {nan, 1, 2};
    const float line[] = {0, 1, 2};
    std::vector<float> out(kNx * kNy, 5);
    EXPECT_EQ(lu_grid_data(bad, bad, line, 1, s_.xg.data(), kNx, s_.yg.data(), kNy, 0,
                           LU_GRID_NEAREST, 0, out.data()),
              0);
    EXPECT_NE(window_.errors().find("no sample has finite coordinates and value"),
              std::string::npos);
    EXPECT_EQ(lu_grid_data(line, line, line, 3, s_.xg.data(), kNx, s_.yg.data(), kNy, 0,
                           LU_GRID_NATURAL, 0, out.data()),
              0);
    EXPECT_NE(window_.errors().find("three places not on one line"), std::string::npos);
    for (float v : out) EXPECT_TRUE(std::isnan(v));
    EXPECT_EQ(lu_grid_data(line, line, line, 1, s_.xg.data(), kNx, s_.yg.data(), kNy, 0,
                           LU_GRID_NEAREST, 0, out.data()),
              1);
    for (float v : out) EXPECT_EQ(v, 0);
}

}  // namespace
}  // namespace lumora::plot
