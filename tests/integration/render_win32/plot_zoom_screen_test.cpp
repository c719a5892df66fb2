// A plot in a real luwnd.exe window panned and zoomed with the pointer after its program
// has ended: the data follow the range shown, and R brings the program's range back.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "../support/plot_on_screen.h"
#include "program_on_screen.h"

namespace lumora::test {
namespace {

class PlotZoomScreenTest : public ProgramScreenTest {};

LPARAM at(int x, int y) {
    return MAKELPARAM(x, y);
}

// resized_plot draws a blue line rising across its frame (x 0 ... 10); dragged left by
// half the box, the frame shows 5 ... 15 and the line ends in the middle of the box. A
// wheel step over the box zooms it; R shows the whole line again.
TEST_F(PlotZoomScreenTest, APlotPansAndZoomsAfterItsProgramHasEnded) {
    InputPipe input(ns_);
    ChildProcess program;
    const HWND window = start_program(RESIZED_PLOT_PATH, input, program);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(input.send_line());
    input.close();
    EXPECT_EQ(program.wait(20000), 0);
    const ScreenImage before = wait_for_image(window, [](const ScreenImage& image) {
        return find_box(image) && spread_of(image, bluish).count > 0 &&
               spread_of(image, reddish).count > 0;
    });
    const std::optional<Box> box = find_box(before);
    ASSERT_TRUE(box) << "no frame on the screen";
    const int x = box->middle_column(), y = box->middle_row(), half = (box->right - box->left) / 2;

    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at(x, y));
    PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, at(x - half / 2, y));
    PostMessageA(window, WM_LBUTTONUP, 0, at(x - half, y));
    ASSERT_TRUE(wait_for_trace_line({"event=pan"})) << read_text_file(trace_path());
    const ScreenImage panned = wait_for_image(
        window, [&](const ScreenImage& image) { return spread_of(image, bluish).right <= x + 3; });
    const Spread blue = spread_of(panned, bluish);
    EXPECT_NEAR(blue.right, x, 3) << "the line ends at 10, in the middle now";
    EXPECT_LE(blue.left, box->left + 3);

    // The wheel position comes in screen coordinates.
    POINT screen{x, y};
    ClientToScreen(window, &screen);
    PostMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), at(screen.x, screen.y));
    ASSERT_TRUE(wait_for_trace_line({"event=zoom"})) << read_text_file(trace_path());

    PostMessageA(window, WM_CHAR, 'r', 0);
    ASSERT_TRUE(wait_for_trace_line({"event=unzoom"})) << read_text_file(trace_path());
    const ScreenImage back = wait_for_image(window, [&](const ScreenImage& image) {
        return spread_of(image, bluish).right >= box->right - 3;
    });
    expect_across(spread_of(back, bluish), *box, 0.2, 0.8);
    EXPECT_EQ(close_and_wait(window), 0u);
}

}  // namespace
}  // namespace lumora::test
