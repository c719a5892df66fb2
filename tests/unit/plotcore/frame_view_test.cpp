// Zooming and panning a frame's ranges: the point under the pointer stays, reversed and
// log axes keep their sense, and ranges a frame cannot show are refused.
#include <gtest/gtest.h>

#include <cmath>

#include "client/include/lumora_plot.h"
#include "plotcore/frame_view.h"

namespace lumora::plotcore {
namespace {

Frame frame(double x1, double x2, double y1, double y2, int options = 0) {
    Frame f;
    f.setup.x1 = x1;
    f.setup.x2 = x2;
    f.setup.y1 = y1;
    f.setup.y2 = y2;
    f.setup.options = options;
    EXPECT_EQ(frame_world(f.setup, f), Ends::kOk);
    f.box = {100, 50, 500, 250};  // 400 x 200 pixels
    return f;
}

TEST(FrameViewTest, ZoomingKeepsThePointUnderThePointerAndNarrowsAboutIt) {
    const Frame f = frame(0, 10, -1, 1);
    // (200, 100) is x = 2.5, y = -0.5.
    const auto r = zoom_about(f, 200, 100, 2);
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(r->x1, 1.25);
    EXPECT_DOUBLE_EQ(r->x2, 6.25);
    EXPECT_DOUBLE_EQ(r->y1, -0.75);
    EXPECT_DOUBLE_EQ(r->y2, 0.25);
    const auto out = zoom_about(f, 200, 100, 0.5);
    ASSERT_TRUE(out);
    EXPECT_DOUBLE_EQ(out->x1, -2.5);
    EXPECT_DOUBLE_EQ(out->x2, 17.5);
}

TEST(FrameViewTest, AReversedAxisStaysReversedAndPanningFollowsTheDrag) {
    const Frame f = frame(10, 0, 0, 1);
    const auto r = zoom_about(f, 300, 150, 2);  // the middle: x = 5
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(r->x1, 7.5);
    EXPECT_DOUBLE_EQ(r->x2, 2.5);
    // Dragged right by a quarter of the box: what was at the left edge is a quarter in.
    const auto p = pan_by(frame(0, 8, 0, 4), 100, -50);
    ASSERT_TRUE(p);
    EXPECT_DOUBLE_EQ(p->x1, -2);
    EXPECT_DOUBLE_EQ(p->x2, 6);
    EXPECT_DOUBLE_EQ(p->y1, 1);
    EXPECT_DOUBLE_EQ(p->y2, 5);
}

TEST(FrameViewTest, ALogAxisZoomsInItsDecades) {
    const Frame f = frame(1, 10000, 1, 2, LU_PLOT_LOG_X);
    const auto r = zoom_about(f, 300, 150, 2);  // the middle decade mark: 100
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->x1, 10, 1e-9);
    EXPECT_NEAR(r->x2, 1000, 1e-9);
    const auto to = zoom_to(f, {100, 50, 200, 250});  // the first decade across
    ASSERT_TRUE(to);
    EXPECT_NEAR(to->x1, 1, 1e-9);
    EXPECT_NEAR(to->x2, 10, 1e-9);
    EXPECT_DOUBLE_EQ(to->y1, 1);
    EXPECT_DOUBLE_EQ(to->y2, 2);
}

TEST(FrameViewTest, RangesAFrameCannotShowAreRefused) {
    const Frame f = frame(0, 1, 0, 1);
    EXPECT_FALSE(zoom_about(f, 300, 150, 1e12)) << "too narrow to number";
    EXPECT_FALSE(zoom_about(f, 300, 150, 0));
    EXPECT_FALSE(zoom_about(f, 300, 150, NAN));
    EXPECT_FALSE(zoom_about(f, 300, 150, 1e-40)) << "beyond single precision";
    EXPECT_FALSE(zoom_about(frame(1, 10, 1, 10, LU_PLOT_LOG_Y), 300, 150, 1e-3))
        << "ten to the thousands";
    EXPECT_FALSE(zoom_to(f, {200, 100, 200, 200})) << "an empty rectangle";
    EXPECT_FALSE(pan_by(f, NAN, 0));
    Frame flat = f;
    flat.box = {100, 50, 100, 250};
    EXPECT_FALSE(pan_by(flat, 1, 1));
}

TEST(FrameViewTest, TheReadOutTellsOnePixelFromTheNext) {
    // 10 units over 400 pixels: 0.025 a pixel.
    EXPECT_EQ(point_readout(frame(0, 10, -1, 1), 200, 100), "x = 2.5  y = -0.5");
    EXPECT_EQ(point_readout(frame(0, 10, -1, 1), 201, 100), "x = 2.525  y = -0.5");
    EXPECT_EQ(point_readout(frame(1000, 1010, 0, 2e-6), 101, 51), "x = 1000.02  y = 1e-08");
    // A log axis in values, not in their logarithms.
    EXPECT_EQ(point_readout(frame(1, 10000, 0, 1, LU_PLOT_LOG_X), 300, 150), "x = 100  y = 0.5");
    // A time axis as a date: 86400 s over 400 pixels, seconds in its own format or ISO's.
    Frame days = frame(0, 86400, 0, 1, LU_PLOT_TIME_X);
    days.setup.time_origin = 1.7e9;
    EXPECT_EQ(point_readout(days, 300, 150), "x = 2023-11-15 10:13:20  y = 0.5");
    days.setup.formats.time = "%H:%M";
    EXPECT_EQ(point_readout(days, 300, 150), "x = 10:13  y = 0.5");
    days.setup.formats.time = "%Q";  // not a format: ISO's instead
    EXPECT_EQ(point_readout(days, 300, 150), "x = 2023-11-15 10:13:20  y = 0.5");
}

}  // namespace
}  // namespace lumora::plotcore
