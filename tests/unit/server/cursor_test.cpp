// Cursor input in the window process: the scripted events, the point under a pixel in
// the plot there, the per-window queue and the 'B' 80 answers.
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "core_fixture.h"
#include "server/core/cursor_band.h"
#include "server/core/cursor_position.h"
#include "server/core/event_script.h"

namespace luwnd::test {
namespace {

using lumora::plotcore::Frame;

constexpr std::int32_t kEndProgram = INT32_MIN + 2;
constexpr std::int32_t kNextEvent = 80;

TEST(EventScriptText, ReadsEveryKindOfItem) {
    EventScript script(
        "click 1 320 240, CLICK 3 0 16384,key q,key Q 5 6,key esc,key 27,key #7,key 1,"
        "resize 800 600,close,none");
    EXPECT_EQ(script.malformed(), 0u);
    const WindowEvent want[] = {{EventKind::kButton, kButtonLeft, 320, 240},
                                {EventKind::kButton, kButtonRight, 0, 16384},
                                {EventKind::kKey, 'q', 0, 0},
                                {EventKind::kKey, 'Q', 5, 6},
                                {EventKind::kKey, 27, 0, 0},
                                {EventKind::kKey, 27, 0, 0},
                                {EventKind::kKey, 7, 0, 0},
                                {EventKind::kKey, '1', 0, 0},
                                {EventKind::kResize, 0, 800, 600},
                                {EventKind::kClose, 0, 0, 0},
                                {EventKind::kNone, 0, 0, 0}};
    for (const WindowEvent& w : want) EXPECT_EQ(script.next(), w);
    EXPECT_TRUE(script.used_up());
    EXPECT_EQ(script.next(), std::nullopt);
}

TEST(EventScriptText, SkipsMalformedItemsAndBoundsAHugeList) {
    EventScript script(
        "click 4 1 1,click 1 -1 5,click 1 2,key,key ab,key 00,key 256,key #x,resize 0 5,"
        "resize 5 99999,close now,jump,,click 2 1 2 3,click 2 10 20");
    EXPECT_EQ(script.malformed(), 14u);
    EXPECT_EQ(script.next(), (WindowEvent{EventKind::kButton, kButtonMiddle, 10, 20}));
    EXPECT_TRUE(script.used_up());
    EXPECT_TRUE(EventScript("").used_up());

    std::string huge;
    for (int i = 0; i < 10000; ++i) huge += "key a,";
    EXPECT_EQ(EventScript(huge).size(), EventScript::kMaxItems);
    EXPECT_EQ(EventScript(std::string(1 << 20, 'x')).malformed(), 1u);
}

TEST(EventQueueBound, DropsTheOldestWhenFull) {
    EventQueue queue;
    for (int i = 0; i < 70; ++i) queue.push({EventKind::kKey, i, 0, 0});
    EXPECT_EQ(queue.size(), EventQueue::kMaxEvents);
    EXPECT_EQ(queue.dropped(), 6u);
    EXPECT_EQ(queue.pop()->key, 6);
}

// Block words of a 400 x 300 page in normalized units with the world 0 .. 4 across and
// 0 .. 3 up over the whole page (100 pixels a unit).
class CursorPositionTest : public ::testing::Test {
  protected:
    CursorPositionTest() {
        layout::write_i32(words_, layout::kPageWidth, 400);
        layout::write_i32(words_, layout::kPageHeight, 300);
        layout::write_f32(words_, layout::kXScale, 100);
        layout::write_f32(words_, layout::kYScale, 100);
        layout::write_i32(words_, layout::kOriginX, 0);
        layout::write_i32(words_, layout::kOriginY, 300);
    }
    // A frame with its box (page pixels, y upward) inside a panel and its world.
    static Frame frame(std::uint32_t id, lumora::plotcore::Rect panel, lumora::plotcore::Rect box,
                       double wx1, double wx2, double wy1, double wy2) {
        Frame f;
        f.id = id;
        f.panel = panel;
        f.box = box;
        f.wx1 = wx1, f.wx2 = wx2, f.wy1 = wy1, f.wy2 = wy2;
        return f;
    }
    std::uint8_t words_[layout::kWindowBlockSize] = {};
};

TEST_F(CursorPositionTest, OutsideEveryFrameThePointIsInTheWindowsWorld) {
    const CursorPoint p = cursor_point({}, words_, {150, 100});
    EXPECT_FLOAT_EQ(float(p.x), 1.5f);
    EXPECT_FLOAT_EQ(float(p.y), 2.0f);
    EXPECT_EQ(p.frame, 0u);
    const auto back = cursor_pixel({}, words_, 0, 1.5, 2.0);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->x, 150);
    EXPECT_EQ(back->y, 100);
    EXPECT_FALSE(cursor_pixel({}, words_, 0, NAN, 1));
    EXPECT_FALSE(cursor_pixel({}, words_, 0, 1e30, 1));
    layout::write_i32(words_, layout::kPixelMode, 1);
    EXPECT_DOUBLE_EQ(cursor_point({}, words_, {7, 9}).y, 9);
}

TEST_F(CursorPositionTest, SubpagesGiveThePointInTheFrameUnderIt) {
    // Two panels side by side; the right one's frame has log axes and a reversed x axis.
    const Frames frames = {frame(1, {0, 0, 200, 300}, {40, 40, 190, 290}, 0, 15, -1, 1),
                           frame(2, {200, 0, 400, 300}, {240, 40, 390, 290}, 3, 0, -2, 3)};
    Frames logs = frames;
    logs[1].log_x = logs[1].log_y = true;

    CursorPoint p = cursor_point(logs, words_, {40 + 50, 300 - 165});
    EXPECT_EQ(p.frame, 1u);
    EXPECT_NEAR(p.x, 5.0, 1e-9);
    EXPECT_NEAR(p.y, 0.0, 1e-9);

    // 240 + 100 across a reversed 3 .. 0: world 1, data 10; 40 + 100 up -2 .. 3: world 0.
    p = cursor_point(logs, words_, {340, 300 - 140});
    EXPECT_EQ(p.frame, 2u);
    EXPECT_NEAR(p.x, 10.0, 1e-9);
    EXPECT_NEAR(p.y, 1.0, 1e-9);
    const auto back = cursor_pixel(logs, words_, 2, 10.0, 1.0);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->x, 340);
    EXPECT_EQ(back->y, 160);
    EXPECT_FALSE(cursor_pixel(logs, words_, 2, -1.0, 1.0));  // no logarithm

