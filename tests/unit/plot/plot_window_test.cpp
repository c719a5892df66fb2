// Frames and data drawn through the public interface into an in-process window: what
// reaches the window's picture, and what the layer leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "plotcore/items.h"
#include "server/core/text_metrics.h"
#include "tests/gallery/gallery_window.h"
#include "tests/unit/plot/plot_items_drawn.h"

namespace lumora::plot {
namespace {

using luwnd::DrawItem;
using luwnd::ItemKind;

// Each test runs twice: with a window process that takes plot batches, and with one that
// does not, where the layer draws with the drawing operations.
class PlotWindowTest : public ::testing::TestWithParam<bool> {
  protected:
    PlotWindowTest() : window_(640, 480, 96, GetParam()) { reset_plot_state(); }
    ~PlotWindowTest() override { reset_plot_state(); }

    // The window's items, with the plot items of each batch as the items of the window
    // commands that draw the same (coordinates rounded): what the tests below look for.
    std::vector<DrawItem> items() { return items_drawn(window_.picture()); }

    std::vector<DrawItem> texts() {
        std::vector<DrawItem> out;
        for (const DrawItem& item : items())
            if (item.kind == ItemKind::kText) out.push_back(item);
        return out;
    }

    gallery::GalleryWindow window_;
};

struct Viewport {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

Viewport viewport() {
    Viewport v;
    lu_get_viewport(&v.x1, &v.y1, &v.x2, &v.y2);
    return v;
}

TEST_P(PlotWindowTest, NonFiniteAndNonPositiveLogEndsAreRefusedAndDrawNothing) {
    ASSERT_GT(window_.number(), 0);
    const std::size_t before = items().size();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(lu_plot_frame(nan, 1, 0, 1, 0), 0);
    EXPECT_EQ(lu_plot_frame(0, 1, 0, inf, 0), 0);
    EXPECT_EQ(lu_plot_frame(0, 10, 1, 10, LU_PLOT_LOG_X), 0);
    EXPECT_EQ(lu_plot_frame(1, 10, -1, 10, LU_PLOT_LOG_Y), 0);
    EXPECT_EQ(items().size(), before);
    // Without a frame the data operations refuse too.
    const float x[] = {0, 1}, y[] = {0, 1};
    EXPECT_EQ(lu_plot_line(2, x, y), 0);
    EXPECT_EQ(lu_plot_labels("x", "y", "t"), 0);
}

TEST_P(PlotWindowTest, TheFrameLeavesTheWorldOnItsRanges) {
    EXPECT_EQ(lu_plot_frame(0, 10, -1, 1, 0), window_.number());
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    lu_get_world(&x1, &y1, &x2, &y2);
    EXPECT_FLOAT_EQ(x1, 0);
    EXPECT_FLOAT_EQ(x2, 10);
    EXPECT_FLOAT_EQ(y1, -1);
    EXPECT_FLOAT_EQ(y2, 1);
    // Reversed x runs right to left; equal y ends widen around their value.
    lu_plot_frame(10, 0, 5, 5, 0);
    lu_get_world(&x1, &y1, &x2, &y2);
    EXPECT_FLOAT_EQ(x1, 10);
    EXPECT_FLOAT_EQ(x2, 0);
    EXPECT_FLOAT_EQ(y1, 4.5f);
    EXPECT_FLOAT_EQ(y2, 5.5f);
    int left = 0, right = 0, y = 0;
    lu_world_to_device(10, 5, &left, &y);
    lu_world_to_device(0, 5, &right, &y);
    EXPECT_LT(left, right);
    // Log axes run in decades.
    lu_plot_frame(1, 1000, 0.01f, 1, LU_PLOT_LOG_X | LU_PLOT_LOG_Y);
    lu_get_world(&x1, &y1, &x2, &y2);
    EXPECT_FLOAT_EQ(x2, 3);
    EXPECT_FLOAT_EQ(y1, -2);
}

TEST_P(PlotWindowTest, EverythingFitsInThePageAndTheNumbersDoNotOverlap) {
    const struct {
        float x1, x2, y1, y2;
        int options;
    } frames[] = {{0, 1e6f, -3e-5f, 7e-5f, 0},
                  {-123.4f, 98765.f, 0, 1, LU_PLOT_GRID},
                  {1, 1e12f, 1e-3f, 1e3f, 3},
                  {100, -100, -1, 1, 0}};
    for (const auto& f : frames) {
        lu_plot_subpages(1, 1);
        const std::size_t before = texts().size();
        ASSERT_EQ(lu_plot_frame(f.x1, f.x2, f.y1, f.y2, f.options), window_.number());
        ASSERT_EQ(lu_plot_labels("An x label", "A y label", "A title"), window_.number());
        const std::vector<DrawItem> all = texts();
        std::vector<DrawItem> numbers;
        for (std::size_t i = before; i < all.size(); ++i) {
            const DrawItem& t = all[i];
            const auto extent = luwnd::text_extent(t.font, t.text.size());
            // Inside the page, whatever the alignment: the anchor is at least the text's
            // size from every edge it could reach.
            EXPECT_GE(t.coords[0], 0) << t.text;
            EXPECT_LE(t.coords[0], 640) << t.text;
            EXPECT_GE(t.coords[1] - extent[1], 0) << t.text;
            EXPECT_LE(t.coords[1] + extent[1], 480) << t.text;
            // The x numbers: centred texts, or on log axes the "10" of each power.
            const bool power = f.options == 3 && t.text == "10" && t.font.align == 3;
            if (t.font.align == 4 || power) numbers.push_back(t);
        }
        ASSERT_GE(numbers.size(), 2u);
        std::sort(numbers.begin(), numbers.end(),
                  [](const DrawItem& a, const DrawItem& b) { return a.coords[0] < b.coords[0]; });
        for (std::size_t i = 1; i < numbers.size(); ++i) {
            if (numbers[i].coords[1] != numbers[i - 1].coords[1]) continue;
            const double w0 =
                luwnd::text_extent(numbers[i - 1].font, numbers[i - 1].text.size())[0];
            const double w1 = luwnd::text_extent(numbers[i].font, numbers[i].text.size())[0];
            const double apart = f.options == 3 ? w0 : (w0 + w1) / 2;
            EXPECT_GE(numbers[i].coords[0] - numbers[i - 1].coords[0], apart)
                << numbers[i - 1].text << " and " << numbers[i].text;
        }
    }
}

// A second box that draws no numbers (a grid) leaves the frame's numbers where they are,
// so the axis labels keep their room beside them: they stand where they stand without it.
TEST_P(PlotWindowTest, ABoxWithoutNumbersKeepsTheLabelsClearOfTheNumbers) {
    const auto label_places = [this](bool grid_box) {
        lu_send_command_b4();
        lu_plot_subpages(1, 1);
        EXPECT_EQ(lu_plot_frame(0, 360, -1.2f, 1.2f, 0), window_.number());
        if (grid_box) {
            EXPECT_EQ(lu_plot_box("g", 30, 0, "g", 0.2f, 0), window_.number());
        }
        EXPECT_EQ(lu_plot_labels("Angle (degrees)", "sine", "t"), window_.number());
        std::vector<std::int32_t> places;
        for (const DrawItem& t : texts()) {
            if (t.text == "Angle (degrees)") places.push_back(t.coords[1]);
            if (t.text == "sine") places.push_back(t.coords[0]);
        }
        return places;
    };
    const std::vector<std::int32_t> plain = label_places(false);
    ASSERT_EQ(plain.size(), 2u);
    EXPECT_EQ(label_places(true), plain);
}

TEST_P(PlotWindowTest, TimeAxesNumberTheClock) {
    ASSERT_EQ(lu_plot_set_time_origin(1700000000.0), window_.number());  // 22:13:20 UTC
    EXPECT_EQ(lu_plot_set_time_origin(std::numeric_limits<double>::infinity()), 0);
    const std::size_t before = texts().size();
    ASSERT_EQ(lu_plot_frame(0, 7200, 0, 1, LU_PLOT_TIME_X), window_.number());
    std::vector<std::string> clock;
    const std::vector<DrawItem> all = texts();
    for (std::size_t i = before; i < all.size(); ++i)
        if (all[i].text.size() == 5 && all[i].text[2] == ':') clock.push_back(all[i].text);
    ASSERT_GE(clock.size(), 2u);
    EXPECT_GE(clock.front(), std::string("22:13"));
    EXPECT_LE(clock.back(), std::string("00:13"));
}

TEST_P(PlotWindowTest, ATimeAxisTakesTheStepGivenToTheBox) {
    ASSERT_EQ(lu_plot_set_time_origin(1700000000.0), window_.number());  // 2023-11-14
    const float day = 86400;
    ASSERT_EQ(lu_plot_frame(0, 120 * day, 0, 1, LU_PLOT_TIME_X | LU_PLOT_NO_BOX), window_.number());
    const std::size_t before = texts().size();
    ASSERT_EQ(lu_plot_box("bcnstd", 14 * day, 0, "bcnst", 0, 0), window_.number());
    std::vector<std::string> dates;
    const std::vector<DrawItem> all = texts();
    for (std::size_t i = before; i < all.size(); ++i)
        if (all[i].text.size() == 10 && all[i].text[4] == '-') dates.push_back(all[i].text);
    // On the multiples of 14 days since 1970-01-01: 2023-11-09 (before the axis), 11-23, ...
    ASSERT_GE(dates.size(), 4u);
    EXPECT_EQ(dates[0], "2023-11-23");
    EXPECT_EQ(dates[1], "2023-12-07");
    EXPECT_EQ(dates[2], "2023-12-21");
}

TEST_P(PlotWindowTest, DataIsClippedToTheBoxAndTheClipLiftedAfterwards) {
    lu_plot_frame(0, 10, 0, 10, 0);
    int left = 0, bottom = 0, right = 0, top = 0;
    lu_world_to_device(0, 0, &left, &bottom);
    lu_world_to_device(10, 10, &right, &top);
    const float x[] = {-1e30f, 5, 1e30f}, y[] = {5, 5, 5};
    int pen = 0;
    lu_get_pen(&pen, nullptr, nullptr, nullptr);
    ASSERT_EQ(lu_plot_line(3, x, y), window_.number());
    const DrawItem line = items().back();
    ASSERT_EQ(line.kind, ItemKind::kPolyline);
    EXPECT_EQ(line.rectangle.mode, 1);
    ASSERT_EQ(line.points.size(), 6u);
    EXPECT_EQ(line.points[0], left);
    EXPECT_EQ(line.points[4], right);
    lu_draw_line(0, 0, 20, 20);
    EXPECT_EQ(items().back().rectangle.mode, 0);
    int after = 0;
    lu_get_pen(&after, nullptr, nullptr, nullptr);
    EXPECT_EQ(after, pen);
    // Points outside the box are left out.
    const std::size_t before = items().size();
    const float px[] = {1, 11, 5}, py[] = {1, 5, -3};
    lu_plot_points(3, px, py, 3);
    std::size_t markers = 0;
    for (std::size_t i = before; i < items().size(); ++i)
        markers += items()[i].kind == ItemKind::kMarker ? 1 : 0;
    EXPECT_EQ(markers, 1u);
    EXPECT_EQ(lu_plot_points(3, px, py, 7), 0);
}

TEST_P(PlotWindowTest, SubpagesTakeTheirFramesInTurn) {
    ASSERT_EQ(lu_plot_subpages(2, 2), window_.number());
    std::vector<Viewport> boxes;
    for (int i = 0; i < 4; ++i) {
        lu_plot_frame(0, 1, 0, 1, 0);
        boxes.push_back(viewport());
    }
    // 640 x 480: the normalized page is 4/3 by 1.
    EXPECT_LT(boxes[0].x2, 4.0f / 6);
    EXPECT_GT(boxes[0].y1, 0.5f);
    EXPECT_GT(boxes[1].x1, 4.0f / 6);
    EXPECT_GT(boxes[1].y1, 0.5f);
    EXPECT_LT(boxes[2].y2, 0.5f);
    EXPECT_LT(boxes[2].x2, 4.0f / 6);
    EXPECT_GT(boxes[3].x1, 4.0f / 6);
    EXPECT_LT(boxes[3].y2, 0.5f);
    // After the last panel the first comes again; advance picks a panel.
    lu_plot_frame(0, 1, 0, 1, 0);
    EXPECT_FLOAT_EQ(viewport().x1, boxes[0].x1);
    ASSERT_EQ(lu_plot_advance(4), window_.number());
    lu_plot_frame(0, 1, 0, 1, 0);
    EXPECT_FLOAT_EQ(viewport().y2, boxes[3].y2);
    EXPECT_EQ(lu_plot_advance(5), 0);
    EXPECT_EQ(lu_plot_subpages(0, 2), 0);
}

TEST_P(PlotWindowTest, TheLegendStandsInsideTheBox) {
    lu_plot_frame(0, 1, 0, 1, 0);
    int left = 0, bottom = 0, right = 0, top = 0;
    lu_world_to_device(0, 0, &left, &bottom);
    lu_world_to_device(1, 1, &right, &top);
    EXPECT_EQ(lu_plot_legend(1), 0);  // nothing to show
    ASSERT_EQ(lu_plot_legend_entry("first", lu_plot_colour(0), 0, 0), window_.number());
    ASSERT_EQ(lu_plot_legend_entry("second", lu_plot_colour(1), -1, 13), window_.number());
    EXPECT_EQ(lu_plot_legend_entry("bad", -1, 12, 0), 0);
    const std::size_t before = items().size();
    ASSERT_EQ(lu_plot_legend(1), window_.number());
    const std::vector<DrawItem> all = items();
    std::vector<std::string> shown;
    for (std::size_t i = before; i < all.size(); ++i) {
        const DrawItem& item = all[i];
        if (item.kind == ItemKind::kText) shown.push_back(item.text);
        if (item.kind != ItemKind::kBox22) continue;
        // The white ground in the upper right corner of the box.
        EXPECT_GT(std::min(item.coords[0], item.coords[2]), (left + right) / 2);
        EXPECT_LE(std::max(item.coords[0], item.coords[2]), right);
        EXPECT_GE(std::min(item.coords[1], item.coords[3]), top);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(lu_plot_legend(1), 0);  // the entries are gone
}

TEST_P(PlotWindowTest, TheColourCycleIsDistinctAndReadableOnWhite) {
    for (int i = 0; i < 8; ++i) {
        const int c = lu_plot_colour(i);
        const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
        EXPECT_EQ(c >> 24, 2);
        // Relative luminance well below white's.
        EXPECT_LT(0.2126 * r + 0.7152 * g + 0.0722 * b, 150) << i;
        for (int j = 0; j < i; ++j) EXPECT_NE(lu_plot_colour(j), c);
    }
    EXPECT_EQ(lu_plot_colour(8), lu_plot_colour(0));
    EXPECT_EQ(lu_plot_colour(-1), lu_plot_colour(7));
    lu_plot_frame(0, 1, 0, 1, 0);
    EXPECT_EQ(lu_plot_next_colour(), lu_plot_colour(0));
    EXPECT_EQ(lu_plot_next_colour(), lu_plot_colour(1));
    int pen = 0;
    lu_get_pen(&pen, nullptr, nullptr, nullptr);
    EXPECT_EQ(pen, lu_plot_colour(1));
}

TEST_P(PlotWindowTest, FurtherPlotKindsRefuseWhatTheyCannotDraw) {
    const float values[] = {1, 2, 3, 4};
    const float negative[] = {1, -2};
    EXPECT_EQ(lu_plot_pie(2, negative), 0);
    EXPECT_EQ(lu_plot_pie(4, values), window_.number());
    EXPECT_EQ(lu_plot_polar_frame(0), 0);
    EXPECT_EQ(lu_plot_polar_frame(2), window_.number());
    const float theta[] = {0, 1, 2}, r[] = {1, 1.5f, 2};
    EXPECT_EQ(lu_plot_polar_line(3, theta, r), window_.number());
    lu_plot_frame(0.5f, 2.5f, 0, 10, 0);
    EXPECT_EQ(lu_plot_bars(2, 2, values, LU_PLOT_BARS_STACKED), window_.number());
    EXPECT_EQ(lu_plot_bars(0, 2, values, 0), 0);
    EXPECT_EQ(lu_plot_box_whisker(1, 0.5f, 4, values), window_.number());
    EXPECT_EQ(lu_plot_box_whisker(1, 0, 4, values), 0);
    EXPECT_EQ(lu_plot_histogram(4, values, 1, 1, 4, 0), 0);
}

// Ranges whose width or ticks overflow, or that single precision cannot hold (the world
// window is single precision), are refused with a message naming the operation; every
// entry that feeds ranges into the ticks comes back.
TEST_P(PlotWindowTest, RangesBeyondSinglePrecisionAreRefusedWithAMessage) {
    const double most = std::numeric_limits<double>::max();
    const float fmost = std::numeric_limits<float>::max();
    const double data[] = {1, 2, 3};
    const std::size_t before = items().size();
    EXPECT_EQ(lu_plot_histogram_d(3, data, -most, most, 10, LU_PLOT_HIST_FRAME), 0);
    EXPECT_EQ(lu_plot_histogram_d(3, data, 0, most, 10, LU_PLOT_HIST_FRAME), 0);
    EXPECT_EQ(lu_plot_frame(-fmost, fmost, 0, 1, 0), 0);  // a width beyond single precision
    EXPECT_EQ(lu_plot_frame(0, 1, fmost, fmost, 0), 0);   // equal ends widened beyond it
    EXPECT_EQ(items().size(), before);
    const std::string errors = window_.errors();
    EXPECT_NE(errors.find("lu_plot_histogram_d: "), std::string::npos) << errors;
    EXPECT_NE(errors.find("lu_plot_frame: "), std::string::npos) << errors;
    // Without a frame of its own the histogram draws in the current one: its bins must
    // still have a width.
    ASSERT_EQ(lu_plot_frame(0, 10, 0, 5, 0), window_.number());
    EXPECT_EQ(lu_plot_histogram_d(3, data, -most, most, 10, 0), 0);
    EXPECT_EQ(lu_plot_histogram_d(3, data, 0, most, 10, 0), window_.number());
    // The widest frames that fit still get ticks, and fixed steps of any size end.
    EXPECT_EQ(lu_plot_frame(-1e38f, 1e38f, 0, 3e38f, LU_PLOT_GRID), window_.number());
    EXPECT_EQ(lu_plot_box("bcnst", 1e-30f, 100, "bcnstl", fmost, 1000000), window_.number());
    EXPECT_EQ(lu_plot_box("bcnstl", fmost, 0, "bcnst", fmost, 0), window_.number());
    EXPECT_EQ(lu_plot_frame(1, 1e38f, 1e-38f, 1, LU_PLOT_LOG_X | LU_PLOT_LOG_Y), window_.number());
    EXPECT_EQ(lu_plot_set_time_origin(-most), window_.number());
    EXPECT_EQ(lu_plot_frame(0, 1e30f, 0, 1, LU_PLOT_TIME_X), window_.number());
    EXPECT_EQ(lu_plot_polar_frame(fmost), 0);
    EXPECT_EQ(lu_plot_polar_frame(1e38f), window_.number());
}

INSTANTIATE_TEST_SUITE_P(Roads, PlotWindowTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& road) {
                             return road.param ? "Batches" : "DrawingOperations";
                         });

}  // namespace
}  // namespace lumora::plot
