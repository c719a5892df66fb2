// Programs through the public interface with luwnd.exe on the screen: the Fourier plot
// shows in a window that stays after the program ends, until the user closes it; and a
// program that draws for ever ends with status 0 when the user closes its window.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "../support/child_process.h"
#include "screen_capture.h"

namespace lumora::test {
namespace {

constexpr std::uint32_t kOlive = 0x808000, kBlack = 0x000000, kWhite = 0xFFFFFF;

// The luwnd process that shows the window, opened to wait for its end.
HANDLE owner_of(HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, owner);
}

DWORD exit_code_after_end(HANDLE process) {
    DWORD code = 99;
    if (WaitForSingleObject(process, 20000) != WAIT_OBJECT_0) return 98;
    GetExitCodeProcess(process, &code);
    return code;
}

class ProgramOnScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        output_ = temp_path("ps-" + name);
        ASSERT_TRUE(CreateDirectoryA(output_.c_str(), nullptr));
        set_environment(
            "LUMORA_NAMESPACE",
            ("ps" + std::to_string(GetCurrentProcessId()) + name).substr(0, 30).c_str());
        set_environment("LUMORADIR", native_path(LUWND_DIR).c_str());
        set_environment("LUMORA_OUTPUT", output_.c_str());
        ASSERT_TRUE(graphics_windows(0).empty()) << "a window of an earlier test is left";
    }
    void TearDown() override {
        std::remove(input_.c_str());
        std::remove((output_ + "\\stdout.txt").c_str());
        RemoveDirectoryA(output_.c_str());
    }
    ChildOptions options(const char* program, const std::string& input) {
        input_ = temp_path("ps-in");
        std::ofstream(input_) << input;
        ChildOptions result;
        result.argv = {native_path(program)};
        result.stdin_file = input_;
        result.stdout_file = output_ + "\\stdout.txt";
        return result;
    }

    std::string output_, input_;
};

TEST_F(ProgramOnScreen, TheFourierPlotStaysOnTheScreenUntilTheUserClosesIt) {
    ChildProcess fourier;
    ASSERT_TRUE(fourier.start(options(FOURIER_PATH, "8\n1\n")));
    ASSERT_EQ(fourier.wait(60000), 0);

    HWND window = wait_for_graphics_window(0);
    ASSERT_NE(window, nullptr);
    SIZE size = client_size(window);
    EXPECT_EQ(size.cx, 640);
    EXPECT_EQ(size.cy, 480);
    // The axes at rows 120 and 360 from the first tick column to the last, crossed by the
    // olive bars.
    ASSERT_TRUE(wait_until([&] {
        ScreenImage image = capture_client(window);
        for (int row : {120, 360}) {
            for (int x = 107; x <= 533; ++x) {
                if (image.at(x, row) != kBlack && image.at(x, row) != kOlive) return false;
            }
        }
        return true;
    })) << "the axes are not on the screen";
    ScreenImage image = capture_client(window);
    int olive = 0;
    for (int y = 0; y < 480; ++y) olive += image.at(320, y) == kOlive ? 1 : 0;
    EXPECT_GT(olive, 0) << "no bar at x = 320";
    EXPECT_EQ(image.at(100, 120), kWhite);
    EXPECT_EQ(image.at(2, 2), kWhite);

    // The program has ended; its window stays until the user closes it, and then the
    // window process ends too.
    HANDLE luwnd = owner_of(window);
    ASSERT_NE(luwnd, nullptr);
    EXPECT_EQ(WaitForSingleObject(luwnd, 500), static_cast<DWORD>(WAIT_TIMEOUT));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(exit_code_after_end(luwnd), 0u);
    CloseHandle(luwnd);
}

TEST_F(ProgramOnScreen, ClosingTheWindowOfADrawingProgramEndsItWithStatusZero) {
    ChildProcess program;
    ASSERT_TRUE(program.start(options(DRAWING_LOOP_PATH, "")));
    HWND window = wait_for_graphics_window(0);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window_title(window), "Endless lines");
    EXPECT_TRUE(wait_for_pixel(window, 150, 10, kBlack)) << "the lines are not drawn";
    HANDLE luwnd = owner_of(window);
    ASSERT_NE(luwnd, nullptr);
    EXPECT_EQ(program.wait(1000), -1) << "the program ended before its window closed";

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.wait(20000), 0);
    EXPECT_EQ(exit_code_after_end(luwnd), 0u);
    CloseHandle(luwnd);
}

}  // namespace
}  // namespace lumora::test
