// Strip charts through the public interface: points reach the window in their pens'
// layers, the x range jumps or scrolls where it should, a point costs one short batch
// however many the pen holds, the memory kept stays bounded, and wrong calls are refused
// with their cause.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "client/plot/strip_chart.h"
#include "tests/gallery/gallery_window.h"

namespace lumora::plot {
namespace {

using luwnd::DrawItem;

constexpr int kWidth = 640, kHeight = 480;

bool is_line(const plotcore::Item& item) {
    return item.kind == plotcore::ItemKind::kPolyline || item.kind == plotcore::ItemKind::kSegments;
}

class PlotStripTest : public ::testing::Test {
  protected:
    PlotStripTest() : window_(kWidth, kHeight) { reset_plot_state(); }
    ~PlotStripTest() override { reset_plot_state(); }

    // The batch items the window holds of an element, in order.
    std::vector<DrawItem> element(int layer) {
        std::vector<DrawItem> out;
        for (const auto& op : window_.picture().items)
            if (op.item.kind == luwnd::ItemKind::kBatch && op.item.element == layer)
                out.push_back(op.item);
        return out;
    }
    // The points of every line of a pen's layer (a line of two points is a segment), in
    // batch coordinates.
    std::vector<plotcore::PointF> line_points(int strip, int pen) {
        std::vector<plotcore::PointF> out;
        for (const DrawItem& batch : element(strip_layer(strip, pen))) {
            for (const plotcore::Item& item : *batch.batch)
                if (is_line(item)) out.insert(out.end(), item.points.begin(), item.points.end());
        }
        return out;
    }
    // The ranges of the chart's frame as the window holds it.
    plotcore::FrameSetup shown_frame(int strip) {
        for (const DrawItem& batch : element(strip_layer(strip, 0))) {
            for (const plotcore::Item& item : *batch.batch)
                if (item.kind == plotcore::ItemKind::kFrame) return item.source.setup;
        }
        ADD_FAILURE() << "the chart's layer holds no frame";
        return {};
    }
    // The texts of the chart's frame layer.
    std::vector<std::string> frame_texts(int strip) {
        std::vector<std::string> out;
        for (const DrawItem& batch : element(strip_layer(strip, 0))) {
            for (const plotcore::Item& item : *batch.batch)
                if (item.kind == plotcore::ItemKind::kText) out.push_back(item.text.bytes);
        }
        return out;
    }
    bool told(const std::string& cause) const {
        return window_.errors().find(cause) != std::string::npos;
    }
    int chart(float width, int pens, int options) {
        return lu_plot_strip_create(width, -1, 1, pens, options, "t", "value", "strip");
    }

