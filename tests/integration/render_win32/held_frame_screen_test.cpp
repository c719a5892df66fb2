// What luwnd.exe's windows show around buffered frames and questions: a frame being drawn
// is not seen until it ends, also when the window is resized meanwhile; and everything
// drawn before a question is on the screen while the question is up.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "../support/child_process.h"
#include "client/channel/block_layout.h"
#include "plotcore/plot_commands.h"
#include "raw_client.h"
#include "screen_capture.h"

namespace lumora::test {
namespace {

namespace plotcore = lumora::plotcore;
namespace layout = lumora::layout;

constexpr std::uint32_t kWhite = 0xFFFFFF, kRed = 0xFF0000, kBlue = 0x0000FF;
constexpr std::uint32_t kSurround = 0xBFBFBF;  // around a page smaller than its window
constexpr std::int32_t kRedColour = 2, kBlueColour = 4;

class HeldFrameScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ns_ = "hf" + std::to_string(GetCurrentProcessId()) +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ns_ = ns_.substr(0, 30);
        output_ = temp_path(ns_);
        ASSERT_TRUE(CreateDirectoryA(output_.c_str(), nullptr));
        ASSERT_TRUE(client_.start(native_path(LUWND_PATH), "/s300,200", ns_, output_));
        ASSERT_EQ(client_.open_window("Held frame"), 1);
        window_ = wait_for_graphics_window(client_.process_id());
        ASSERT_NE(window_, nullptr) << "no window on the screen";
        // In the top left corner, away from the questions in the middle of the screen.
        ASSERT_TRUE(
            SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
    }
    void TearDown() override {
        if (client_.wait_for_exit(0) == -1) {
            client_.text("L,1,");
            if (IsWindow(window_)) PostMessageA(window_, WM_CLOSE, 0, 0);
            EXPECT_EQ(client_.wait_for_exit(20000), 0);
        }
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((output_ + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                DeleteFileA((output_ + "\\" + found.cFileName).c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(output_.c_str());
    }

    // 'B' 72 begins (1) or ends (0) a buffered frame.
    std::int32_t frame(std::int32_t what) {
        return client_.slot('B', plotcore::kBufferedFrame, what);
    }
    void box(int x1, int y1, int x2, int y2, int colour) {
        client_.words(layout::kResult1, {x1, y1, x2, y2});
        ASSERT_EQ(client_.slot('A', 22, colour), 1);
    }
    // Frame A: a blue box in the middle. Frame B: a red box in the top left corner.
    void frame_a() { box(100, 100, 200, 150, kBlueColour); }
    void frame_b_part() {
        ASSERT_EQ(client_.slot('B', 4), 1);
        box(20, 20, 80, 80, kRedColour);
    }
    // Asks the question while the user (a thread of the test) looks at the window once
    // the question is up and answers it with the button. What the window showed then.
    ScreenImage ask(int button) {
        ScreenImage seen;
        std::thread user([&] {
            HWND box = nullptr;
            wait_until([&] { return (box = FindWindowA("#32770", "Lumora")) != nullptr; });
            if (box == nullptr) return;
            seen = capture_client(window_);
            PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
            wait_until([] { return FindWindowA("#32770", "Lumora") == nullptr; });
        });
        std::memcpy(client_.block() + layout::kText, "Go on?", 7);
        EXPECT_EQ(client_.slot('B', 3), 1);
        EXPECT_EQ(client_.word(layout::kResult1), button);
        user.join();
        return seen;
    }

    std::string ns_, output_;
    RawClient client_;
    HWND window_ = nullptr;
};

// A live view: frames (A and B's box together) follow each other as fast as the program
// can end them. Every look at the window finds a whole frame, and once the program stops,
// the window shows its last frame, a different one, though frames came faster than the
// window is drawn.
TEST_F(HeldFrameScreenTest, ALiveViewIsSeenInWholeFramesAndStopsOnItsLastFrame) {
    auto whole_frame = [&] {
        ASSERT_EQ(frame(plotcore::kFrameBegin), 1);
        frame_b_part();
        frame_a();
        ASSERT_EQ(frame(plotcore::kFrameEnd), 1);
    };
    whole_frame();
    ASSERT_TRUE(wait_for_pixel(window_, 150, 125, kBlue));
    constexpr int kLooks = 40;
    std::atomic<int> looks{0}, whole{0};
    std::thread user([&] {
        for (; looks < kLooks; ++looks) {
            const ScreenImage seen = capture_client(window_);
            if (seen.at(150, 125) == kBlue && seen.at(50, 50) == kRed) ++whole;
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
    ASSERT_EQ(client_.slot('B', 4), 1);
    box(100, 100, 200, 150, kRedColour);
    ASSERT_EQ(frame(plotcore::kFrameEnd), 1);
    EXPECT_TRUE(wait_for_pixel(window_, 150, 125, kRed)) << "last frame not shown";
    EXPECT_EQ(capture_client(window_).at(50, 50), kWhite);
}

// The user resizes the window during a frame: it shows the frame before with grey around
// it, not the larger page half drawn; the end of the frame shows the new page.
TEST_F(HeldFrameScreenTest, AResizeDuringAFrameShowsTheFrameBefore) {
    frame_a();
    ASSERT_TRUE(wait_for_pixel(window_, 150, 125, kBlue));
    ASSERT_EQ(frame(plotcore::kFrameBegin), 1);
    EXPECT_EQ(client_.word(layout::kResult1), 1);
    frame_b_part();

    RECT outer;
    ASSERT_TRUE(GetWindowRect(window_, &outer));
    ASSERT_TRUE(SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left + 100,
                             outer.bottom - outer.top + 100,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(wait_until([&] { return client_.word(layout::kPageWidth) == 400; }));
    EXPECT_TRUE(wait_for_pixel(window_, 350, 250, kSurround));
    ScreenImage held = capture_client(window_);
    EXPECT_EQ(held.at(150, 125), kBlue);
    EXPECT_EQ(held.at(50, 50), kWhite);
    EXPECT_EQ(held.at(310, 100), kSurround);

    ASSERT_EQ(frame(plotcore::kFrameEnd), 1);
    EXPECT_EQ(client_.word(layout::kResult1), 0);
    EXPECT_TRUE(wait_for_pixel(window_, 50, 50, kRed));
    ScreenImage shown = capture_client(window_);
    EXPECT_EQ(shown.at(150, 125), kWhite);
    EXPECT_EQ(shown.at(350, 250), kWhite);
}

// The box drawn last, right before the question, is on the screen while the question is
// up; so is a frame held, and not the one being drawn, until it ends.
TEST_F(HeldFrameScreenTest, EverythingDrawnBeforeAQuestionIsOnTheScreenWhileItIsAsked) {
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(client_.slot('A', 11, i, 190), 1);
        ASSERT_EQ(client_.slot('A', 20, 299 - i, 199), 1);
    }
    frame_a();
    ScreenImage asked = ask(IDYES);
    EXPECT_EQ(asked.at(150, 125), kBlue) << "the box drawn last is not on the screen";

    ASSERT_EQ(frame(plotcore::kFrameBegin), 1);
    frame_b_part();
    asked = ask(IDNO);
    EXPECT_EQ(asked.at(150, 125), kBlue);
    EXPECT_EQ(asked.at(50, 50), kWhite);
    ASSERT_EQ(frame(plotcore::kFrameEnd), 1);
    EXPECT_TRUE(wait_for_pixel(window_, 50, 50, kRed));
}

}  // namespace
}  // namespace lumora::test
