// Complete arrays become display items: polygons, Bezier curves, polylines and value plots.
#include "core_fixture.h"

namespace luwnd::test {
namespace {

class ArrayDrawingTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        ASSERT_EQ(open(), 1);
    }
    // Sends the values as the client does: 512 per chunk, at growing byte offsets.
    std::int32_t send_values(const std::vector<std::int32_t>& values) {
        std::uint8_t* b = window_block(1);
        for (std::size_t start = 0; start < values.size(); start += 512) {
            std::size_t count = std::min<std::size_t>(512, values.size() - start);
            for (std::size_t i = 0; i < count; ++i)
                layout::write_i32(b, layout::kText + 4 * i, values[start + i]);
            std::int32_t r = slot('B', 1, 36, static_cast<std::int32_t>(4 * start),
                                  static_cast<std::int32_t>(4 * count));
            if (r == 0) return slot('B', 1, 38);
        }
        return slot('B', 1, 37);
    }
    static std::vector<std::int32_t> ramp(std::size_t count) {
        std::vector<std::int32_t> values(count);
        for (std::size_t i = 0; i < count; ++i) values[i] = static_cast<std::int32_t>(i * 3 + 1);
        return values;
    }
    // Plot of the values with the announce words run1, run2, size, base.
    std::int32_t plot(std::int32_t n, std::int32_t mode, const std::vector<std::int32_t>& w,
                      const std::vector<std::int32_t>& values) {
        words(1, layout::kResult1, w);
        if (slot('N', 1, 32, n, mode) == 0) return 0;
        return send_values(values);
    }
};

TEST_F(ArrayDrawingTest, TwoPointPolylineIsOneItemInThePen) {
    words(1, layout::kPenStyle, {2, 3, 4, 0});
    layout::write_i32(window_block(1), layout::kChanged, 0x7);
    ASSERT_EQ(slot('A', 1, 6), 1);
    ASSERT_EQ(slot('N', 1, 30, 2), 1);
    EXPECT_EQ(send_values({10, 20, 30, 40}), 1);
    ASSERT_EQ(items(1).size(), 1u);
    const DrawItem& item = items(1)[0];
    EXPECT_EQ(item.kind, ItemKind::kPolyline);
    EXPECT_EQ(item.points, (std::vector<std::int32_t>{10, 20, 30, 40}));
    EXPECT_EQ(item.pen, (PenState{2, 3, 4, 0}));
    EXPECT_EQ(item.rgb, 0x0000FFu);
}

TEST_F(ArrayDrawingTest, LongPolylinesArriveWholeWhateverTheChunks) {
    for (std::size_t count : {300u, 1000u}) {
        ASSERT_EQ(slot('N', 1, 30, static_cast<std::int32_t>(count)), 1);
        EXPECT_EQ(send_values(ramp(2 * count)), 1) << count;
        ASSERT_FALSE(items(1).empty());
        EXPECT_EQ(items(1).back().points, ramp(2 * count)) << count;
    }
    EXPECT_EQ(items(1).size(), 2u);
}

TEST_F(ArrayDrawingTest, ThreeHundredPointsTakeTheClientsTwoChunks) {
    ASSERT_EQ(slot('N', 1, 30, 300), 1);
    std::vector<std::int32_t> values = ramp(600);
    std::uint8_t* b = window_block(1);
    for (std::size_t i = 0; i < 512; ++i) layout::write_i32(b, layout::kText + 4 * i, values[i]);
    EXPECT_EQ(slot('B', 1, 36, 0, 2048), 1);
    for (std::size_t i = 0; i < 88; ++i)
        layout::write_i32(b, layout::kText + 4 * i, values[512 + i]);
    EXPECT_EQ(slot('B', 1, 36, 2048, 352), 1);
    EXPECT_EQ(slot('B', 1, 37), 1);
    ASSERT_EQ(items(1).size(), 1u);
    EXPECT_EQ(items(1)[0].points, values);
}