    gallery::GalleryWindow window_;
};

bool contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST_F(PlotStripTest, PointsReachTheirPensLayersWhereTheFrameShowsThem) {
    const int strip = chart(10, 2, LU_PLOT_GRID);
    ASSERT_GT(strip, 0);
    EXPECT_EQ(shown_frame(strip).x1, 0);
    EXPECT_EQ(shown_frame(strip).x2, 10);
    EXPECT_TRUE(contains(frame_texts(strip), "strip"));
    const float xs[] = {0, 1, 2.5f, 2.5f}, ys[] = {0, 0.5f, -0.5f, 0.25f};
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(lu_plot_strip_add(strip, 1, xs[i], ys[i]), window_.number());
    ASSERT_EQ(lu_plot_strip_add(strip, 2, 3, 0.75f), window_.number());
    // Each point after the first adds one segment from the point before it.
    const std::vector<plotcore::PointF> line = line_points(strip, 1);
    ASSERT_EQ(line.size(), 6u);
    const plotcore::Frame f = plot_state(window_.number()).frame;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const std::size_t k = (i + 1) / 2;  // segments (0, 1), (1, 2), (2, 3)
        EXPECT_NEAR(line[i].x, f.px(xs[k]) + 0.5, 1e-3) << i;
        EXPECT_NEAR(line[i].y, kHeight - f.py(ys[k]) + 0.5, 1e-3) << i;
    }
    EXPECT_TRUE(line_points(strip, 2).empty()) << "a single point draws no line";
    EXPECT_EQ(shown_frame(strip).x2, 10) << "nothing passed the right end";
    EXPECT_EQ(window_.errors(), "");
}

TEST_F(PlotStripTest, TheRangeJumpsByHalvesOfItsWidthWhenAPointPassesTheRightEnd) {
    const int strip = chart(10, 1, 0);
    for (int x = 0; x <= 10; ++x) lu_plot_strip_add(strip, 1, static_cast<float>(x), 0);
    EXPECT_EQ(shown_frame(strip).x1, 0) << "10 is still inside";
    lu_plot_strip_add(strip, 1, 10.5f, 0);
    EXPECT_EQ(shown_frame(strip).x1, 5);
    EXPECT_EQ(shown_frame(strip).x2, 15);
    // The line is drawn again from the kept points: from x = 5 (the left edge) on, whole.
    const plotcore::Frame f = plot_state(window_.number()).frame;
    const std::vector<plotcore::PointF> line = line_points(strip, 1);
    ASSERT_EQ(line.size(), 7u) << "5, 6, ... 10, 10.5";
    EXPECT_NEAR(line.front().x, f.px(5) + 0.5, 1e-3);
    EXPECT_EQ(strip_chart(strip)->pens[0].points.size(), 7u);
    // A point far ahead moves the range on by as many halves as it takes at once.
    lu_plot_strip_add(strip, 1, 31, 0);
    EXPECT_EQ(shown_frame(strip).x1, 25);
    EXPECT_EQ(shown_frame(strip).x2, 35);
    EXPECT_EQ(strip_chart(strip)->pens[0].points.size(), 2u) << "10.5 leads the line in";
}

TEST_F(PlotStripTest, ScrollingKeepsTheNewestPointAtTheRightEnd) {
    const int strip = chart(10, 1, LU_PLOT_STRIP_SCROLL);
    lu_plot_strip_add(strip, 1, 9, 0);
    EXPECT_EQ(shown_frame(strip).x2, 10);
    lu_plot_strip_add(strip, 1, 12.5f, 0);
    EXPECT_EQ(shown_frame(strip).x1, 2.5);
    EXPECT_EQ(shown_frame(strip).x2, 12.5);
    lu_plot_strip_add(strip, 1, 12.75f, 0);
    EXPECT_EQ(shown_frame(strip).x2, 12.75);
}

TEST_F(PlotStripTest, AccumulatingGrowsTheRangeFromItsLeftEndAndKeepsEveryPoint) {
    const int strip = chart(10, 1, LU_PLOT_STRIP_ACCUMULATE);
    for (int x = 0; x <= 10; ++x) lu_plot_strip_add(strip, 1, static_cast<float>(x), 0);
    EXPECT_EQ(shown_frame(strip).x2, 10);
    lu_plot_strip_add(strip, 1, 10.5f, 0);
    EXPECT_EQ(shown_frame(strip).x1, 0);
    EXPECT_DOUBLE_EQ(shown_frame(strip).x2, 13) << "30 % wider";
    // Far ahead: as many steps as it takes at once, 10 x 1.3^6 = 48.27.
    lu_plot_strip_add(strip, 1, 40, 0);
    EXPECT_EQ(shown_frame(strip).x1, 0);
    EXPECT_NEAR(shown_frame(strip).x2, 48.26809, 1e-4);
    EXPECT_EQ(strip_chart(strip)->pens[0].points.size(), 13u) << "nothing scrolled away";
    EXPECT_EQ(line_points(strip, 1).size(), 13u) << "drawn again whole";
    EXPECT_EQ(chart(10, 1, LU_PLOT_STRIP_ACCUMULATE | LU_PLOT_STRIP_SCROLL), 0);
    EXPECT_TRUE(told("LU_PLOT_STRIP_SCROLL and LU_PLOT_STRIP_ACCUMULATE together"));
}

TEST_F(PlotStripTest, TheLegendStandsInTheCornerAsked) {
    const int strip = chart(10, 1, 0);
    ASSERT_EQ(lu_plot_strip_pen(strip, 1, -1, -1, "walk"), window_.number());
    ASSERT_EQ(lu_plot_strip_legend(strip, 3), window_.number());
    const plotcore::Frame f = plot_state(window_.number()).frame;
    bool found = false;
    for (const DrawItem& d : element(strip_layer(strip, 0))) {
        for (const plotcore::Item& item : *d.batch) {
            if (item.kind != plotcore::ItemKind::kText || item.text.bytes != "walk") continue;
            found = true;
            EXPECT_LT(item.points[0].x, (f.box.x0 + f.box.x1) / 2) << "at the left";
            EXPECT_GT(item.points[0].y, kHeight - (f.box.y0 + f.box.y1) / 2) << "low";
        }
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(lu_plot_strip_legend(strip, 9), 0);
    EXPECT_TRUE(told("the corner 9 is not within 1 ... 8"));
    EXPECT_EQ(lu_plot_strip_legend(strip + 1, 1), 0);
}

TEST_F(PlotStripTest, TheYRangeGrowsOnlyWhenAskedTo) {
    const int fixed = chart(10, 1, 0);
    lu_plot_strip_add(fixed, 1, 0, 0);
    lu_plot_strip_add(fixed, 1, 1, 3);
    EXPECT_EQ(shown_frame(fixed).y2, 1) << "clipped instead";
    const plotcore::Frame f = plot_state(window_.number()).frame;
    for (plotcore::PointF p : line_points(fixed, 1))
        EXPECT_GE(p.y, kHeight - f.box.y1) << "inside the box";

    const int growing = chart(10, 1, LU_PLOT_STRIP_AUTO_Y);
    lu_plot_strip_add(growing, 1, 0, 0);
    lu_plot_strip_add(growing, 1, 1, 3);
    EXPECT_DOUBLE_EQ(shown_frame(growing).y2, 3.2) << "a tenth of the height to spare";
    EXPECT_EQ(shown_frame(growing).y1, -1);
    lu_plot_strip_add(growing, 1, 2, -2);
    EXPECT_NEAR(shown_frame(growing).y1, -2 - 0.42, 1e-6);
}

TEST_F(PlotStripTest, APointCostsOneShortBatchHoweverManyThePenHolds) {
    const int strip = chart(100000, 2, 0);
    const std::uint64_t frame = element(strip_layer(strip, 0)).front().serial;
    // The commands the next point costs, and the points of the newest piece of its line.
    struct Cost {
        std::size_t commands = 0, points = 0;
    };
    auto next = [&](float x) {
        const std::size_t before = window_.commands();
        EXPECT_EQ(lu_plot_strip_add(strip, 1, x, 0.5f), window_.number());
        const std::vector<DrawItem> line = element(strip_layer(strip, 1));
        Cost c{window_.commands() - before, 0};
        for (const plotcore::Item& item : *line.back().batch)
            if (is_line(item)) c.points += item.points.size();
        return c;
    };
    lu_plot_strip_add(strip, 1, 0, 0);
    EXPECT_EQ(next(1).commands, 1u);
    for (int x = 2; x < 3000; ++x) lu_plot_strip_add(strip, 1, static_cast<float>(x), 0);
    // Now and then a pen's line is sent whole instead of its newest segment, so that the
    // window holds few pieces of it: still one batch.
    std::size_t whole = 0;
    for (int x = 3000; x < 4000; ++x) {
        const Cost c = next(static_cast<float>(x));
        EXPECT_EQ(c.commands, 1u) << x;
        whole += c.points > 2 ? 1 : 0;
    }
    EXPECT_LE(whole, 2u) << "of 1000 points with 3000 ... 4000 kept";
    EXPECT_LE(element(strip_layer(strip, 1)).size(), 513u);
    EXPECT_EQ(element(strip_layer(strip, 0)).front().serial, frame) << "the frame as it was";
    // A jump draws the whole chart again in a buffered frame: a few commands, not one per
    // point kept.
    const std::size_t before = window_.commands();
    lu_plot_strip_add(strip, 1, 200000, 0);
    EXPECT_LE(window_.commands() - before, 8u);
    EXPECT_NE(element(strip_layer(strip, 0)).front().serial, frame);
}

TEST_F(PlotStripTest, APenKeepsWhatItsRangeShowsAndNoMoreThanItsLimit) {
    const int strip = chart(10, 1, 0);
    for (int i = 0; i < 3000; ++i) lu_plot_strip_add(strip, 1, 0.1f * static_cast<float>(i), 0);
    EXPECT_LE(strip_chart(strip)->pens[0].points.size(), 102u) << "10 wide at steps of 0.1";
    StripPen pen;
    for (std::size_t i = 0; i < kMaxStripPoints + 10; ++i)
        keep_point(pen, {static_cast<float>(i), 0}, 0);
    EXPECT_EQ(pen.points.size(), kMaxStripPoints);
    EXPECT_EQ(pen.points.front().x, 10) << "the oldest go first";
}

TEST_F(PlotStripTest, APenTextBringsALegendIntoTheBoxAndAColourItsLine) {
    const int strip = chart(10, 2, 0);
    const int red = 0x02000000 | 200;
    const std::string text = "sine with noise, 20 % of its amplitude";
    ASSERT_EQ(lu_plot_strip_pen(strip, 1, red, 2, text.c_str()), window_.number());
    const plotcore::Frame f = plot_state(window_.number()).frame;
    bool found = false;
    for (const DrawItem& d : element(strip_layer(strip, 0))) {
        for (const plotcore::Item& item : *d.batch) {
            if (item.kind != plotcore::ItemKind::kText || item.text.bytes != text) continue;
            found = true;
            EXPECT_GT(item.points[0].x, f.box.x0) << "inside the box";
            EXPECT_LT(item.points[0].x, (f.box.x0 + f.box.x1) / 2) << "at its left";
        }
    }
    EXPECT_TRUE(found) << "a long text as well";
    lu_plot_strip_add(strip, 1, 0, 0);
    lu_plot_strip_add(strip, 1, 1, 0);
    const std::vector<DrawItem> line = element(strip_layer(strip, 1));
    ASSERT_FALSE(line.empty());
    std::size_t lines = 0;
    for (const plotcore::Item& item : *line.back().batch) {
        if (!is_line(item)) continue;
        ++lines;
        EXPECT_EQ(item.stroke.rgb, 0xC80000u);
        EXPECT_NE(item.stroke.dash, plotcore::Dash::kSolid);
    }
    EXPECT_EQ(lines, 1u);
    ASSERT_EQ(lu_plot_strip_pen(strip, 1, -1, -1, ""), window_.number());
    EXPECT_FALSE(contains(frame_texts(strip), "sum"));
    EXPECT_EQ(line_points(strip, 1).size(), 2u) << "drawn again whole";
}

TEST_F(PlotStripTest, ChartsLeaveTheProgramsLayerAndEachOtherAlone) {
    lu_plot_subpages(1, 2);
    const int a = chart(10, 1, 0), b = chart(10, 1, 0);
    ASSERT_GT(a, 0);
    ASSERT_GT(b, a);
    const plotcore::FrameSetup b_frame = shown_frame(b);
    const float x[] = {0, 1}, y[] = {0, 1};
    ASSERT_EQ(lu_plot_layer(7), 1);
    lu_plot_line(2, x, y);
    for (int i = 0; i < 30; ++i) lu_plot_strip_add(a, 1, static_cast<float>(i), 0);
    lu_plot_line(2, x, y);
    lu_plot_layer(0);
    EXPECT_EQ(element(7).size(), 2u) << "the second line added to the program's layer";
    EXPECT_EQ(shown_frame(b), b_frame) << "a's jumps leave b as it was";
    EXPECT_EQ(shown_frame(a).panel, 1);
    EXPECT_EQ(shown_frame(a).x1, 20) << "jumped in its own panel";
    EXPECT_TRUE(line_points(b, 1).empty());
}

// The window lays out what it holds again on a resize, but a segment sent afterwards is
// placed as the program lays it out: with the frame as it is now.
TEST_F(PlotStripTest, AResizedWindowGetsTheChartDrawnAgainAtTheNextPoint) {
    const int strip = chart(10, 1, 0);
    lu_plot_strip_add(strip, 1, 0, 0);
    ASSERT_TRUE(window_.resize(800, 300));
    lu_plot_strip_add(strip, 1, 1, 0.5f);
    const plotcore::Frame f = plot_state(window_.number()).frame;
    ASSERT_EQ(f.page_width, 800);
    const std::vector<plotcore::PointF> line = line_points(strip, 1);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_NEAR(line.back().x, f.px(1) + 0.5, 1e-3);
    EXPECT_NEAR(line.back().y, 300 - f.py(0.5) + 0.5, 1e-3);
}

TEST_F(PlotStripTest, WrongCallsAreRefusedWithTheirCause) {
    EXPECT_EQ(chart(0, 1, 0), 0);
    EXPECT_EQ(lu_plot_strip_create(10, 1, 1, 1, 0, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(chart(10, 9, 0), 0);
    EXPECT_EQ(chart(10, 1, LU_PLOT_LOG_X), 0);
    const int strip = chart(10, 2, 0);
    ASSERT_GT(strip, 0);
    EXPECT_EQ(lu_plot_strip_add(strip + 1, 1, 0, 0), 0);
    EXPECT_EQ(lu_plot_strip_add(strip, 3, 0, 0), 0);
    EXPECT_EQ(lu_plot_strip_add(strip, 1, 0, std::nanf("")), 0);
    ASSERT_EQ(lu_plot_strip_add(strip, 1, 2, 0), window_.number());
    ASSERT_EQ(lu_plot_strip_add(strip, 1, 2, 0.5f), window_.number()) << "x may stand still";
    EXPECT_EQ(lu_plot_strip_add(strip, 1, 1.5f, 0), 0);
    EXPECT_EQ(lu_plot_strip_add(strip, 2, 1.5f, 0), window_.number())
        << "each pen goes its own way";
    EXPECT_EQ(line_points(strip, 1).size(), 2u) << "the refused point drew nothing";
    EXPECT_EQ(lu_plot_strip_pen(strip, 1, -2, 0, nullptr), 0);
    EXPECT_EQ(lu_plot_strip_pen(strip, 1, -1, 10, nullptr), 0);
    EXPECT_EQ(lu_plot_strip_delete(strip), window_.number());
    EXPECT_EQ(lu_plot_strip_delete(strip), 0);
    EXPECT_EQ(lu_plot_strip_add(strip, 1, 3, 0), 0);
    for (const char* cause :
         {"lu_plot_strip_create: the x width 0 is not a finite number above 0",
          "lu_plot_strip_create: the y range 1 ... 1 is not two finite numbers",
          "lu_plot_strip_create: pens = 9",
          "lu_plot_strip_create: options 1:", "lu_plot_strip_add: there is no strip chart 2",
          "the chart has pens 1 ... 2, not 3", "the point (0, NaN) is not two finite numbers",
          "pen 1: x = 1.5 lies before its last point's x = 2 (x must not go back)",
          "lu_plot_strip_pen: -2 is no colour value", "the line style 10 is not within",
          "lu_plot_strip_delete: there is no strip chart 1"})
        EXPECT_TRUE(told(cause)) << cause << " in " << window_.errors();
}

TEST_F(PlotStripTest, ChartsAreBoundedAndForgottenWithTheirWindow) {
    std::vector<int> made;
    for (int i = 0; i < kMaxStripCharts; ++i) made.push_back(chart(10, 1, 0));
    EXPECT_GT(made.back(), 0);
    EXPECT_EQ(chart(10, 1, 0), 0);
    EXPECT_TRUE(told("64 strip charts exist"));
    ASSERT_EQ(lu_plot_strip_delete(made.front()), window_.number());
    const int again = chart(10, 1, 0);
    EXPECT_GT(again, made.back()) << "a handle is not given twice";
    lu_close_window(window_.number());
    EXPECT_EQ(strip_chart(again), nullptr);
}

}  // namespace
}  // namespace lumora::plot
