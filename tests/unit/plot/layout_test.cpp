// Subpage and box geometry, legend layout, clipped lines, histogram bins and the
// box-and-whisker numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "client/plot/clip_lines.h"
#include "client/plot/histogram.h"
#include "client/plot/plot_state.h"
#include "client/plot/statistics.h"
#include "plotcore/geometry.h"
#include "plotcore/legend_layout.h"

namespace lumora::plot {
namespace {

void expect_rect(const Rect& r, double x0, double y0, double x1, double y1) {
    EXPECT_DOUBLE_EQ(r.x0, x0);
    EXPECT_DOUBLE_EQ(r.y0, y0);
    EXPECT_DOUBLE_EQ(r.x1, x1);
    EXPECT_DOUBLE_EQ(r.y1, y1);
}

TEST(Subpages, PanelsRunAlongTheRowsFromTheUpperLeft) {
    const Rect page{0, 0, 640, 480};
    expect_rect(subpage(page, 2, 2, 1), 0, 240, 320, 480);
    expect_rect(subpage(page, 2, 2, 2), 320, 240, 640, 480);
    expect_rect(subpage(page, 2, 2, 3), 0, 0, 320, 240);
    expect_rect(subpage(page, 2, 2, 4), 320, 0, 640, 240);
    expect_rect(subpage(page, 3, 1, 2), 640.0 / 3, 0, 2 * 640.0 / 3, 480);
    expect_rect(subpage(page, 1, 1, 1), 0, 0, 640, 480);
    // Numbers beyond the grid stay on it.
    expect_rect(subpage(page, 2, 2, 9), 320, 0, 640, 240);
    expect_rect(subpage(page, 0, 0, 1), 0, 0, 640, 480);
}

TEST(Subpages, BoxesLeaveTheMarginsAndKeepEqualScales) {
    const Rect panel{0, 0, 400, 300};
    expect_rect(fit_box(panel, {50, 10, 40, 20}, false, 1, 1), 50, 40, 390, 280);
    // 340 by 240 of room; a square range takes 240 by 240, centred across.
    expect_rect(fit_box(panel, {50, 10, 40, 20}, true, 2, 2), 100, 40, 340, 280);
    // Twice as high as wide in a wide room.
    const Rect tall = fit_box(panel, {50, 10, 40, 20}, true, 1, 2);
    EXPECT_DOUBLE_EQ(tall.height(), 240);
    EXPECT_DOUBLE_EQ(tall.width(), 120);
    // A panel smaller than its margins still has a box.
    const Rect tiny = fit_box({0, 0, 20, 20}, {50, 10, 40, 20}, false, 1, 1);
    EXPECT_GT(tiny.width(), 0);
    EXPECT_GT(tiny.height(), 0);
    EXPECT_GE(text_height_for({0, 0, 320, 240}, 1), 9);
    EXPECT_LE(text_height_for({0, 0, 3200, 2400}, 1), 18);
    EXPECT_GT(text_height_for({0, 0, 320, 240}, 2), text_height_for({0, 0, 320, 240}, 1));
}

LegendLayout at_place(const Rect& box, int place, const std::vector<double>& widths, double h) {
    LegendPlacement p;
    p.position = position_of_place(place);
    return layout_legend(box, p, widths, h);
}

TEST(Legend, SitsInsideItsCornerWithARowPerEntry) {
    const Rect box{100, 50, 500, 350};
    const double h = 10;
    const LegendLayout upper_right = at_place(box, 1, {40, 80, 20}, h);
    EXPECT_DOUBLE_EQ(upper_right.frame.x1, box.x1 - 5);
    EXPECT_DOUBLE_EQ(upper_right.frame.y1, box.y1 - 5);
    ASSERT_EQ(upper_right.slots.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const LegendSlot& s = upper_right.slots[i];
        EXPECT_GT(s.y, upper_right.frame.y0);
        EXPECT_LT(s.y, upper_right.frame.y1);
        if (i > 0) {
            EXPECT_DOUBLE_EQ(upper_right.slots[i - 1].y - s.y, 14);
        }
        // The widest text fits between the sample and the right edge.
        EXPECT_GE(upper_right.frame.x1 - s.text_x, 80);
        EXPECT_GT(s.text_x, s.sample_x1);
        EXPECT_GT(s.sample_x0, upper_right.frame.x0);
    }

    const LegendLayout lower_left = at_place(box, 3, {40}, h);
    EXPECT_DOUBLE_EQ(lower_left.frame.x0, box.x0 + 5);
    EXPECT_DOUBLE_EQ(lower_left.frame.y0, box.y0 + 5);
    const LegendLayout upper_left = at_place(box, 2, {40}, h);
    EXPECT_DOUBLE_EQ(upper_left.frame.x0, box.x0 + 5);
    EXPECT_DOUBLE_EQ(upper_left.frame.y1, box.y1 - 5);
    const LegendLayout lower_right = at_place(box, 4, {40}, h);
    EXPECT_DOUBLE_EQ(lower_right.frame.x1, box.x1 - 5);
    EXPECT_DOUBLE_EQ(lower_right.frame.y0, box.y0 + 5);
}

TEST(Legend, StandsAtTheMiddleOfAnEdgeOrOutsideOnTheRight) {
    const Rect box{100, 50, 500, 350};
    const double h = 10, cx = 300, cy = 200;
    const auto centre_x = [](const Rect& r) { return (r.x0 + r.x1) / 2; };
    const auto centre_y = [](const Rect& r) { return (r.y0 + r.y1) / 2; };
    const Rect top = at_place(box, 5, {40, 60}, h).frame;
    EXPECT_DOUBLE_EQ(centre_x(top), cx);
    EXPECT_DOUBLE_EQ(top.y1, box.y1 - 5);
    const Rect left = at_place(box, 6, {40, 60}, h).frame;
    EXPECT_DOUBLE_EQ(left.x0, box.x0 + 5);
    EXPECT_DOUBLE_EQ(centre_y(left), cy);
    const Rect bottom = at_place(box, 7, {40, 60}, h).frame;
    EXPECT_DOUBLE_EQ(centre_x(bottom), cx);
    EXPECT_DOUBLE_EQ(bottom.y0, box.y0 + 5);
    const Rect right = at_place(box, 8, {40, 60}, h).frame;
    EXPECT_DOUBLE_EQ(right.x1, box.x1 - 5);
    EXPECT_DOUBLE_EQ(centre_y(right), cy);
    for (int place : {9, 10, 11}) {
        const Rect out = at_place(box, place, {40, 60}, h).frame;
        EXPECT_DOUBLE_EQ(out.x0, box.x1 + 5) << place;
    }
    EXPECT_DOUBLE_EQ(at_place(box, 9, {40}, h).frame.y1, box.y1);
    EXPECT_DOUBLE_EQ(centre_y(at_place(box, 10, {40}, h).frame), cy);
    EXPECT_DOUBLE_EQ(at_place(box, 11, {40}, h).frame.y0, box.y0);
    EXPECT_EQ(at_place(box, 12, {40}, h).frame.x1, at_place(box, 1, {40}, h).frame.x1)
        << "another number: the upper right corner";
}

TEST(Legend, SixteenPositionsInsideAndOutsideBeyondTheNumbersAndLabels) {
    int valid = 0;
    for (int p = -1; p <= 40; ++p) valid += valid_legend_position(p) ? 1 : 0;
    EXPECT_EQ(valid, 16);
    for (int p : {0, kLegendOutside, kLegendLeft | kLegendRight, kLegendTop | kLegendBottom, 32})
        EXPECT_FALSE(valid_legend_position(p)) << p;
    const Rect box{100, 50, 500, 350};
    const double h = 10;
    const LegendClearance clear{30, 0, 12, 20};
    const auto placed = [&](int position) {
        LegendPlacement p;
        p.position = position;
        return layout_legend(box, p, {40, 60}, h, clear).frame;
    };
    const Rect left = placed(kLegendOutside | kLegendLeft | kLegendTop);
    EXPECT_DOUBLE_EQ(left.x1, box.x0 - 30 - 5) << "beyond the y numbers and label";
    EXPECT_DOUBLE_EQ(left.y1, box.y1);
    const Rect above = placed(kLegendOutside | kLegendTop);
    EXPECT_DOUBLE_EQ(above.y0, box.y1 + 12 + 5);
    EXPECT_DOUBLE_EQ((above.x0 + above.x1) / 2, 300);
    const Rect below = placed(kLegendOutside | kLegendBottom);
    EXPECT_DOUBLE_EQ(below.y1, box.y0 - 20 - 5);
    EXPECT_DOUBLE_EQ(placed(kLegendOutside | kLegendRight | kLegendBottom).y0, box.y0);
}

TEST(Legend, ColumnsOffsetsAndBounds) {
    const Rect box{100, 50, 500, 350};
    const double h = 10;
    LegendPlacement p;
    p.position = kLegendTop;
    p.columns = 3;
    const LegendLayout l = layout_legend(box, p, {40, 80, 20, 60, 10}, h);
    ASSERT_EQ(l.slots.size(), 5u);
    EXPECT_DOUBLE_EQ(l.slots[0].y, l.slots[2].y) << "the first row";
    EXPECT_DOUBLE_EQ(l.slots[3].y, l.slots[0].y - 14) << "the second row";
    EXPECT_DOUBLE_EQ(l.slots[3].sample_x0, l.slots[0].sample_x0) << "columns line up";
    EXPECT_GE(l.slots[1].sample_x0 - l.slots[0].text_x, 60) << "room for the widest of column 1";
    EXPECT_GE(l.frame.x1 - l.slots[2].text_x, 20);
    EXPECT_DOUBLE_EQ(l.frame.height(), 2 * 5 + 2 * 14);
    p.dx = 2;
    p.dy = -1;
    const LegendLayout moved = layout_legend(box, p, {40, 80, 20, 60, 10}, h);
    EXPECT_DOUBLE_EQ(moved.frame.x0 - l.frame.x0, 20);
    EXPECT_DOUBLE_EQ(moved.frame.y1 - l.frame.y1, -10);
    p = {};
    p.position = kLegendOutside | kLegendRight;
    const Rect panel{0, 0, 560, 400};
    const Rect kept = layout_legend(box, p, {200}, h, {}, panel).frame;
    EXPECT_LE(kept.x1, panel.x1)
        << "a legend too wide for the room beside the box stays on the page";
    EXPECT_DOUBLE_EQ(layout_legend(box, p, {200}, h).frame.x0, box.x1 + 5) << "unbounded";
}

TEST(ClippedLines, RunsStayInsideAndBreakAtGaps) {
    const WorldRect r{0, 0, 10, 10};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Through the box from far outside: one run from edge to edge.
    auto runs = clip_line(r, {-1e30, 5, 1e30, 5});
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0], (std::vector<double>{0, 5, 10, 5}));
    // Out and back in: two runs.
    runs = clip_line(r, {2, 2, 20, 2, 20, 8, 2, 8});
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], (std::vector<double>{2, 2, 10, 2}));
    EXPECT_EQ(runs[1], (std::vector<double>{10, 8, 2, 8}));
    // A NaN breaks the line; points inside stay one run.
    runs = clip_line(r, {1, 1, 2, 2, nan, 3, 4, 4, 5, 5, 6, 6});
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], (std::vector<double>{1, 1, 2, 2}));
    EXPECT_EQ(runs[1], (std::vector<double>{4, 4, 5, 5, 6, 6}));
    EXPECT_TRUE(clip_line(r, {20, 20, 30, 30}).empty());
    EXPECT_TRUE(clip_line(r, {5, 5}).empty());
}

