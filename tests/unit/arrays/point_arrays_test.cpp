// Polylines, polygons and Bezier curves: refused counts, the chunk sequence, the values
// that arrive, the fill rule and the abandoned transfer.
#include "arrays_fixture.h"

namespace lumora::test {
namespace {

using PointArraysTest = ArraysTest;

// n points with x = i / 4 and y = (i mod 7) / 2, exact in binary, and their device values
// in the fixture's state: x * 60 and 600 - y * 60.
std::vector<float> points(int n) {
    std::vector<float> out;
    for (int i = 0; i < n; ++i) {
        out.push_back(static_cast<float>(i) * 0.25f);
        out.push_back(static_cast<float>(i % 7) * 0.5f);
    }
    return out;
}

std::vector<std::int32_t> device_points(int n) {
    std::vector<std::int32_t> out;
    for (int i = 0; i < n; ++i) {
        out.push_back(i * 15);
        out.push_back(600 - (i % 7) * 30);
    }
    return out;
}

TEST_F(PointArraysTest, TwoPointPolylineIsOneChunk) {
    const std::size_t before = fake().deliveries.size();
    const std::vector<float> p = {1.0f, 2.0f, 3.5f, -1.0f};
    int result = 99;
    const int count = 2;
    EXPECT_EQ(lu_draw_polyline_(&result, p.data(), &count), window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(commands_since(before), (Commands{{'N', 30}, {'B', 36}, {'B', 37}}));
    EXPECT_EQ(fake().deliveries[before].param2, 2);
    EXPECT_EQ(chunks_since(before), (Chunks{{0, 16}}));
    EXPECT_EQ(assembled(window()), (std::vector<std::int32_t>{60, 480, 210, 660}));
}

TEST_F(PointArraysTest, LongArraysTravelIn512ValueChunks) {
    std::size_t before = fake().deliveries.size();
    std::vector<float> p = points(300);
    EXPECT_EQ(lu_draw_polyline(p.data(), 300), window());
    EXPECT_EQ(chunks_since(before), (Chunks{{0, 2048}, {2048, 352}}));
    EXPECT_EQ(commands_since(before).back(), (std::pair<char, int>{'B', 37}));
    EXPECT_EQ(assembled(window()), device_points(300));

    before = fake().deliveries.size();
    p = points(1000);
    EXPECT_EQ(lu_draw_polyline(p.data(), 1000), window());
    EXPECT_EQ(chunks_since(before), (Chunks{{0, 2048}, {2048, 2048}, {4096, 2048}, {6144, 1856}}));
    EXPECT_EQ(commands_since(before).size(), 6u);
    EXPECT_EQ(assembled(window()), device_points(1000));

    // 1000 = 3 * 333 + 1 is a valid curve as well; 256 points fill exactly one chunk.
    before = fake().deliveries.size();
    EXPECT_EQ(lu_draw_bezier(p.data(), 1000), window());
    EXPECT_EQ(chunks_since(before).size(), 4u);
    before = fake().deliveries.size();
    EXPECT_EQ(lu_draw_polygon(p.data(), 256, 0), window());
    EXPECT_EQ(chunks_since(before), (Chunks{{0, 2048}}));
    EXPECT_EQ(assembled(window()), device_points(256));
}

TEST_F(PointArraysTest, RefusedCountsSendNothing) {
    const std::vector<float> p = points(8);
    const std::vector<std::int32_t> d = device_points(8);
    layout::write_i32(block(), layout::kFillRule, 2);
    const std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_draw_polyline(p.data(), 1), 0);
    EXPECT_EQ(lu_draw_polyline(p.data(), -5), 0);
    EXPECT_EQ(lu_draw_polygon(p.data(), 2, 0), 0);
    EXPECT_EQ(lu_draw_bezier(p.data(), 3), 0);
    EXPECT_EQ(lu_draw_bezier(p.data(), 5), 0);
    EXPECT_EQ(lu_draw_bezier(p.data(), 6), 0);
    EXPECT_EQ(lu_draw_polyline(nullptr, 4), 0);
    EXPECT_EQ(lu_draw_polyline_in_window(window(), d.data(), 1), 0);
    EXPECT_EQ(lu_draw_polygon_in_window(window(), d.data(), 2, 0), 0);
    EXPECT_EQ(lu_draw_bezier_in_window(window(), d.data(), 3), 0);
    EXPECT_EQ(lu_draw_polyline_in_window(9, d.data(), 4), 0);  // not open
    int result = 99;
    const int one = 1;
    EXPECT_EQ(lu_draw_polyline_(&result, p.data(), &one), 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(fake().deliveries.size(), before);
    EXPECT_EQ(i32(layout::kFillRule), 2);  // a refused polygon leaves the rule alone

    EXPECT_EQ(lu_draw_bezier(p.data(), 4), window());
    EXPECT_EQ(lu_draw_bezier(p.data(), 7), window());
    // The device-level body has no test of count mod 3.
    EXPECT_EQ(lu_draw_bezier_in_window(window(), d.data(), 5), window());
    EXPECT_EQ(commands_since(before).size(), 9u);
}

TEST_F(PointArraysTest, FillRuleArgumentSetsTheWindowsRule) {
    const std::vector<float> p = points(3);
    const std::vector<std::int32_t> d = device_points(3);
    EXPECT_EQ(lu_draw_polygon(p.data(), 3, 1), window());
    EXPECT_EQ(i32(layout::kFillRule), 2);
    EXPECT_EQ(lu_draw_polygon_in_window(window(), d.data(), 3, 0), window());
    EXPECT_EQ(i32(layout::kFillRule), 1);
    const std::size_t before = fake().deliveries.size();
    int result = 0;
    const int count = 3, rule = 5;
    EXPECT_EQ(lu_draw_polygon_(&result, p.data(), &count, &rule), window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(i32(layout::kFillRule), 1);
    EXPECT_EQ(commands_since(before), (Commands{{'N', 28}, {'B', 36}, {'B', 37}}));
    EXPECT_EQ(assembled(window()), d);
}

TEST_F(PointArraysTest, DeviceBodiesSendTheIntegersAsTheyAre) {
    const std::vector<std::int32_t> d = {-5, 7, 100000, -100000, 3, 4};
    const std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_draw_polyline_in_window(window(), d.data(), 3), window());
    EXPECT_EQ(commands_since(before), (Commands{{'N', 30}, {'B', 36}, {'B', 37}}));
    EXPECT_EQ(fake().deliveries[before].param2, 3);
    EXPECT_EQ(chunks_since(before), (Chunks{{0, 24}}));
    EXPECT_EQ(assembled(window()), d);
}

TEST_F(PointArraysTest, FailedChunkAbandonsTheTransfer) {
    const std::vector<float> p = points(300);
    fake().results = {window(), 0};  // announce taken, first chunk refused
    std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_draw_polyline(p.data(), 300), 0);
    EXPECT_EQ(commands_since(before), (Commands{{'N', 30}, {'B', 36}, {'B', 38}}));
    // The second chunk's values were never converted into the data area.
    EXPECT_EQ(i32(layout::kText), 0);
    EXPECT_EQ(i32(layout::kText + 4), 600);

    fake().results = {window(), window(), 0};
    before = fake().deliveries.size();
    int result = 99;
    const int count = 300;
    EXPECT_EQ(lu_draw_polyline_(&result, p.data(), &count), 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(commands_since(before), (Commands{{'N', 30}, {'B', 36}, {'B', 36}, {'B', 38}}));

    fake().results = {0};  // a refused announce transfers nothing
    before = fake().deliveries.size();
    EXPECT_EQ(lu_draw_polygon(p.data(), 3, 0), 0);
    EXPECT_EQ(commands_since(before), (Commands{{'N', 28}}));
}

}  // namespace
}  // namespace lumora::test