    // In the panel beside the box (the numbers' room), the panel's frame reaches out.
    p = cursor_point(frames, words_, {20, 300 - 40});
    EXPECT_EQ(p.frame, 1u);
    EXPECT_NEAR(p.x, -2.0, 1e-9);
}

TEST_F(CursorPositionTest, AFrameDrawnLaterLiesOnTop) {
    const Frames frames = {frame(1, {0, 0, 400, 300}, {50, 50, 350, 250}, 0, 1, 0, 1),
                           frame(2, {0, 0, 400, 300}, {50, 50, 350, 250}, 0, 10, 0, 10)};
    EXPECT_EQ(cursor_point(frames, words_, {200, 150}).frame, 2u);
    // No frame with that number: the window's world.
    EXPECT_EQ(cursor_pixel(frames, words_, 7, 1.0, 1.0)->x, 100);
}

TEST(CursorBand, EachModeDrawsItsLines) {
    const CursorWait anchored{0, 10, 20, true};
    const Pixel c{50, 60};
    auto lines = [&](int mode, bool with_anchor = true) {
        CursorWait w = anchored;
        w.mode = mode;
        w.anchored = with_anchor;
        return band_lines(w, c, 400, 300);
    };
    using Lines = std::vector<BandLine>;
    EXPECT_EQ(lines(0), Lines{});
    EXPECT_EQ(lines(1), (Lines{{{10, 20}, {50, 60}}}));
    EXPECT_EQ(lines(2), (Lines{{{10, 20}, {50, 20}},
                               {{50, 20}, {50, 60}},
                               {{50, 60}, {10, 60}},
                               {{10, 60}, {10, 20}}}));
    EXPECT_EQ(lines(3), (Lines{{{0, 20}, {400, 20}}, {{0, 60}, {400, 60}}}));
    EXPECT_EQ(lines(4), (Lines{{{10, 0}, {10, 300}}, {{50, 0}, {50, 300}}}));
    EXPECT_EQ(lines(5, false), (Lines{{{0, 60}, {400, 60}}}));
    EXPECT_EQ(lines(6, false), (Lines{{{50, 0}, {50, 300}}}));
    EXPECT_EQ(lines(7, false), (Lines{{{0, 60}, {400, 60}}, {{50, 0}, {50, 300}}}));
    for (int mode = 1; mode <= 4; ++mode) EXPECT_EQ(lines(mode, false), Lines{}) << mode;
    EXPECT_EQ(lines(8), Lines{});
}

