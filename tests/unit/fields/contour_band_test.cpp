// One band of a field: the region between two levels in the pen's colour or hatched in
// it, where the values lie, the rest left alone, and the pen given back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "fields_fixture.h"

namespace lumora::test {
namespace {

// A polygon's points in device units, however it travelled (a short one in the item's
// coordinates, a longer one as an array).
std::vector<int> points_of(const luwnd::DrawItem& polygon) {
    if (!polygon.points.empty()) return {polygon.points.begin(), polygon.points.end()};
    return {polygon.coords.begin(), polygon.coords.begin() + 2 * polygon.point_count};
}

// Whether the point lies inside the polygon by the even-odd rule.
bool inside(const luwnd::DrawItem& polygon, double x, double y) {
    const std::vector<int> p = points_of(polygon);
    const std::size_t n = p.size() / 2;
    bool in = false;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = p[2 * i], yi = p[2 * i + 1], xj = p[2 * j], yj = p[2 * j + 1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
    }
    return in;
}

// Where the whole of ramp(11, 5) over 0 ... 11 x 0 ... 5 lies: device x of z = 0 and of
// z = 10, and the middle row's y.
struct RampPlace {
    double x0, x10, y;
    double x(double z) const { return x0 + z * (x10 - x0) / 10; }
};
RampPlace ramp_place(const luwnd::DrawItem& whole) {
    const std::vector<int> p = points_of(whole);
    int lo = INT32_MAX, hi = INT32_MIN, top = INT32_MAX, bottom = INT32_MIN;
    for (std::size_t k = 0; k + 1 < p.size(); k += 2) {
        lo = std::min(lo, p[k]), hi = std::max(hi, p[k]);
        top = std::min(top, p[k + 1]), bottom = std::max(bottom, p[k + 1]);
    }
    return {double(lo), double(hi), (top + bottom) / 2.0};
}

class BandTest : public FieldsTest {
  protected:
    // Copies of the polygons drawn since `from`: the display list's items move as it grows.
    std::vector<luwnd::DrawItem> polygons(std::size_t from) {
        std::vector<luwnd::DrawItem> out;
        for (const luwnd::DrawItem* item : of_kind(luwnd::ItemKind::kPolygon, from))
            out.push_back(*item);
        return out;
    }
};

TEST_F(BandTest, ABandFillsWhereItsValuesLieInThePensColour) {
    const int red = lu_make_rgb_colour(200, 0, 0);
    ASSERT_EQ(lu_set_pen(red, 2, 3, 0), window());
    // z = i across 0 ... 10: value i stands at x = i + 0.5 of the rectangle 0 ... 11.
    const std::vector<float> z = ramp(11, 5);
    std::size_t from = items().size();
    ASSERT_EQ(lu_fill_contour_band(z.data(), 11, 5, LU_ROW_MAJOR, 0, 0, 11, 5, 0, 10), window());
    const auto whole = polygons(from);
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].rgb, packed(red));
    from = items().size();
    ASSERT_EQ(lu_fill_contour_band(z.data(), 11, 5, LU_ROW_MAJOR, 0, 0, 11, 5, 2.5f, 5), window());
    const auto part = polygons(from);
    ASSERT_EQ(part.size(), 1u);
    const RampPlace at = ramp_place(whole[0]);
    for (double v : {2.6, 3.5, 4.9}) EXPECT_TRUE(inside(part[0], at.x(v), at.y)) << v;
    for (double v : {0.5, 2.4, 5.1, 9.5}) EXPECT_FALSE(inside(part[0], at.x(v), at.y)) << v;
    int colour = 0, style = 0;
    lu_get_pen(&colour, &style, nullptr, nullptr);
    EXPECT_EQ(colour, red);
    EXPECT_EQ(style, 2) << "the pen given back";
}

