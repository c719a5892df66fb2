// Fields in both layouts and the levels chosen for them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "client/plot/field_grid.h"

namespace lumora::plot {
namespace {

TEST(FieldGrid, BothLayoutsGiveTheSameField) {
    // Value (i, j) = 10 i + j for nx = 3, ny = 2.
    const float row_major[] = {0, 1, 10, 11, 20, 21};      // [i * ny + j]
    const double column_major[] = {0, 10, 20, 1, 11, 21};  // [i + j * nx]
    auto a = grid_of(row_major, 3, 2, kRowMajor);
    auto b = grid_of(column_major, 3, 2, kColumnMajor);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->z, b->z);
    EXPECT_EQ(a->at(2, 1), 21);
    EXPECT_FALSE(grid_of(row_major, 3, 2, 2));
    EXPECT_FALSE(grid_of(row_major, 0, 2, kRowMajor));
    EXPECT_FALSE(grid_of(static_cast<const float*>(nullptr), 3, 2, kRowMajor));
    const float infinite[] = {INFINITY, 1};
    EXPECT_TRUE(std::isnan(grid_of(infinite, 1, 2, kRowMajor)->at(0, 0)));
}

constexpr const float* kNoLevels = nullptr;

TEST(FieldGrid, AutomaticLevelsAreRoundAndGivenOnesSorted) {
    EXPECT_EQ(levels_of(kNoLevels, 0, -0.93, 1.17, false),
              (std::vector<double>{-0.75, -0.5, -0.25, 0, 0.25, 0.5, 0.75, 1.0}));
    // Bands cover the whole range.
    std::vector<double> bands = levels_of(kNoLevels, -4, -0.93, 1.17, true);
    EXPECT_LE(bands.front(), -0.93);
    EXPECT_GE(bands.back(), 1.17);
    EXPECT_EQ(bands, (std::vector<double>{-1, 0, 1, 2}));
    const float given[] = {3, 1, NAN, 2, 1};
    EXPECT_EQ(levels_of(given, 5, 0, 0, false), (std::vector<double>{1, 2, 3}));
    EXPECT_TRUE(levels_of(kNoLevels, 0, 1, 1, false).empty());  // a flat field
    double step = 0;
    EXPECT_EQ(round_values(0, 1, 5, step), (std::vector<double>{0, 0.2, 0.4, 0.6, 0.8, 1.0}));
    EXPECT_DOUBLE_EQ(step, 0.2);
}

// Round values between ends that double precision holds apart by fewer steps than the
// ends' own magnitude: a bounded list, never one that grows without end.
TEST(FieldGrid, RoundValuesStayFewWhateverTheEnds) {
    double step = 0;
    EXPECT_LE(round_values(1e20, 1e20 + 1e4, 10, step).size(), 12u);
    EXPECT_LE(round_values(-1e300, 1e300, 10, step).size(), 12u);
    const double most = std::numeric_limits<double>::max();
    EXPECT_LE(round_values(-most, most, 10, step).size(), 12u);
    EXPECT_LE(round_values(0, 1, 1 << 30, step).size(), 10002u);
    EXPECT_TRUE(round_values(0, std::numeric_limits<double>::infinity(), 10, step).empty());
    for (double v : round_values(0, most, 10, step)) EXPECT_TRUE(std::isfinite(v));
}

}  // namespace
}  // namespace lumora::plot
