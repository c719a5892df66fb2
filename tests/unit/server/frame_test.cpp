// Buffered frames ('B' 72): the depth each window keeps, what changes it and what ends it.
#include "core_fixture.h"
#include "plotcore/plot_commands.h"

namespace luwnd::test {
namespace {

namespace plotcore = lumora::plotcore;
constexpr std::int32_t kBegin = plotcore::kFrameBegin, kEnd = plotcore::kFrameEnd,
                       kAsk = plotcore::kFrameAsk;

class FrameTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        ASSERT_EQ(send_text("K,4711,dir;prog;v"), kId);
        ASSERT_EQ(open(), 1);
    }
    std::int32_t frame(std::int32_t what, int n = 1) {
        return slot('B', n, plotcore::kBufferedFrame, what);
    }
    // The depth as the window process answers it; -1 when the question is refused.
    std::int32_t depth(int n = 1) { return frame(kAsk, n) == n ? word(n, layout::kResult1) : -1; }
    void line(int n) {
        ASSERT_EQ(slot('A', n, 11, 0, 0), n);
        ASSERT_EQ(slot('A', n, 20, 9, 9), n);
    }
};

TEST_F(FrameTest, BeginAndEndNestAndResultOneIsTheDepthAfter) {
    EXPECT_EQ(depth(), 0);
    EXPECT_EQ(frame(kBegin), 1);
    EXPECT_EQ(word(1, layout::kResult1), 1);
    EXPECT_EQ(frame(kBegin), 1);
    EXPECT_EQ(word(1, layout::kResult1), 2);
    EXPECT_EQ(depth(), 2);
    EXPECT_EQ(frame(kEnd), 1);
    EXPECT_EQ(word(1, layout::kResult1), 1);
    EXPECT_EQ(frame(kEnd), 1);
    EXPECT_EQ(word(1, layout::kResult1), 0);
    EXPECT_EQ(state(1).frame_depth, 0);
}

TEST_F(FrameTest, AnEndAtDepthZeroAndOtherValuesAreRefusedAndChangeNothing) {
    words(1, layout::kResult1, {77});
    EXPECT_EQ(frame(kEnd), 0);
    EXPECT_EQ(word(1, layout::kResult1), 77);
    EXPECT_EQ(depth(), 0);
    ASSERT_EQ(frame(kBegin), 1);
    for (std::int32_t bad : {2, -2, INT32_MIN, INT32_MAX}) {
        words(1, layout::kResult1, {77});
        EXPECT_EQ(frame(bad), 0) << bad;
        EXPECT_EQ(word(1, layout::kResult1), 77) << bad;
    }
    EXPECT_EQ(depth(), 1);
}

// A begin names the program's process (slot 3) for a host to watch; 0 names none, and
// ends and questions name nothing.
class FrameWatchTest : public FrameTest {
  protected:
    void SetUp() override {
        watch_frame_program_ = [this](std::int32_t process) { told_.push_back(process); };
        FrameTest::SetUp();
    }
    std::vector<std::int32_t> told_;
};

TEST_F(FrameWatchTest, ABeginTellsTheHostTheProcessItNames) {
    EXPECT_EQ(slot('B', 1, plotcore::kBufferedFrame, kBegin, 4242), 1);
    EXPECT_EQ(slot('B', 1, plotcore::kBufferedFrame, kBegin, 0), 1);
    EXPECT_EQ(slot('B', 1, plotcore::kBufferedFrame, kBegin, -5), 1);
    EXPECT_EQ(slot('B', 1, plotcore::kBufferedFrame, kEnd, 77), 1);
    EXPECT_EQ(slot('B', 1, plotcore::kBufferedFrame, kAsk, 78), 1);
    EXPECT_EQ(told_, std::vector<std::int32_t>{4242});
    EXPECT_EQ(depth(), 2);
}

