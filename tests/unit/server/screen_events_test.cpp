// What the user does on screen: resizing a window, closing it while a program draws, and
// a dense screen making the default page larger.
#include <fstream>
#include <sstream>

#include "core_fixture.h"

namespace luwnd::test {
namespace {

constexpr std::int32_t kEndProgram = INT32_MIN + 2;

class ScreenEventsTest : public CoreFixture {
  protected:
    ScreenEventsTest() : CoreFixture(::testing::TempDir() + "screen_events_trace.txt") {}
    void SetUp() override {
        std::remove(trace_path_.c_str());
        CoreFixture::SetUp();
    }
    void connect() { ASSERT_EQ(send_text("K,4711,d;p;v"), kId); }
    std::string trace() {
        std::ifstream in(trace_path_);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    float real(int n, std::size_t offset) { return layout::read_f32(window_block(n), offset); }
};

TEST_F(ScreenEventsTest, ResizingMovesThePageWordsAndKeepsTheWorldInPlace) {
    ASSERT_EQ(open(), 1);
    std::uint8_t* b = window_block(1);
    layout::write_f32(b, layout::kViewY1, 0.25f);
    layout::write_f32(b, layout::kXScale, 48.0f);  // a world of 10 units across the unit
    layout::write_f32(b, layout::kYScale, 48.0f);
    ASSERT_EQ(slot('B', 1, 41), 1);
    ASSERT_EQ(word(1, layout::kOriginY), 360);

    EXPECT_TRUE(core_->resize_window(1, 1000, 600));
    EXPECT_EQ(word(1, layout::kPageWidth), 1000);
    EXPECT_EQ(word(1, layout::kPageHeight), 600);
    EXPECT_EQ(word(1, layout::kUnitLength), 600);
    EXPECT_EQ(word(1, layout::kOriginY), 600 - 150);
    EXPECT_FLOAT_EQ(real(1, layout::kXScale), 60.0f);
    EXPECT_FLOAT_EQ(real(1, layout::kYScale), 60.0f);
    EXPECT_EQ(state(1).page_width, 1000);
    // A later command keeps the new size: it is the window's own now.
    EXPECT_EQ(slot('B', 1, 19), 1);
    EXPECT_EQ(word(1, layout::kPageHeight), 600);
    EXPECT_NE(trace().find("event=resize win=1 w=1000 h=600 unit=600 x0=0 y0=450"),
              std::string::npos)
        << trace();
}

TEST_F(ScreenEventsTest, ResizingInPixelUnitsKeepsTheScalesAndBoundsTheSize) {
    ASSERT_EQ(open(), 1);
    std::uint8_t* b = window_block(1);
    layout::write_i32(b, layout::kPixelMode, 1);
    layout::write_f32(b, layout::kXScale, 1.0f);
    EXPECT_TRUE(core_->resize_window(1, 0, 100000));
    EXPECT_EQ(word(1, layout::kPageWidth), 1);
    EXPECT_EQ(word(1, layout::kPageHeight), 16384);
    EXPECT_EQ(word(1, layout::kUnitLength), 480);
    EXPECT_FLOAT_EQ(real(1, layout::kXScale), 1.0f);
    EXPECT_EQ(word(1, layout::kOriginY), 16384);
    // The picture of the page must stay a sensible size: the area is bounded too.
    EXPECT_TRUE(core_->resize_window(1, 16384, 16384));
    EXPECT_EQ(word(1, layout::kPageWidth), 16384);
    EXPECT_EQ(word(1, layout::kPageHeight), 4096);
    EXPECT_FALSE(core_->resize_window(2, 100, 100));
}

TEST_F(ScreenEventsTest, ClosingAWindowEndsTheConnectedProgramButLetsItQuit) {
    connect();
    ASSERT_EQ(open(), 1);
    ASSERT_EQ(open(), 2);
    EXPECT_TRUE(core_->client_connected());
    EXPECT_TRUE(core_->window_closed_by_user(2));
    EXPECT_EQ(slot('A', 1, 20, 5, 5), kEndProgram);
    EXPECT_EQ(open(), kEndProgram);
    EXPECT_TRUE(items(1).empty());
    EXPECT_EQ(send_text("L,0,"), 1);
    EXPECT_TRUE(core_->quit_requested());
    EXPECT_FALSE(core_->client_connected());
    EXPECT_NE(trace().find("event=close win=2 ends=1"), std::string::npos) << trace();
    EXPECT_NE(trace().find("ret=-2147483646 err=closed"), std::string::npos) << trace();
}

TEST_F(ScreenEventsTest, ClosingWithoutAConnectedProgramEndsNobody) {
    ASSERT_EQ(open(), 1);
    EXPECT_FALSE(core_->window_closed_by_user(1));  // no handshake yet
    connect();
    EXPECT_FALSE(core_->window_closed_by_user(5));  // not open
    ASSERT_EQ(send_text("L,1,"), 1);
    EXPECT_FALSE(core_->window_closed_by_user(1));
    // The next program starts afresh, even after an earlier one was told to end.
    connect();
    ASSERT_TRUE(core_->window_closed_by_user(1));
    core_->client_gone();
    connect();
    EXPECT_EQ(slot('A', 1, 20, 5, 5), 1);
}

TEST_F(ScreenEventsTest, NewWindowsGoWhereTheOptionSaysUnlessTheyAskForAPlace) {
    options_ = "/p30,40";
    core_.reset();
    core_ = std::make_unique<Core>(host_, config());
    ASSERT_EQ(core_->publish(), 1);
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(state(1).x, 30);
    EXPECT_EQ(state(1).y, 40);
    ASSERT_EQ(send_text("I,0,200,150,-1,-1,-1,placed"), 2);
    EXPECT_EQ(state(2).x, 200);
    EXPECT_EQ(state(2).y, 150);
}

class DenseScreenTest : public ScreenEventsTest {
  protected:
    void SetUp() override {
        screen_dpi_ = 192;
        ScreenEventsTest::SetUp();
    }
};

TEST_F(DenseScreenTest, TheScreenResolutionScalesTheDefaultPage) {
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(word(1, layout::kPageWidth), 1280);
    EXPECT_EQ(word(1, layout::kPageHeight), 960);
    EXPECT_EQ(state(1).text_font.size, 32);  // a thirtieth of the page: readable
}

TEST_F(DenseScreenTest, PenWidthsGrowWithTheResolutionAsTextDoes) {
    ASSERT_EQ(open(), 1);
    for (std::int32_t width : {0, 1, 3}) {
        words(1, layout::kPenWidth, {width});
        words(1, layout::kChanged, {layout::kChangedPenWidth});
        ASSERT_EQ(slot('A', 1, 6), 1);
        ASSERT_EQ(slot('A', 1, 11, 0, 0), 1);
        ASSERT_EQ(slot('A', 1, 20, 50, 50), 1);
        EXPECT_EQ(items(1).back().pen.width, 2 * width) << width;
        EXPECT_EQ(word(1, layout::kPenWidth), width);  // the block keeps what was given
    }
    // At 96 dpi the widths stay as given.
    screen_dpi_ = 96;
    core_.reset();
    core_ = std::make_unique<Core>(host_, config());
    ASSERT_EQ(core_->publish(), 1);
    ASSERT_EQ(open(), 1);
    words(1, layout::kPenWidth, {3});
    words(1, layout::kChanged, {layout::kChangedPenWidth});
    ASSERT_EQ(slot('A', 1, 6), 1);
    ASSERT_EQ(slot('A', 1, 11, 0, 0), 1);
    ASSERT_EQ(slot('A', 1, 20, 50, 50), 1);
    EXPECT_EQ(items(1).back().pen.width, 3);
}

TEST_F(DenseScreenTest, AResolutionOptionWinsAndASizeOptionIsTakenAsGiven) {
    options_ = "/dpi144";
    core_.reset();
    core_ = std::make_unique<Core>(host_, config());
    ASSERT_EQ(core_->publish(), 1);
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(word(1, layout::kPageWidth), 960);

    options_ = "/dpi144 /s500,400";
    core_.reset();
    core_ = std::make_unique<Core>(host_, config());
    ASSERT_EQ(core_->publish(), 1);
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(word(1, layout::kPageWidth), 500);
    EXPECT_EQ(word(1, layout::kPageHeight), 400);
}

}  // namespace
}  // namespace luwnd::test
