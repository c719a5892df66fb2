// A plot in a real luwnd window on an X screen, laid out anew when the user resizes the
// window: the frame's box grows with the window, the data drawn in it moves with it, and
// the program's next line lands in the box as it is shown.
#include <algorithm>
#include <chrono>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "../support/plot_on_screen.h"
#include "luwnd_fixture.h"
#include "virtual_display.h"

namespace lumora::test {
namespace {

class PlotResizeScreenTest : public LuwndTest {
  protected:
    // Captures the window until what it shows satisfies the test, up to 10 s; the last
    // capture either way.
    static Screenshot wait_for_shot(VirtualDisplay& display, unsigned long window,
                                    const std::function<bool(const Screenshot&)>& shows) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        Screenshot shot = display.capture(window);
        while (!shows(shot) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            shot = display.capture(window);
        }
        return shot;
    }
    // Waits up to 5 s for a trace line holding every part.
    bool wait_for_trace_line(const std::vector<std::string>& parts) const {
        for (int i = 0; i < 500; ++i) {
            std::istringstream lines(trace());
            for (std::string line; std::getline(lines, line);) {
                if (std::all_of(parts.begin(), parts.end(), [&line](const std::string& part) {
                        return line.find(part) != std::string::npos;
                    }))
                    return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
};

// The program draws a frame with a blue line and waits; the user makes the window wider
// and taller. luwnd lays the plot out again: the box's right and bottom edges move out
// by about the growth, none stays where it was, and the blue line is stretched across
// the new box. The red line the program draws then lies in the new box and spans it.
TEST_F(PlotResizeScreenTest, APlotIsLaidOutAnewWhenItsWindowIsResized) {
    VirtualDisplay display("1024x768x24");
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    client_ = spawn({RESIZED_PLOT_PATH}, environment(display.name(), false), input[0], input[1]);
    close(input[0]);
    ASSERT_GT(client_, 0);
    const unsigned long window = display.wait_for_window();
    ASSERT_NE(window, 0u);
    const Screenshot before = wait_for_shot(display, window, [](const Screenshot& shot) {
        return find_box(shot) && spread_of(shot, bluish).count > 0;
    });
    const std::optional<Box> old_box = find_box(before);
    ASSERT_TRUE(old_box) << "no frame on the screen";
    {
        SCOPED_TRACE("the blue line before the resize");
        expect_across(spread_of(before, bluish), *old_box, 0.2, 0.8);
    }

    const int grow_x = 260, grow_y = 180;
    const int width = before.width + grow_x, height = before.height + grow_y;
    display.resize(window, width, height);
    ASSERT_TRUE(wait_for_trace_line(
        {"event=resize", "w=" + std::to_string(width), "h=" + std::to_string(height), "plots="}))
        << "the plot was not laid out again\n"
        << trace();
    const int far_right = old_box->right + grow_x * 4 / 5;
    const int far_down = old_box->bottom + grow_y * 4 / 5;
    const Screenshot after = wait_for_shot(display, window, [&](const Screenshot& shot) {
        const std::optional<Box> box = find_box(shot);
        return shot.width == width && painted(shot) && box && box->right >= far_right &&
               box->bottom >= far_down;
    });
    ASSERT_EQ(after.width, width);
    ASSERT_TRUE(painted(after)) << "not painted after the resize";
    const std::optional<Box> new_box = find_box(after);
    ASSERT_TRUE(new_box) << "no frame on the screen after the resize";
    EXPECT_GE(new_box->right, far_right) << "from " << old_box->right;
    EXPECT_GE(new_box->bottom, far_down) << "from " << old_box->bottom;
    EXPECT_LE(new_box->right, old_box->right + grow_x + 2);
    EXPECT_LE(new_box->bottom, old_box->bottom + grow_y + 2);
    for (int x = old_box->right - 1; x <= old_box->right + 1; ++x)
        EXPECT_FALSE(dark(after.at(x, new_box->middle_row()))) << "an edge left at x " << x;
    for (int y = old_box->bottom - 1; y <= old_box->bottom + 1; ++y)
        EXPECT_FALSE(dark(after.at(new_box->middle_column(), y))) << "an edge left at y " << y;
    {
        SCOPED_TRACE("the blue line after the resize");
        expect_across(spread_of(after, bluish), *new_box, 0.2, 0.8);
    }

    ASSERT_EQ(write(input[1], "\n", 1), 1);
    const Screenshot last = wait_for_shot(
        display, window, [](const Screenshot& shot) { return spread_of(shot, reddish).count > 0; });
    {
        SCOPED_TRACE("the red line drawn after the resize");
        expect_across(spread_of(last, reddish), *new_box, 0.8, 0.2);
    }

    close(input[1]);
    EXPECT_EQ(wait_client(20000), 0);
    const pid_t luwnd = luwnd_of_client();
    ASSERT_GT(luwnd, 0);
    display.close(window);
    EXPECT_TRUE(wait_gone(luwnd));
}

}  // namespace
}  // namespace lumora::test
