// A plot zoomed and panned on screen: its frame is numbered for the ranges shown, its data
// move with them inside the box, the other frames stay, and going back gives the program's
// picture again.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/include/lumora_arrays.h"
#include "client/include/lumora_plot.h"
#include "client/plot/plot_state.h"
#include "plotcore/items.h"
#include "server/core/plot_gestures.h"
#include "tests/gallery/gallery_window.h"
#include "tests/unit/plot/plot_items_drawn.h"

namespace lumora::plot {
namespace {

class PlotZoomTest : public ::testing::Test {
  protected:
    PlotZoomTest() : window_(640, 480) { reset_plot_state(); }
    ~PlotZoomTest() override { reset_plot_state(); }

    std::set<std::string> numbers() {
        std::set<std::string> out;
        for (const plotcore::Item& t : batch_items_of(window_.picture(), plotcore::ItemKind::kText))
            out.insert(t.text.bytes);
        return out;
    }
    // The points of the last polyline of n points (the data line, drawn after the box).
    std::vector<plotcore::PointF> curve(std::size_t n = 5) {
        std::vector<plotcore::PointF> out;
        for (const plotcore::Item& p :
             batch_items_of(window_.picture(), plotcore::ItemKind::kPolyline))
            if (p.points.size() == n) out = p.points;
        return out;
    }
    std::vector<plotcore::Item> batches() {
        std::vector<plotcore::Item> out;
        for (const auto& op : window_.picture().items)
            if (op.item.batch) out.insert(out.end(), op.item.batch->begin(), op.item.batch->end());
        return out;
    }
    luwnd::render::Picture picture() { return window_.picture(); }
    gallery::GalleryWindow window_;
};

const float kX[] = {0, 2.5f, 5, 7.5f, 10}, kY[] = {0, 2.5f, 5, 7.5f, 10};

TEST_F(PlotZoomTest, AZoomedFrameIsNumberedForItsRangeAndItsDataFollowInsideTheBox) {
    ASSERT_NE(lu_plot_frame(0, 10, 0, 10, 0), 0);
    ASSERT_NE(lu_plot_line(5, kX, kY), 0);
    const std::vector<plotcore::Item> before = batches();
    const std::vector<plotcore::PointF> line = curve();
    ASSERT_EQ(line.size(), 5u);
    EXPECT_TRUE(numbers().contains("10"));
    // The middle of the data, (5, 5), in device pixels.
    const auto x = static_cast<std::int32_t>(line[2].x), y = static_cast<std::int32_t>(line[2].y);
    ASSERT_TRUE(window_.core().zoom_plot(window_.number(), x, y, 4));
    const std::set<std::string> zoomed = numbers();
    EXPECT_FALSE(zoomed.contains("10")) << "not the old numbers magnified";
    EXPECT_FALSE(zoomed.contains("0"));
    EXPECT_TRUE(zoomed.contains("5.0") && zoomed.contains("4.5"));
    // About 3.75 .. 6.25 shown: (5, 5) in the middle of the box (within the four pixels the
    // pointer's one covers now), (7.5, 7.5) a box's width beyond it, the box clipping them.
    const std::vector<plotcore::PointF> now = curve();
    ASSERT_EQ(now.size(), 5u);
    const std::vector<plotcore::Item> anchors =
        batch_items_of(picture(), plotcore::ItemKind::kAnchor);
    ASSERT_FALSE(anchors.empty());
    ASSERT_TRUE(anchors.back().clip_on);
    const plotcore::BoxF box = anchors.back().clip;
    EXPECT_NEAR(now[2].x, (box.left + box.right) / 2, 4.0);
    EXPECT_NEAR(now[2].y, (box.top + box.bottom) / 2, 4.0);
    EXPECT_NEAR(now[3].x - now[2].x, box.right - box.left - 1, 0.01);
    EXPECT_NEAR(now[1].y - now[2].y, box.bottom - box.top - 1, 0.01);
    EXPECT_NEAR(now[2].x, line[2].x, 8.0) << "about where the pointer was";
    // Back to the program's ranges: the program's picture again.
    ASSERT_TRUE(window_.core().reset_plot_views(window_.number()));
    const std::vector<plotcore::Item> after = batches();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        ASSERT_EQ(after[i].kind, before[i].kind) << i;
        ASSERT_EQ(after[i].points.size(), before[i].points.size()) << i;
        for (std::size_t k = 0; k < after[i].points.size(); ++k) {
            EXPECT_NEAR(after[i].points[k].x, before[i].points[k].x, 0.01);
            EXPECT_NEAR(after[i].points[k].y, before[i].points[k].y, 0.01);
        }
        EXPECT_EQ(after[i].text.bytes, before[i].text.bytes);
        EXPECT_EQ(after[i].clip_on, before[i].clip_on);
    }
    EXPECT_FALSE(window_.core().reset_plot_views(window_.number())) << "nothing zoomed";
}

TEST_F(PlotZoomTest, PanningMovesTheRangeAndDataAddedLaterShowInTheSameView) {
    ASSERT_NE(lu_plot_frame(0, 10, 0, 10, 0), 0);
    ASSERT_NE(lu_plot_line(5, kX, kY), 0);
    const std::vector<plotcore::PointF> line = curve();
    // Dragged left by the width of 5 units: 5 .. 15 shown.
    const auto x = static_cast<std::int32_t>(line[2].x), y = static_cast<std::int32_t>(line[2].y);
    const auto dx = static_cast<std::int32_t>(line[2].x - line[4].x);
    ASSERT_TRUE(window_.core().pan_plot(window_.number(), x, y, dx, 0));
    EXPECT_TRUE(numbers().contains("12") && numbers().contains("14"));
    EXPECT_NEAR(curve()[4].x, line[2].x, 1.0);
    // A line the program draws now goes where the view shows its data.
    const float x2[] = {5, 7, 9}, y2[] = {5, 5, 5};
    ASSERT_NE(lu_plot_line(3, x2, y2), 0);
    const std::vector<plotcore::PointF> added = curve(3);
    ASSERT_EQ(added.size(), 3u);
    EXPECT_NEAR(added[0].x, curve()[2].x, 0.01);
    EXPECT_NEAR(added[0].y, curve()[2].y, 0.01);
    EXPECT_NEAR(added[0].x, line[0].x, 8.0) << "at the left edge";
}

TEST_F(PlotZoomTest, EachSubpageZoomsOnItsOwnAndNothingElseIsTouched) {
    lu_plot_subpages(2, 1);
    ASSERT_NE(lu_plot_frame(0, 10, 0, 10, 0), 0);
    ASSERT_NE(lu_plot_line(5, kX, kY), 0);
    ASSERT_NE(lu_plot_frame(0, 100, 0, 100, 0), 0);
    const std::set<std::string> before = numbers();
    ASSERT_TRUE(before.contains("100"));
    // The middle of the left panel.
    ASSERT_TRUE(window_.core().zoom_plot(window_.number(), 160, 240, 2));
    const std::set<std::string> after = numbers();
    EXPECT_TRUE(after.contains("100")) << "the right frame keeps its numbers";
    EXPECT_TRUE(before.contains("8"));
    EXPECT_FALSE(after.contains("8"));
    EXPECT_FALSE(window_.core().zoom_plot(window_.number() + 1, 160, 240, 2)) << "no window";
    EXPECT_FALSE(window_.core().zoom_plot(window_.number(), 160, 240, 1e15)) << "too narrow";
    // Erased, nothing shown is zoomed.
    ASSERT_NE(lu_send_command_b4(), 0);
    EXPECT_FALSE(window_.core().reset_plot_views(window_.number()));
}

TEST_F(PlotZoomTest, AFrameDrawnAgainAfterAnEraseKeepsTheZoomAsALiveViewNeedsIt) {
    const auto draw = [](float top) {
        ASSERT_NE(lu_send_command_b4(), 0);
        ASSERT_NE(lu_plot_frame(0, top, 0, top, 0), 0);
        ASSERT_NE(lu_plot_line(5, kX, kY), 0);
    };
    draw(10);
    ASSERT_TRUE(window_.core().zoom_plot(window_.number(), 320, 240, 4));
    const std::set<std::string> zoomed = numbers();
    ASSERT_FALSE(zoomed.contains("10"));
    // The next picture of the live view: a frame of a new number, made as the last one.
    draw(10);
    EXPECT_EQ(numbers(), zoomed);
    draw(10);
    EXPECT_EQ(numbers(), zoomed) << "and the one after";
    // A frame made otherwise shows its own ranges, and the view is let go at the next erase.
    draw(20);
    EXPECT_TRUE(numbers().contains("20"));
    draw(10);
    EXPECT_TRUE(numbers().contains("10")) << "the view did not wait longer than one picture";
    EXPECT_FALSE(window_.core().reset_plot_views(window_.number()));
}

TEST_F(PlotZoomTest, GesturesGatherTheirEventsIntoOneLayoutAWindow) {
    ASSERT_NE(lu_plot_frame(0, 10, 0, 10, 0), 0);
    ASSERT_NE(lu_plot_line(5, kX, kY), 0);
    const std::vector<plotcore::PointF> line = curve();
    const auto x = static_cast<std::int32_t>(line[2].x), y = static_cast<std::int32_t>(line[2].y);
    const int n = window_.number();
    luwnd::PlotGestures gestures(window_.core());
    EXPECT_TRUE(gestures.apply().empty()) << "nothing done";
    // Wheel steps in and out cancel; the pointer's place is read out in the plot.
    gestures.wheel(n, x, y, 2);
    gestures.wheel(n, x, y, -2);
    EXPECT_TRUE(gestures.apply().empty());
    const std::string read = gestures.readout(n);
    ASSERT_EQ(read.rfind("x = ", 0), 0u) << read;
    EXPECT_NEAR(std::stod(read.substr(4)), 5.0, 0.05) << read;
    gestures.wheel(n, x, y, 3);
    EXPECT_EQ(gestures.apply(), std::vector<int>{n});
    EXPECT_FALSE(numbers().contains("10"));
    // A box dragged out shows as a band, and a click-sized one zooms nothing.
    gestures.press(n, luwnd::PlotGestures::Drag::kZoomBox, x, y);
    gestures.move(n, x + 40, y + 30);
    ASSERT_TRUE(gestures.band(n));
    EXPECT_EQ(gestures.band(n)->x1, x + 40);
    gestures.move(n, x + 2, y + 2);
    gestures.release(n, x + 2, y + 2);
    EXPECT_FALSE(gestures.band(n));
    EXPECT_TRUE(gestures.apply().empty());
    // R: the program's numbers again; a pan by the pointer's moves adds up.
    gestures.key(n, 'r');
    EXPECT_EQ(gestures.apply(), std::vector<int>{n});
    EXPECT_TRUE(numbers().contains("10"));
    const auto half = static_cast<std::int32_t>(line[2].x - line[0].x);
    gestures.press(n, luwnd::PlotGestures::Drag::kPan, x, y);
    gestures.move(n, x - half / 2, y);
    gestures.release(n, x - half, y);
    EXPECT_EQ(gestures.apply(), std::vector<int>{n});
    EXPECT_TRUE(numbers().contains("14"));
    EXPECT_NEAR(curve()[4].x, line[2].x, 2.0);
    // Outside the box: nothing to read.
    gestures.move(n, 2, 2);
    EXPECT_TRUE(gestures.apply().empty());
    EXPECT_EQ(gestures.readout(n), "");
    EXPECT_FALSE(gestures.help(n));
    gestures.toggle_help(n);
    EXPECT_TRUE(gestures.help(n));
    gestures.forget(n);
    EXPECT_FALSE(gestures.help(n));
}

}  // namespace
}  // namespace lumora::plot
