// What luwnd's windows on an X screen show around buffered frames and questions: a frame
// being drawn is not seen until it ends, also when the window is painted anew or resized
// meanwhile; and everything drawn before a question is on the screen while it is asked.
#include <atomic>
#include <thread>

#include "luwnd_fixture.h"
#include "plotcore/plot_commands.h"
#include "virtual_display.h"

namespace lumora::test {
namespace {

namespace plotcore = lumora::plotcore;
constexpr std::uint32_t kBlue = 0x0000FF, kRed = 0xFF0000, kWhite = 0xFFFFFF;
constexpr std::uint32_t kSurround = 0xBFBFBF;  // around a page smaller than its window
constexpr std::int32_t kBlueColour = 4, kRedColour = 2;
constexpr std::int32_t kYes = 6, kNo = 7;

class HeldFrameScreenTest : public LuwndTest {
  protected:
    // 'B' 72 begins (1) or ends (0) a buffered frame.
    std::int32_t frame(std::int32_t what) { return slot('B', plotcore::kBufferedFrame, what); }
    void box(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
             std::int32_t colour) {
        words(layout::kResult1, {x1, y1, x2, y2});
        ASSERT_EQ(slot('A', 22, colour), 1);
    }
    // Frame A: a blue box on the left. Frame B: a red box on the right.
    void frame_a() { box(20, 20, 120, 80, kBlueColour); }
    void frame_b_part() {
        ASSERT_EQ(slot('B', 4), 1);
        box(150, 100, 250, 180, kRedColour);
    }
    // Asks the question while the user (a thread of the test) looks at the window once
    // the question is up, and answers it with the key. What the window showed then.
    Screenshot ask(VirtualDisplay& display, unsigned long window, const char* key,
                   std::int32_t expected_answer) {
        Screenshot seen;
        std::thread user([&] {
            const unsigned long question = display.wait_for_window("Lumora");
            if (question == 0) return;
            seen = display.capture(window);
            display.press_key(question, key);
            display.wait_until_gone(question);
        });
        std::memcpy(block_ + layout::kText, "Go on?", 7);
        EXPECT_EQ(slot('B', 3), 1);
        EXPECT_EQ(word(layout::kResult1), expected_answer);
        user.join();
        return seen;
    }
};

// A program draws frame A, begins a frame, erases and draws part of frame B, and waits:
// painted anew, the window still shows A. Once the program ends the frame, it shows B.
TEST_F(HeldFrameScreenTest, AProgramsFrameIsSeenOnlyOnceItEnds) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    client_ = spawn({HELD_FRAME_PATH}, environment(display.name(), false), input[0], input[1]);
    close(input[0]);
    ASSERT_GT(client_, 0);
    const unsigned long window = display.wait_for_window();
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(wait_for_trace("x1=150 y1=100 x2=250 y2=180")) << "B was not drawn";
    EXPECT_TRUE(display.wait_for_window_pixel(window, 70, 50, kBlue));
    display.cover_and_uncover(window);
    EXPECT_TRUE(display.wait_for_window_pixel(window, 70, 50, kBlue)) << "not painted with A";
    EXPECT_EQ(display.capture(window).at(200, 140), kWhite);

    ASSERT_EQ(write(input[1], "\n", 1), 1);
    EXPECT_TRUE(display.wait_for_window_pixel(window, 200, 140, kRed));
    EXPECT_EQ(display.capture(window).at(70, 50), kWhite);
    close(input[1]);
    EXPECT_EQ(wait_client(20000), 0);
    const pid_t luwnd = luwnd_of_client();
    ASSERT_GT(luwnd, 0);
    display.close(window);
    EXPECT_TRUE(wait_gone(luwnd));
}

// A live view: frames (A and B's box together) follow each other as fast as the program
// can end them. Every look at the window finds a whole frame, and once the program stops,
// the window shows its last frame, a different one, even though frames came faster than
// the screen is drawn.
TEST_F(HeldFrameScreenTest, ALiveViewIsSeenInWholeFramesAndStopsOnItsLastFrame) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    start("png", display.name());
    open_window();
    const unsigned long window = display.wait_for_window("Picture");
    ASSERT_NE(window, 0u);
    auto whole_frame = [&] {
        ASSERT_EQ(frame(plotcore::kFrameBegin), 1);
        frame_b_part();
        frame_a();
        ASSERT_EQ(frame(plotcore::kFrameEnd), 1);
    };
    whole_frame();
    ASSERT_TRUE(display.wait_for_window_pixel(window, 70, 50, kBlue));
    constexpr int kLooks = 40;
    std::atomic<int> looks{0}, whole{0};
    std::thread user([&] {
        for (; looks < kLooks; ++looks) {
            const Screenshot seen = display.capture(window);
            if (seen.at(70, 50) == kBlue && seen.at(200, 140) == kRed) ++whole;
        }
    });
    int frames = 0;
    for (; looks < kLooks && frames < 1000000; ++frames) {
        whole_frame();
        if (HasFatalFailure()) break;
    }
    user.join();
    EXPECT_EQ(whole, kLooks) << "after " << frames << " frames";