class NextEventTest : public CoreFixture {
  protected:
    NextEventTest() : CoreFixture(::testing::TempDir() + "cursor_trace.txt") {}
    void SetUp() override {
        std::remove(trace_path_.c_str());
        CoreFixture::SetUp();
        ASSERT_EQ(send_text("K,4711,d;p;v"), kId);
        ASSERT_EQ(open(), 1);
    }
    std::int32_t ask(int mode = 0, int waits = 0, double ax = 0, double ay = 0) {
        layout::write_f64(window_block(1), layout::kResult1, ax);
        layout::write_f64(window_block(1), layout::kResult3, ay);
        return slot('B', 1, kNextEvent, mode, waits);
    }
    WindowEvent answer() {
        return {static_cast<EventKind>(word(1, layout::kResult1)), word(1, layout::kResult2),
                word(1, layout::kResult3), word(1, layout::kResult4)};
    }
    std::string text() { return reinterpret_cast<const char*>(window_block(1) + layout::kText); }
    std::string trace() {
        std::ifstream in(trace_path_);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }
};

TEST_F(NextEventTest, QueuedEventsComeInOrderWithTheirWorldPoints) {
    EXPECT_EQ(ask(), 1);
    EXPECT_EQ(answer(), (WindowEvent{EventKind::kNone, 0, 0, 0}));  // nothing, none to come
    core_->window_event(1, {EventKind::kKey, 'q', 10, 20});
    core_->window_event(1, {EventKind::kButton, kButtonLeft, 0, 0});
    EXPECT_EQ(ask(), 1);
    EXPECT_EQ(answer(), (WindowEvent{EventKind::kKey, 'q', 10, 20}));
    // The default world: the page's shorter side is 1 across, y upward from the bottom.
    const double unit = word(1, layout::kUnitLength);
    std::istringstream point(text());
    double x = 0, y = 0;
    int frame = -1;
    point >> x >> y >> frame;
    EXPECT_NEAR(x, 10 / unit, 1e-6);
    EXPECT_NEAR(y, (word(1, layout::kPageHeight) - 20) / unit, 1e-6);
    EXPECT_EQ(frame, 0);
    EXPECT_EQ(ask(), 1);
    EXPECT_EQ(answer().key, kButtonLeft);
    const std::string lines = trace();
    EXPECT_NE(lines.find("event=key win=1 key=113 x=10 y=20"), std::string::npos) << lines;
    EXPECT_NE(lines.find("cmd=B win=1 p1=80 p2=0 p3=0 mode=0 wait=0 event=button r1=2 r2=65"),
              std::string::npos)
        << lines;
    EXPECT_NE(lines.find("reply=\"0 0 0\""), std::string::npos) << lines;
}