TEST(Histogram, ValuesCountInTheirBins) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double values[] = {0, 0.5, 0.99, 1, 2.5, 3, 4, -0.1, 4.1, nan};
    const std::vector<long> counts = bin_counts(values, 10, 0.0, 4.0, 4);
    EXPECT_EQ(counts, (std::vector<long>{3, 1, 1, 2}));
    EXPECT_EQ(bin_counts(values, 10, 4.0, 0.0, 4), (std::vector<long>{0, 0, 0, 0}));
    const float single[] = {1.0f};
    EXPECT_EQ(bin_counts(single, 1, 0.0, 2.0, 1), (std::vector<long>{1}));
}

TEST(BoxWhisker, QuartilesWhiskersAndOutliers) {
    BoxStatistics s = box_statistics({1, 2, 3, 4, 5, 6, 7, 8, 9});
    ASSERT_TRUE(s.ok);
    EXPECT_DOUBLE_EQ(s.q1, 3);
    EXPECT_DOUBLE_EQ(s.median, 5);
    EXPECT_DOUBLE_EQ(s.q3, 7);
    EXPECT_DOUBLE_EQ(s.low, 1);
    EXPECT_DOUBLE_EQ(s.high, 9);
    EXPECT_TRUE(s.outliers.empty());
    s = box_statistics({9, 1, 2, 3, 4, 5, 6, 7, 8, 100, std::numeric_limits<double>::quiet_NaN()});
    EXPECT_DOUBLE_EQ(s.median, 5.5);
    EXPECT_DOUBLE_EQ(s.high, 9);
    EXPECT_EQ(s.outliers, (std::vector<double>{100}));
    EXPECT_FALSE(box_statistics({}).ok);
    EXPECT_DOUBLE_EQ(box_statistics({4}).median, 4);
}

}  // namespace
}  // namespace lumora::plot
