// A program waiting for clicks in a real luwnd.exe window: two clicks at known pixels, as
// the system delivers them (button messages), come back to it in the frame's world within
// a pixel's worth, the second through a rubber band from the first.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "../support/plot_on_screen.h"
#include "program_on_screen.h"

namespace lumora::test {
namespace {

class CursorScreenTest : public ProgramScreenTest {};

struct Read {
    double x = 0, y = 0;
    int key = 0;
};

// "first point: 2.5 5 (key 65)" and its second line.
std::optional<Read> point_in(const std::string& output, const char* which) {
    const std::size_t at = output.find(which);
    Read r;
    if (at == std::string::npos || std::sscanf(output.c_str() + at + std::strlen(which),
                                               " point: %lf %lf (key %d)", &r.x, &r.y, &r.key) != 3)
        return std::nullopt;
    return r;
}

void click(HWND window, int x, int y) {
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

TEST_F(CursorScreenTest, ClicksComeBackInTheFramesWorld) {
    InputPipe input(ns_);
    ChildProcess program;
    const std::string output = output_ + "\\cursor.txt";
    ChildOptions options;
    options.argv = {native_path(CURSOR_PATH)};
    options.stdin_file = input.name();
    options.stdout_file = output;
    ASSERT_TRUE(program.start(options));
    const HWND window = wait_for_graphics_window(0);
    ASSERT_NE(window, nullptr);
    // (A window not painted yet is all dark, and its edges would pass for a box.)
    const ScreenImage shown = wait_for_image(window, [](const ScreenImage& image) {
        return painted(image) && find_box(image).has_value();
    });
    const std::optional<Box> box = find_box(shown);
    ASSERT_TRUE(box) << "no frame on the screen";
    // The frame runs 0 ... 10 both ways across its box.
    const double per_x = 10.0 / (box->right - box->left), per_y = 10.0 / (box->bottom - box->top);
    const int x1 = box->left + (box->right - box->left) / 4, y1 = box->middle_row();
    const int x2 = box->right - (box->right - box->left) / 5, y2 = box->top + 20;
    click(window, x1, y1);
    ASSERT_TRUE(wait_for_trace_line({"p1=80", "event=button"})) << read_text_file(trace_path());
    click(window, x2, y2);
    input.close();
    EXPECT_EQ(program.wait(20000), 0);
    const std::string printed = read_text_file(output);
    const std::optional<Read> first = point_in(printed, "first");
    const std::optional<Read> second = point_in(printed, "second");
    ASSERT_TRUE(first && second) << printed;
    EXPECT_EQ(first->key, 'A');
    EXPECT_NEAR(first->x, (x1 - box->left) * per_x, 2 * per_x);
    EXPECT_NEAR(first->y, (box->bottom - y1) * per_y, 2 * per_y);
    EXPECT_NEAR(second->x, (x2 - box->left) * per_x, 2 * per_x);
    EXPECT_NEAR(second->y, (box->bottom - y2) * per_y, 2 * per_y);
    EXPECT_EQ(close_and_wait(window), 0u);
}

}  // namespace
}  // namespace lumora::test
