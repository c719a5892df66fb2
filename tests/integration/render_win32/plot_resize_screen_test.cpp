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

#include "../support/child_process.h"
#include "../support/plot_on_screen.h"
#include "screen_capture.h"

namespace lumora::test {
namespace {

// The program's input: a pipe whose writing end the test holds. The program waits for a
// line on it, and for its end.
class InputPipe {
  public:
    explicit InputPipe(const std::string& name)
        : name_("\\\\.\\pipe\\" + name),
          pipe_(CreateNamedPipeA(name_.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1,
                                 64, 64, 0, nullptr)) {}
    ~InputPipe() { close(); }
    InputPipe(const InputPipe&) = delete;
    InputPipe& operator=(const InputPipe&) = delete;

    bool made() const { return pipe_ != INVALID_HANDLE_VALUE; }
    // The name the program opens as its input.
    const std::string& name() const { return name_; }
    bool send_line() {
        // The program has opened the pipe already: it was its input from the start.
        if (!ConnectNamedPipe(pipe_, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED)
            return false;
        DWORD written = 0;
        return WriteFile(pipe_, "\n", 1, &written, nullptr) && written == 1;
    }
    void close() {
        if (made()) CloseHandle(pipe_);
        pipe_ = INVALID_HANDLE_VALUE;
    }

  private:
    std::string name_;
    HANDLE pipe_;
};

class PlotResizeScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ns_ = ("pr" + std::to_string(GetCurrentProcessId()) + name).substr(0, 30);
        output_ = temp_path("pr-" + name);
        // Wine gives process ids again: a run before may have left the directory.
        ASSERT_TRUE(CreateDirectoryA(output_.c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS);
        std::remove(trace_path().c_str());
        set_environment("LUMORA_NAMESPACE", ns_.c_str());
        set_environment("LUMORADIR", native_path(LUWND_DIR).c_str());
        set_environment("LUMORA_OUTPUT", output_.c_str());
        set_environment("LUMORA_TRACE", trace_path().c_str());
        ASSERT_TRUE(graphics_windows(0).empty()) << "a window of an earlier test is left";
    }
    void TearDown() override {
        for (HWND left : graphics_windows(0)) close_and_wait(left);
        set_environment("LUMORA_TRACE", nullptr);
        std::remove(trace_path().c_str());
        RemoveDirectoryA(output_.c_str());
    }
    std::string trace_path() const { return output_ + "\\trace.txt"; }
    // Closes the window as the user does and waits for the window process to end (it
    // holds the trace open until then); its exit status, 99 when it did not end.
    static DWORD close_and_wait(HWND window) {
        DWORD owner = 0, code = 99;
        GetWindowThreadProcessId(window, &owner);
        HANDLE luwnd = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, owner);
        if (luwnd == nullptr) return code;
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(luwnd, 20000) == WAIT_OBJECT_0) GetExitCodeProcess(luwnd, &code);
        CloseHandle(luwnd);
        return code;
    }

    // Waits for a trace line holding every part.
    bool wait_for_trace_line(const std::vector<std::string>& parts) const {
        return wait_until([&] {
            std::istringstream lines(read_text_file(trace_path()));
            for (std::string line; std::getline(lines, line);) {
                bool all = true;
                for (const std::string& part : parts) all = all && line.find(part) != line.npos;
                if (all) return true;
            }
            return false;
        });
    }
    // Captures the window until what it shows satisfies the test; the last capture
    // either way.
    template <typename Shows>
    static ScreenImage wait_for_image(HWND window, const Shows& shows) {
        ScreenImage image;
        wait_until([&] {
            image = capture_client(window);
            return shows(image);
        });
        return image;
    }

    std::string ns_, output_;
};

// The program draws a frame with a blue line and waits; the user makes the window wider
// and taller. luwnd lays the plot out again: the box's right and bottom edges move out
// by about the growth, none stays where it was, and the blue line is stretched across
// the new box. The red line the program draws then lies in the new box and spans it.
TEST_F(PlotResizeScreenTest, APlotIsLaidOutAnewWhenItsWindowIsResized) {
    InputPipe input(ns_);
    ASSERT_TRUE(input.made());
    ChildProcess program;
    ChildOptions options;
    options.argv = {native_path(RESIZED_PLOT_PATH)};
    options.stdin_file = input.name();
    ASSERT_TRUE(program.start(options));
    const HWND window = wait_for_graphics_window(0);
    ASSERT_NE(window, nullptr) << "no window on the screen";
    // In the top left corner, so that it stays on the screen when it grows.
    ASSERT_TRUE(
        SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
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
