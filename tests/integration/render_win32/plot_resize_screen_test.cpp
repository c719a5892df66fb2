// A plot in a real luwnd.exe window, laid out anew when the user resizes the window: the
// frame's box grows with the window, the data drawn in it moves with it, and the
// program's next line lands in the box as it is shown.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "../support/plot_on_screen.h"
#include "program_on_screen.h"

namespace lumora::test {
namespace {

class PlotResizeScreenTest : public ProgramScreenTest {};

// The program draws a frame with a blue line and waits; the user makes the window wider
// and taller. luwnd lays the plot out again: the box's right and bottom edges move out
// by about the growth, none stays where it was, and the blue line is stretched across
// the new box. The red line the program draws then lies in the new box and spans it.
TEST_F(PlotResizeScreenTest, APlotIsLaidOutAnewWhenItsWindowIsResized) {
    InputPipe input(ns_);
    ChildProcess program;
    const HWND window = start_program(RESIZED_PLOT_PATH, input, program);
    ASSERT_NE(window, nullptr);
    const ScreenImage before = wait_for_image(window, [](const ScreenImage& image) {
        return find_box(image) && spread_of(image, bluish).count > 0;
    });
    const std::optional<Box> old_box = find_box(before);
    ASSERT_TRUE(old_box) << "no frame on the screen";
    {
        SCOPED_TRACE("the blue line before the resize");
        expect_across(spread_of(before, bluish), *old_box, 0.2, 0.8);
    }

    const int grow_x = 260, grow_y = 180;
    const int width = before.width + grow_x, height = before.height + grow_y;
    RECT outer;
    ASSERT_TRUE(GetWindowRect(window, &outer));
    ASSERT_TRUE(SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + grow_x,
                             outer.bottom - outer.top + grow_y,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(wait_for_trace_line(
        {"event=resize", "w=" + std::to_string(width), "h=" + std::to_string(height), "plots="}))
        << "the plot was not laid out again\n"
        << read_text_file(trace_path());
    const int far_right = old_box->right + grow_x * 4 / 5;
    const int far_down = old_box->bottom + grow_y * 4 / 5;
    const ScreenImage after = wait_for_image(window, [&](const ScreenImage& image) {
        const std::optional<Box> box = find_box(image);
        return image.width == width && painted(image) && box && box->right >= far_right &&
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

    ASSERT_TRUE(input.send_line());
    const ScreenImage last = wait_for_image(
        window, [](const ScreenImage& image) { return spread_of(image, reddish).count > 0; });
    {
        SCOPED_TRACE("the red line drawn after the resize");
        expect_across(spread_of(last, reddish), *new_box, 0.8, 0.2);
    }

    input.close();
    EXPECT_EQ(program.wait(20000), 0);
    EXPECT_EQ(close_and_wait(window), 0u);
}

}  // namespace
}  // namespace lumora::test