TEST_F(NextEventTest, AWaitingProgramPullsItsBandUntilAnEventComes) {
    // The default world has the unit of the page's shorter side, y up from the bottom.
    const double unit = word(1, layout::kUnitLength), height = word(1, layout::kPageHeight);
    EXPECT_EQ(ask(2, 1, 100 / unit, (height - 40) / unit), 1);
    const auto wait = core_->cursor_wait(1);
    ASSERT_TRUE(wait);
    EXPECT_EQ(wait->mode, 2);
    EXPECT_TRUE(wait->anchored);
    EXPECT_EQ(wait->anchor_x, 100);
    EXPECT_EQ(wait->anchor_y, 40);
    core_->window_event(1, {EventKind::kButton, kButtonRight, 5, 5});
    EXPECT_EQ(ask(2, 1, 0, 0), 1);
    EXPECT_FALSE(core_->cursor_wait(1));
    // A look in passing is no wait.
    EXPECT_EQ(ask(7, 0), 1);
    EXPECT_FALSE(core_->cursor_wait(1));
}

TEST_F(NextEventTest, RefusesBadModesWaitsAndAnchors) {
    EXPECT_EQ(ask(8), 0);
    EXPECT_EQ(ask(-1), 0);
    EXPECT_EQ(ask(0, 2), 0);
    EXPECT_EQ(ask(1, 1, NAN, 0), 0);
    EXPECT_EQ(ask(4, 1, 0, INFINITY), 0);
    EXPECT_EQ(ask(7, 1, NAN, NAN), 1);       // a cross-hair has no anchor
    EXPECT_EQ(slot('B', 9, kNextEvent), 0);  // no such window
}

TEST_F(NextEventTest, AScriptFeedsAnyWindowAndItsResizeAndCloseHappen) {
    core_.reset();
    events_ = "none,click 2 3 4,resize 300 200,close";
    CoreFixture::SetUp();
    ASSERT_EQ(send_text("K,4711,d;p;v"), kId);
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(ask(), 1);
    EXPECT_EQ(answer(), (WindowEvent{EventKind::kNone, 1, 0, 0}));  // more to come
    EXPECT_EQ(ask(), 1);
    EXPECT_EQ(answer(), (WindowEvent{EventKind::kButton, kButtonMiddle, 3, 4}));
    EXPECT_EQ(ask(), 1);
    EXPECT_EQ(answer(), (WindowEvent{EventKind::kResize, 0, 300, 200}));
    EXPECT_EQ(word(1, layout::kPageWidth), 300);
    // The close is told to the asking program; its other commands then end it.
    EXPECT_EQ(ask(), 1);
    EXPECT_EQ(answer().kind, EventKind::kClose);
    EXPECT_EQ(slot('A', 1, 20, 5, 5), kEndProgram);
    EXPECT_EQ(ask(), kEndProgram);
}

TEST_F(NextEventTest, OnAScreenMoreCanAlwaysComeAndAClosingUserIsHeard) {
    core_.reset();
    stay_shown_ = true;
    CoreFixture::SetUp();
    ASSERT_EQ(send_text("K,4711,d;p;v"), kId);
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(ask(0, 1), 1);
    EXPECT_EQ(answer(), (WindowEvent{EventKind::kNone, 1, 0, 0}));
    ASSERT_TRUE(core_->resize_window(1, 500, 400));
    ASSERT_TRUE(core_->window_closed_by_user(1));
    EXPECT_EQ(slot('A', 1, 20, 5, 5), kEndProgram);
    // What came before the close is read first, then the close; then the program ends.
    EXPECT_EQ(ask(), 1);
    EXPECT_EQ(answer(), (WindowEvent{EventKind::kResize, 0, 500, 400}));
    EXPECT_EQ(ask(), 1);
    EXPECT_EQ(answer().kind, EventKind::kClose);
    EXPECT_EQ(ask(), kEndProgram);
}

}  // namespace
}  // namespace luwnd::test