TEST_F(ArrayDrawingTest, PolygonTakesTheFillRuleWordOfItsAnnouncement) {
    std::uint8_t* b = window_block(1);
    layout::write_i32(b, layout::kFillRule, 2);
    ASSERT_EQ(slot('N', 1, 28, 3), 1);
    layout::write_i32(b, layout::kFillRule, 1);  // too late for this polygon
    EXPECT_EQ(send_values({0, 0, 10, 0, 5, 8}), 1);
    layout::write_i32(b, layout::kFillRule, 7);  // not a rule: alternate
    ASSERT_EQ(slot('N', 1, 28, 3), 1);
    EXPECT_EQ(send_values({1, 1, 2, 2, 3, 1}), 1);
    ASSERT_EQ(items(1).size(), 2u);
    EXPECT_EQ(items(1)[0].kind, ItemKind::kPolygon);
    EXPECT_EQ(items(1)[0].arg1, 2);
    EXPECT_EQ(items(1)[0].points, (std::vector<std::int32_t>{0, 0, 10, 0, 5, 8}));
    EXPECT_EQ(items(1)[1].arg1, 1);
}

TEST_F(ArrayDrawingTest, CountsThatCannotDrawTheFigureAreRefusedAtCompletion) {
    struct Case {
        std::int32_t kind, count;
        bool draws;
    };
    const Case cases[] = {{29, 4, true},  {29, 7, true},  {29, 5, false}, {29, 6, false},
                          {29, 1, false}, {28, 2, false}, {28, 3, true},  {30, 1, true}};
    std::size_t drawn = 0;
    for (const Case& c : cases) {
        ASSERT_EQ(slot('N', 1, c.kind, c.count), 1);
        EXPECT_EQ(send_values(ramp(2 * static_cast<std::size_t>(c.count))), c.draws ? 1 : 0)
            << c.kind << " " << c.count;
        drawn += c.draws ? 1 : 0;
        ASSERT_EQ(items(1).size(), drawn);
        if (c.draws) {
            EXPECT_EQ(items(1).back().points.size(), 2u * static_cast<std::size_t>(c.count));
        }
    }
    EXPECT_EQ(items(1)[0].kind, ItemKind::kBezier);
}

TEST_F(ArrayDrawingTest, FailedTransfersDrawNothing) {
    ASSERT_EQ(slot('N', 1, 30, 2), 1);
    EXPECT_EQ(slot('B', 1, 36, 8, 16), 0);  // past the 16 announced bytes
    EXPECT_EQ(slot('B', 1, 38), 1);
    ASSERT_EQ(slot('N', 1, 30, 2), 1);
    EXPECT_EQ(slot('B', 1, 36, 0, 8), 1);
    EXPECT_EQ(slot('B', 1, 37), 0);  // early: half the bytes
    ASSERT_EQ(slot('N', 1, 30, 2), 1);
    EXPECT_EQ(slot('B', 1, 36, 0, 16), 1);
    EXPECT_EQ(slot('B', 1, 38), 1);
    EXPECT_EQ(slot('B', 1, 37), 0);  // abandoned
    EXPECT_TRUE(items(1).empty());
}

TEST_F(ArrayDrawingTest, BarPlotRunsAlongXFromFirstToLastPosition) {
    EXPECT_EQ(plot(3, 0, {100, 300, 10, 400}, {50, 60, 70}), 1);
    ASSERT_EQ(items(1).size(), 1u);
    const DrawItem& item = items(1)[0];
    EXPECT_EQ(item.kind, ItemKind::kPlot);
    EXPECT_EQ(item.plot.style, PlotStyle::kBars);
    EXPECT_FALSE(item.plot.runs_along_y);
    EXPECT_EQ(item.plot.size, 10);
    EXPECT_EQ(item.plot.base, 400);
    EXPECT_EQ(item.arg2, 3);
    EXPECT_EQ(item.points, (std::vector<std::int32_t>{100, 50, 200, 60, 300, 70}));
}

