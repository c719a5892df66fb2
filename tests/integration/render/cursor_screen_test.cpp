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
};

TEST_F(CursorScreenTest, AClickAtAPixelGivesTheFramesPointThere) {
    VirtualDisplay display("1280x1024x24");  // room for the whole default page
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    const std::string out = base_ + "/point.txt";
    client_ = spawn({CLICK_WAIT_PATH, out}, environment(display.name(), false));
    ASSERT_GT(client_, 0);
    const unsigned long window = display.wait_for_window();
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(wait_for_trace("p1=80 p2=7 p3=1")) << "the program does not wait\n" << trace();

    // The cross-hair through the pointer inverts the white margin left of the box.
    display.move_pointer(window, 100, 60);
    EXPECT_TRUE(display.wait_for_window_pixel(window, 5, 60, kBlack));
    EXPECT_TRUE(display.wait_for_window_pixel(window, 100, 5, kBlack));

    display.click(window, 200, 150, 1);
    EXPECT_EQ(wait_client(20000), 0);
    std::ifstream point(out);
    int result = 0, key = 0, px = -1, py = -1;
    double x = 0, y = 0;
    point >> result >> x >> y >> key >> px >> py;
    EXPECT_EQ(result, 1);
    EXPECT_EQ(key, 'A');
    EXPECT_GT(x, 0);
    EXPECT_LT(y, 10);
    EXPECT_LE(std::abs(px - 200), 1) << x;
    EXPECT_LE(std::abs(py - 150), 1) << y;
    // The program has its point: the window shows the picture alone again.
    EXPECT_TRUE(display.wait_for_window_pixel(window, 5, 60, kWhite));
    const pid_t luwnd = luwnd_of_client();
    display.close(window);
    if (luwnd > 0) {
        EXPECT_TRUE(wait_gone(luwnd));
    }
}

}  // namespace
}  // namespace lumora::test
