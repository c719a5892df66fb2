// A live view in a real luwnd window on an X screen: a program redraws a frame and a curve
// as fast as it can, each time in a buffered frame. Whoever looks at the window, at any
// moment, sees a whole frame: the box and the curve.
#include <chrono>
#include <thread>

#include "../support/plot_on_screen.h"
#include "luwnd_fixture.h"
#include "virtual_display.h"

namespace lumora::test {
namespace {

class LiveViewScreenTest : public LuwndTest {};

TEST_F(LiveViewScreenTest, FortyLooksDuringALiveViewFindWholeFrames) {
    VirtualDisplay display("1280x1024x24");  // room for the whole default page
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    client_ = spawn({LIVE_PLOT_PATH}, environment(display.name(), false), input[0], input[1]);
    close(input[0]);
    ASSERT_GT(client_, 0);
    const unsigned long window = display.wait_for_window();
    ASSERT_NE(window, 0u);
    // A sine across the box covers far more than a few hundred pixels.
    auto whole_frame = [](const Screenshot& shot) {
        return find_box(shot).has_value() && spread_of(shot, bluish).count > 300;
    };
    // Until the first frame ends the window shows the empty page.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!whole_frame(display.capture(window)) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    constexpr int kLooks = 40;
    int whole = 0;
    for (int look = 0; look < kLooks; ++look) {
        const Screenshot shot = display.capture(window);
        const bool boxed = find_box(shot).has_value();
        const int curve = spread_of(shot, bluish).count;
        if (boxed && curve > 300)
            ++whole;
        else
            ADD_FAILURE() << "look " << look << ": box " << boxed << ", curve " << curve;
    }
    EXPECT_EQ(whole, kLooks);
    ASSERT_EQ(write(input[1], "\n", 1), 1);
    close(input[1]);
    EXPECT_EQ(wait_client(20000), 0);
    const pid_t luwnd = luwnd_of_client();
    ASSERT_GT(luwnd, 0);
    display.close(window);
    EXPECT_TRUE(wait_gone(luwnd));
}

}  // namespace
}  // namespace lumora::test
