// A program waiting for a click in a real luwnd window on an X screen: its cross-hair
// follows the pointer over the picture, a click at a pixel comes back as the frame's
// point there, and the cross-hair goes once the program has its point.
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "luwnd_fixture.h"
#include "virtual_display.h"

namespace lumora::test {
namespace {

constexpr std::uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;

// What the waiting program wrote: result, point, key and the point's pixel.
struct Answer {
    int result = 0, key = 0, px = -1, py = -1;
    double x = 0, y = 0;
};

class CursorScreenTest : public LuwndTest {
  protected:
    // Waits up to 10 s until the trace holds the text.
    bool wait_for_trace(const std::string& text) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (trace().find(text) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }
    // Starts the program and waits until it waits in its window, which it returns.
    unsigned long start_waiting(VirtualDisplay& display) {
        client_ = spawn({CLICK_WAIT_PATH, answer_path()}, environment(display.name(), false));
        EXPECT_GT(client_, 0);
        const unsigned long window = display.wait_for_window();
        EXPECT_NE(window, 0u);
        EXPECT_TRUE(wait_for_trace("p1=80 p2=7 p3=1")) << "the program does not wait\n" << trace();
        return window;
    }
    Answer answer() {
        EXPECT_EQ(wait_client(20000), 0);
        std::ifstream in(answer_path());
        Answer a;
        in >> a.result >> a.x >> a.y >> a.key >> a.px >> a.py;
        return a;
    }
    void close_window(VirtualDisplay& display, unsigned long window) {
        const pid_t luwnd = luwnd_of_client();
        display.close(window);
        if (luwnd > 0) {
            EXPECT_TRUE(wait_gone(luwnd));
        }
    }
    std::string answer_path() const { return base_ + "/point.txt"; }
};

TEST_F(CursorScreenTest, AClickAtAPixelGivesTheFramesPointThere) {
    VirtualDisplay display("1280x1024x24");  // room for the whole default page
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    const unsigned long window = start_waiting(display);
    ASSERT_NE(window, 0u);

    // The cross-hair through the pointer inverts the white margin left of the box.
    display.move_pointer(window, 100, 60);
    EXPECT_TRUE(display.wait_for_window_pixel(window, 5, 60, kBlack));
    EXPECT_TRUE(display.wait_for_window_pixel(window, 100, 5, kBlack));

    display.click(window, 200, 150, 1);
    const Answer a = answer();
    EXPECT_EQ(a.result, 1);
    EXPECT_EQ(a.key, 'A');
    EXPECT_GT(a.x, 0);
    EXPECT_LT(a.y, 10);
    EXPECT_LE(std::abs(a.px - 200), 1) << a.x;
    EXPECT_LE(std::abs(a.py - 150), 1) << a.y;
    // The program has its point: the window shows the picture alone again.
    EXPECT_TRUE(display.wait_for_window_pixel(window, 5, 60, kWhite));
    close_window(display, window);
}

// S saves the picture, except for a program that waits for a key: it gets the key.
TEST_F(CursorScreenTest, AWaitingProgramGetsTheSaveKeys) {
    VirtualDisplay display("1280x1024x24");
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    const unsigned long window = start_waiting(display);
    ASSERT_NE(window, 0u);
    display.press_key(window, "s");
    const Answer a = answer();
    EXPECT_EQ(a.result, 1);
    EXPECT_EQ(a.key, 's');
    close_window(display, window);
}

}  // namespace
}  // namespace lumora::test