    ASSERT_EQ(frame(plotcore::kFrameBegin), 1);
    ASSERT_EQ(slot('B', 4), 1);
    box(20, 20, 120, 80, kRedColour);
    ASSERT_EQ(frame(plotcore::kFrameEnd), 1);
    EXPECT_TRUE(display.wait_for_window_pixel(window, 70, 50, kRed)) << "last frame not shown";
    EXPECT_EQ(display.capture(window).at(200, 140), kWhite);
    quit_and_close(display, window);
}

// The user resizes the window during a frame: it shows the frame before with grey around
// it, not the larger page half drawn; the end of the frame shows the new page.
TEST_F(HeldFrameScreenTest, AResizeDuringAFrameShowsTheFrameBefore) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    start("png", display.name());  // a page of 300 x 200
    open_window();
    const unsigned long window = display.wait_for_window("Picture");
    ASSERT_NE(window, 0u);
    frame_a();
    ASSERT_TRUE(display.wait_for_window_pixel(window, 70, 50, kBlue));
    ASSERT_EQ(frame(plotcore::kFrameBegin), 1);
    frame_b_part();

    display.resize(window, 400, 320);
    ASSERT_TRUE(wait_for_trace("event=resize win=1 w=400 h=320"));
    EXPECT_TRUE(display.wait_for_window_pixel(window, 350, 280, kSurround));
    Screenshot held = display.capture(window);
    EXPECT_EQ(held.at(70, 50), kBlue);
    EXPECT_EQ(held.at(200, 140), kWhite);
    EXPECT_EQ(held.at(310, 100), kSurround);

    ASSERT_EQ(frame(plotcore::kFrameEnd), 1);
    EXPECT_TRUE(display.wait_for_window_pixel(window, 350, 280, kWhite));
    Screenshot shown = display.capture(window);
    EXPECT_EQ(shown.at(200, 140), kRed);
    EXPECT_EQ(shown.at(70, 50), kWhite);
    quit_and_close(display, window);
}

// A program that joined the window left on offer begins a frame and goes away without
// ending it: the window then shows what it drew.
TEST_F(HeldFrameScreenTest, AFrameLeftByAProgramThatWentAwayIsShown) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    start("png", display.name());
    open_window();
    const unsigned long window = display.wait_for_window("Picture");
    ASSERT_NE(window, 0u);
    frame_a();
    ASSERT_EQ(text("L,0,"), 1);
    close(socket_);
    connect_socket();  // the joining program
    ASSERT_EQ(frame(plotcore::kFrameBegin), 1);
    frame_b_part();
    EXPECT_TRUE(display.wait_for_window_pixel(window, 70, 50, kBlue));
    close(socket_);
    socket_ = -1;
    EXPECT_TRUE(display.wait_for_window_pixel(window, 200, 140, kRed));
    EXPECT_EQ(display.capture(window).at(70, 50), kWhite);
    display.close(window);
    expect_luwnd_ends();
}

// The box drawn last, right before the question, is on the screen while the question is
// up; so is a frame held, and not the one being drawn, until it ends.
TEST_F(HeldFrameScreenTest, EverythingDrawnBeforeAQuestionIsOnTheScreenWhileItIsAsked) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    // Below and right of the question, which comes up at (100, 100).
    start("png", display.name(), false, {"/s300,200", "/p320,260"});
    open_window();
    const unsigned long window = display.wait_for_window("Picture");
    ASSERT_NE(window, 0u);
    // Drawing goes to the screen a frame at a time: a burst leaves its last drawing for
    // the next frame.
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(slot('A', 11, i % 300, 190), 1);
        ASSERT_EQ(slot('A', 20, 299 - i % 300, 199), 1);
    }
    frame_a();
    Screenshot asked = ask(display, window, "y", kYes);
    EXPECT_EQ(asked.at(70, 50), kBlue) << "the box drawn last is not on the screen";

    ASSERT_EQ(frame(plotcore::kFrameBegin), 1);
    frame_b_part();
    asked = ask(display, window, "n", kNo);
    EXPECT_EQ(asked.at(70, 50), kBlue);
    EXPECT_EQ(asked.at(200, 140), kWhite);
    ASSERT_EQ(frame(plotcore::kFrameEnd), 1);
    EXPECT_TRUE(display.wait_for_window_pixel(window, 200, 140, kRed));
    quit_and_close(display, window);
}

}  // namespace
}  // namespace lumora::test