TEST_F(FrameTest, FramesNestAtMostToTheLimit) {
    for (std::int32_t k = 1; k <= WindowState::kMaxFrameDepth; ++k) ASSERT_EQ(frame(kBegin), 1);
    EXPECT_EQ(frame(kBegin), 0);
    EXPECT_EQ(depth(), WindowState::kMaxFrameDepth);
    EXPECT_EQ(frame(kEnd), 1);
    EXPECT_EQ(frame(kBegin), 1);
}

TEST_F(FrameTest, EachWindowKeepsItsOwnDepthAndDrawingGoesOn) {
    ASSERT_EQ(open(), 2);
    ASSERT_EQ(frame(kBegin, 2), 2);
    EXPECT_EQ(depth(1), 0);
    EXPECT_EQ(depth(2), 1);
    line(2);
    EXPECT_EQ(items(2).size(), 1u);  // the display list takes the frame as it comes
    EXPECT_EQ(frame(kEnd, 1), 0);
    EXPECT_EQ(depth(2), 1);
}

TEST_F(FrameTest, ErasingKeepsTheDepth) {
    ASSERT_EQ(frame(kBegin), 1);
    line(1);
    ASSERT_EQ(slot('B', 1, 4), 1);
    EXPECT_TRUE(items(1).empty());
    ASSERT_EQ(slot('B', 1, 23, 4, 1), 1);  // a new background, erasing too
    line(1);
    ASSERT_EQ(slot('B', 1, 26, 1), 1);
    EXPECT_EQ(depth(), 1);
}

TEST_F(FrameTest, ClosingTheWindowEndsItsFrames) {
    ASSERT_EQ(frame(kBegin), 1);
    ASSERT_EQ(frame(kBegin), 1);
    ASSERT_EQ(slot('J', 1, 0), 0);
    EXPECT_EQ(frame(kEnd), 0);  // no window
    ASSERT_EQ(open(1), 1);
    EXPECT_EQ(depth(), 0);
}

TEST_F(FrameTest, TheProgramsQuitEndsEveryFrame) {
    ASSERT_EQ(open(), 2);
    ASSERT_EQ(frame(kBegin, 1), 1);
    ASSERT_EQ(frame(kBegin, 2), 2);
    ASSERT_EQ(send_text("L,1,"), 1);
    EXPECT_EQ(state(1).frame_depth, 0);
    EXPECT_EQ(state(2).frame_depth, 0);
}

TEST_F(FrameTest, TheProgramGoingAwayEndsEveryFrame) {
    ASSERT_EQ(frame(kBegin), 1);
    core_->client_gone();
    EXPECT_EQ(state(1).frame_depth, 0);
}

// A frame begun after the quit (by a program that joined the window left behind) ends
// when the next program takes the process.
TEST_F(FrameTest, TheNextProgramStartsWithNoFrame) {
    ASSERT_EQ(send_text("L,1,"), 1);
    ASSERT_EQ(frame(kBegin), 1);
    ASSERT_EQ(send_text("K,4711,dir;next;v"), kId);
    EXPECT_EQ(depth(), 0);
}

// Pictures sent in chunks keep their codes: 'B' 62 completes one and is no frame.
TEST_F(FrameTest, PicturesInChunksAreNoFrames) {
    EXPECT_EQ(slot('B', 1, 62, kBegin), 0);  // no picture being sent
    ASSERT_EQ(frame(kBegin), 1);
    words(1, layout::kText, {1, 0, 10, 20, 11, 21, 0, 0});  // RGB, 1 x 1 pixel
    ASSERT_EQ(slot('B', 1, 60, 1, 1), 1);
    std::memcpy(window_block(1) + layout::kText, "\xFF\x00\x00", 3);
    ASSERT_EQ(slot('B', 1, 61, 0, 3), 1);
    EXPECT_EQ(slot('B', 1, 62, kEnd), 1);
    ASSERT_EQ(items(1).size(), 1u);
    EXPECT_EQ(items(1)[0].kind, ItemKind::kImage);
    EXPECT_EQ(depth(), 1);
}

}  // namespace
}  // namespace luwnd::test