TEST_F(ArrayDrawingTest, NegativeCountRunsAlongYAndModesChooseTheStyle) {
    EXPECT_EQ(plot(-4, -1, {10, 0, 0, 0}, {5, 6, 7, 8}), 1);
    EXPECT_EQ(plot(-3, -2, {0, 3, -1, 99}, {1, 2, 3}), 1);  // impulses: size unused
    EXPECT_EQ(plot(1, 0, {42, 900, 3, 0}, {17}), 1);
    ASSERT_EQ(items(1).size(), 3u);
    EXPECT_EQ(items(1)[0].plot.style, PlotStyle::kLine);
    EXPECT_TRUE(items(1)[0].plot.runs_along_y);
    EXPECT_EQ(items(1)[0].points, (std::vector<std::int32_t>{5, 10, 6, 7, 7, 3, 8, 0}));
    EXPECT_EQ(items(1)[1].plot.style, PlotStyle::kImpulses);
    EXPECT_EQ(items(1)[1].points, (std::vector<std::int32_t>{1, 0, 2, 2, 3, 3}));  // 1.5 rounds up
    EXPECT_EQ(items(1)[2].points, (std::vector<std::int32_t>{42, 17}));  // one value: run1
}

TEST_F(ArrayDrawingTest, MarkerPlotTakesTypeFromModeAndSizeFromTheWords) {
    words(1, layout::kMarkerType, {1, 5, 7, 8, 9});
    layout::write_i32(window_block(1), layout::kChanged, 0xF80);
    ASSERT_EQ(slot('A', 1, 6), 1);
    EXPECT_EQ(plot(2, 6, {0, 10, 12, 0}, {4, 4}), 1);
    ASSERT_EQ(items(1).size(), 1u);
    EXPECT_EQ(items(1)[0].plot.style, PlotStyle::kMarkers);
    EXPECT_EQ(items(1)[0].marker, (MarkerState{6, 12, 7, 8, 9}));
}

TEST_F(ArrayDrawingTest, PlotModesAndSizesOutOfRangeAreRefusedAtTheAnnouncement) {
    EXPECT_EQ(plot(2, 7, {0, 1, 1, 0}, {1, 2}), 0);
    EXPECT_EQ(plot(2, 0, {0, 1, -1, 0}, {1, 2}), 0);
    EXPECT_EQ(plot(2, 3, {0, 1, 16385, 0}, {1, 2}), 0);
    EXPECT_EQ(slot('B', 1, 36, 0, 8), 0);  // nothing was announced
    EXPECT_TRUE(items(1).empty());
}

class FullArrayDrawingTest : public ArrayDrawingTest {
  protected:
    FullArrayDrawingTest() { max_items_ = 1; }
};

TEST_F(FullArrayDrawingTest, FullDisplayListRefusesTheAnnouncement) {
    ASSERT_EQ(slot('N', 1, 30, 2), 1);
    EXPECT_EQ(send_values({1, 2, 3, 4}), 1);
    EXPECT_EQ(slot('N', 1, 30, 2), 0);
    EXPECT_EQ(slot('B', 1, 36, 0, 16), 0);
    EXPECT_EQ(items(1).size(), 1u);
}

TEST(DisplayListPoints, PointWordsAreCountedAndLimited) {
    DisplayList list;
    EXPECT_TRUE(list.has_room_for(DisplayList::kMaxPointWords));
    EXPECT_FALSE(list.has_room_for(DisplayList::kMaxPointWords + 1));
    DrawItem item;
    item.points.assign(10, 1);
    ASSERT_TRUE(list.add(item));
    ASSERT_TRUE(list.add(DrawItem{}));
    EXPECT_EQ(list.point_words(), 10u);
    EXPECT_FALSE(list.has_room_for(DisplayList::kMaxPointWords - 9));
    list.remove_last(1);
    EXPECT_EQ(list.point_words(), 10u);
    list.remove_last(5);  // more than there are
    EXPECT_EQ(list.size(), 0u);
    EXPECT_EQ(list.point_words(), 0u);
}

}  // namespace
}  // namespace luwnd::test