// Bands of separate calls lie side by side; a band beyond the values draws nothing; a band
// of one level takes the values equal to it.
TEST_F(BandTest, BandsOfSeparateCallsMeetAndEmptyOnesDrawNothing) {
    const std::vector<float> z = ramp(11, 5);
    std::size_t from = items().size();
    ASSERT_EQ(lu_fill_contour_band(z.data(), 11, 5, LU_ROW_MAJOR, 0, 0, 11, 5, 0, 4), window());
    ASSERT_EQ(lu_fill_contour_band(z.data(), 11, 5, LU_ROW_MAJOR, 0, 0, 11, 5, 4, 10), window());
    const auto bands = polygons(from);
    ASSERT_EQ(bands.size(), 2u);
    const std::size_t all = items().size();
    ASSERT_EQ(lu_fill_contour_band(z.data(), 11, 5, LU_ROW_MAJOR, 0, 0, 11, 5, 0, 10), window());
    const RampPlace at = ramp_place(polygons(all).at(0));
    for (double z_at : {0.5, 3.9, 4.1, 9.5}) {
        const double x = at.x(z_at);
        EXPECT_NE(inside(bands[0], x, at.y), inside(bands[1], x, at.y)) << "one band at " << z_at;
    }
    from = items().size();
    ASSERT_EQ(lu_fill_contour_band(z.data(), 11, 5, LU_ROW_MAJOR, 0, 0, 11, 5, 20, 30), window());
    EXPECT_TRUE(of_kind(luwnd::ItemKind::kPolygon, from).empty());
    const std::vector<float> steps = {1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3};  // 3 x 4, z = i + 1
    ASSERT_EQ(lu_fill_contour_band(steps.data(), 3, 4, LU_ROW_MAJOR, 0, 0, 3, 4, 2, 2), window());
    EXPECT_EQ(of_kind(luwnd::ItemKind::kPolygon, from).size(), 1u) << "the values equal to 2";
}

TEST_F(BandTest, AHatchedBandIsLinesOnly) {
    ASSERT_EQ(lu_plot_hatch(LU_HATCH_UP_45), window());
    const std::vector<float> z = ramp(11, 5);
    const std::size_t from = items().size();
    ASSERT_EQ(lu_fill_contour_band(z.data(), 11, 5, LU_ROW_MAJOR, 0, 0, 11, 5, 2, 8), window());
    EXPECT_TRUE(of_kind(luwnd::ItemKind::kPolygon, from).empty());
    EXPECT_GT(items().size() - from, 3u) << "hatch lines drawn";
    ASSERT_EQ(lu_plot_hatch(LU_HATCH_SOLID), window());
}

TEST_F(BandTest, BandsThatCannotBeDrawnAreRefusedWithTheirCause) {
    const std::vector<double> z = {0, 1, 2, 3};
    const std::size_t from = items().size();
    EXPECT_EQ(lu_fill_contour_band_double(z.data(), 2, 2, LU_ROW_MAJOR, 0, 0, 1, 1, 2, 1), 0);
    EXPECT_EQ(lu_fill_contour_band_double(z.data(), 2, 2, LU_ROW_MAJOR, 0, 0, 1, 1, NAN, 1), 0);
    EXPECT_EQ(lu_fill_contour_band_double(nullptr, 2, 2, LU_ROW_MAJOR, 0, 0, 1, 1, 0, 1), 0);
    EXPECT_EQ(lu_fill_contour_band_double(z.data(), 2, 2, 7, 0, 0, 1, 1, 0, 1), 0);
    EXPECT_EQ(items().size(), from);
    std::string errors;
    for (const std::string& line : fake().error_lines) errors += line + "\n";
    EXPECT_NE(errors.find("lu_fill_contour_band_double: the band 2 ... 1 is not two finite "
                          "levels, the lower first"),
              std::string::npos)
        << errors;
}

// The reference form reads Fortran's order: Z(I, J) with I along x.
TEST_F(BandTest, TheBandsReferenceFormTakesFortransOrder) {
    const std::vector<float> column_major = {0, 1, 2, 0, 1, 2};  // Z(3, 2), z = i
    const int nx = 3, ny = 2;
    const float x1 = 0, y1 = 0, x2 = 3, y2 = 2, low = 1.5f, high = 2;
    int result = -1;
    const std::size_t from = items().size();
    ASSERT_EQ(lu_fill_contour_band_(&result, column_major.data(), &nx, &ny, &x1, &y1, &x2, &y2,
                                    &low, &high),
              window());
    EXPECT_EQ(result, window());
    const auto band = polygons(from);
    ASSERT_EQ(band.size(), 1u);
    const std::size_t first = items().size();
    ASSERT_EQ(lu_fill_contour_band(column_major.data(), nx, ny, LU_COLUMN_MAJOR, x1, y1, x2, y2,
                                   low, high),
              window());
    EXPECT_EQ(points_of(polygons(first).at(0)), points_of(band[0]));
}

}  // namespace
}  // namespace lumora::test
