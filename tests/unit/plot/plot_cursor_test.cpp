// Cursor input through the public interface: a click comes back in the world of the plot
// under it (subpages, log axes, the window's own world elsewhere), a waiting program asks
// again until something comes, and a look in passing returns at once.
#include <gtest/gtest.h>

#include <cmath>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "server/core/core.h"
#include "server/core/cursor_position.h"
#include "tests/gallery/gallery_window.h"

namespace lumora::plot {
namespace {

using luwnd::EventKind;
using luwnd::WindowEvent;

class PlotCursorTest : public ::testing::Test {
  protected:
    PlotCursorTest() { reset_plot_state(); }
    ~PlotCursorTest() override { reset_plot_state(); }

    // The pixel (from the upper left) of a world point of the window's current frame.
    static luwnd::Pixel pixel_of(int window, double wx, double wy) {
        const Frame& f = plot_state(window).frame;
        const double page_height = f.page_height;
        return {static_cast<std::int32_t>(std::lround(f.px(wx))),
                static_cast<std::int32_t>(std::lround(page_height - f.py(wy)))};
    }
    // What one pixel is worth across and up in the current frame's world.
    static double pixel_x(int window) {
        const Frame& f = plot_state(window).frame;
        return std::fabs(f.wx2 - f.wx1) / f.box.width();
    }
    static double pixel_y(int window) {
        const Frame& f = plot_state(window).frame;
        return std::fabs(f.wy2 - f.wy1) / f.box.height();
    }
    static void click(gallery::GalleryWindow& w, luwnd::Pixel p, int key = luwnd::kButtonLeft) {
        w.fake().core()->window_event(w.number(), {EventKind::kButton, key, p.x, p.y});
    }
};

TEST_F(PlotCursorTest, AClickComesBackInTheWorldOfTheFrameUnderIt) {
    gallery::GalleryWindow w(640, 480);
    const int n = w.number();
    ASSERT_NE(lu_plot_subpages(2, 1), 0);
    ASSERT_NE(lu_plot_frame(0, 10, -1, 1, 0), 0);
    const luwnd::Pixel left = pixel_of(n, 2.5, 0.5);
    const double left_x = pixel_x(n), left_y = pixel_y(n);
    ASSERT_NE(lu_plot_frame(1, 1000, 0.01f, 100, LU_PLOT_LOG_X | LU_PLOT_LOG_Y), 0);
    const luwnd::Pixel right = pixel_of(n, 1, 0);  // data 10, 1
    ASSERT_GT(right.x, left.x);

    click(w, left);
    float x = 0, y = 0;
    int key = 0;
    EXPECT_EQ(lu_get_cursor(&x, &y, &key), n);
    EXPECT_EQ(key, LU_BUTTON_LEFT);
    EXPECT_NEAR(x, 2.5, left_x);
    EXPECT_NEAR(y, 0.5, left_y);

    click(w, right, luwnd::kButtonRight);
    EXPECT_EQ(lu_get_cursor(&x, &y, &key), n);
    EXPECT_EQ(key, LU_BUTTON_RIGHT);
    // Data values on the log axes, within a pixel's worth of the logarithm.
    EXPECT_NEAR(std::log10(x), 1.0, pixel_x(n));
    EXPECT_NEAR(std::log10(y), 0.0, pixel_y(n));

    // After a resize the frames are where they are laid out now.
    ASSERT_TRUE(w.resize(900, 500));
    int kind = -1;
    EXPECT_EQ(lu_poll_event(&kind, &x, &y, &key), n);
    EXPECT_EQ(kind, LU_EVENT_RESIZE);
    EXPECT_EQ(x, 900);
    EXPECT_EQ(y, 500);
    lu_plot_frame(0, 10, -1, 1, 0);  // the client lays its frame out for the new page too
    click(w, pixel_of(n, 7.5, -0.25));
    EXPECT_EQ(lu_get_cursor(&x, &y, &key), n);
    EXPECT_NEAR(x, 7.5, pixel_x(n));
    EXPECT_NEAR(y, -0.25, pixel_y(n));
    EXPECT_EQ(w.errors(), "");
}

TEST_F(PlotCursorTest, WithoutAFrameThePointIsInTheWindowsWorld) {
    gallery::GalleryWindow w(640, 480);
    int dx = 0, dy = 0;
    ASSERT_NE(lu_world_to_device(0.3f, 0.4f, &dx, &dy), 0);
    click(w, {dx, dy});
    float x = 0, y = 0;
    int key = 0;
    EXPECT_EQ(lu_get_cursor(&x, &y, &key), w.number());
    EXPECT_NEAR(x, 0.3, 1.0 / 480);
    EXPECT_NEAR(y, 0.4, 1.0 / 480);
}

TEST_F(PlotCursorTest, APollReturnsAtOnceWithNothingThenTheKey) {
    gallery::GalleryWindow w;
    int kind = -1, key = -1;
    float x = -1, y = -1;
    EXPECT_EQ(lu_poll_event(&kind, &x, &y, &key), w.number());
    EXPECT_EQ(kind, LU_EVENT_NONE);
    EXPECT_EQ(key, 0);
    w.fake().core()->window_event(w.number(), {EventKind::kKey, 'q', 3, 4});
    EXPECT_EQ(lu_poll_event_(nullptr, &kind, &x, &y, &key), w.number());
    EXPECT_EQ(kind, LU_EVENT_KEY);
    EXPECT_EQ(key, 'q');
    EXPECT_EQ(lu_poll_event(nullptr, nullptr, nullptr, nullptr), w.number());
    EXPECT_EQ(w.fake().paused_ms, 0);
    // The double forms give the point in double precision.
    w.fake().core()->window_event(w.number(), {EventKind::kKey, 'r', 48, 0});
    double dx = 0, dy = 0;
    int result = 0;
    EXPECT_EQ(lu_get_cursor_double_(&result, &dx, &dy, &key), w.number());
    EXPECT_EQ(key, 'r');
    EXPECT_NEAR(dx, 48.0 / 240, 1e-6);  // the default world: the page's shorter side is 1
    EXPECT_NEAR(dy, 1.0, 1e-6);
}

TEST_F(PlotCursorTest, AWaitingProgramAsksAgainUntilTheUserClicks) {
    gallery::GalleryWindow w(320, 240, 96, true,
                             [](luwnd::CoreConfig& c) { c.windows_stay_shown = true; });
    const int n = w.number();
    auto hook = w.fake().on_deliver;
    int asks = 0;
    w.fake().on_deliver = [&](const platform::Delivery& d) {
        hook(d);
        if (++asks == 5) {
            const auto wait = w.fake().core()->cursor_wait(n);
            EXPECT_TRUE(wait && wait->mode == LU_BAND_CROSS_HAIR);
            w.fake().core()->window_event(n, {EventKind::kKey, 'z', 10, 10});
        }
        // A wait that misses the key ends with the window rather than never.
        if (asks == 1000) w.fake().core()->window_closed_by_user(n);
    };
    float x = 0, y = 0;
    int key = 0;
    const int mode = LU_BAND_CROSS_HAIR;
    const float none = NAN;
    int result = -1;
    EXPECT_EQ(lu_get_cursor_band_(&result, &mode, &none, &none, &x, &y, &key), n);
    EXPECT_EQ(result, n);
    EXPECT_EQ(key, 'z');
    EXPECT_EQ(asks, 5);  // the fifth ask found the key
    EXPECT_GT(w.fake().paused_ms, 0);
    EXPECT_FALSE(w.fake().core()->cursor_wait(n));
}

TEST_F(PlotCursorTest, NoEventToComeAndBadArgumentsAnswerZeroWithAReason) {
    gallery::GalleryWindow w;
    float x = 5, y = 6;
    int key = 9;
    EXPECT_EQ(lu_get_cursor(&x, &y, &key), 0);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(w.fake().paused_ms, 0);
    EXPECT_NE(w.errors().find("lu_get_cursor: no event can come"), std::string::npos) << w.errors();
    EXPECT_EQ(lu_get_cursor_band(8, 0, 0, &x, &y, &key), 0);
    EXPECT_EQ(lu_get_cursor_band(LU_BAND_LINE, NAN, 0, &x, &y, &key), 0);
    EXPECT_EQ(lu_get_cursor_band(LU_BAND_RECTANGLE, 0, INFINITY, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(lu_get_cursor_in_window(40, &x, &y, &key), 0);
    EXPECT_EQ(lu_poll_event_in_window(-3, nullptr, nullptr, nullptr, nullptr), 0);
    const std::string errors = w.errors();
    EXPECT_NE(errors.find("lu_get_cursor_band: band 8 is none of LU_BAND_NONE ... "
                          "LU_BAND_CROSS_HAIR (0 ... 7)"),
              std::string::npos)
        << errors;
    EXPECT_NE(errors.find("lu_get_cursor_band: the anchor NaN, 0 is not a point"),
              std::string::npos)
        << errors;
    EXPECT_NE(errors.find("lu_get_cursor_in_window: window 40 is not open"), std::string::npos)
        << errors;
    EXPECT_NE(errors.find("lu_poll_event_in_window: window -3 is not open"), std::string::npos)
        << errors;
}

}  // namespace
}  // namespace lumora::plot
