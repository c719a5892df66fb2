// Moves and lines a client posted without waiting for their answers: each is handled as
// if it had come alone with its slots, and the room granted for them keeps every
// foreseen answer true.
#include "core_fixture.h"

namespace luwnd::test {
namespace {

class PostedTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        ASSERT_EQ(open(), 1);
    }
    std::int32_t post(int n, std::int32_t p1, std::int32_t p2, std::int32_t p3, char letter = 'A') {
        return core_->handle_posted(static_cast<std::uint8_t>(letter),
                                    static_cast<std::uint8_t>(n + 32), {p1, p2, p3});
    }
};

TEST_F(PostedTest, APostedCommandTakesItsOwnSlotsNotTheBlocks) {
    words(1, layout::kParam1, {99, 98, 97});  // whatever the program wrote for later
    EXPECT_EQ(post(1, 11, 10, 20), 1);
    EXPECT_EQ(post(1, 20, 30, 40), 1);
    EXPECT_EQ(post(1, 20, 50, 10), 1);
    ASSERT_EQ(items(1).size(), 2u);
    EXPECT_EQ(items(1)[0].kind, ItemKind::kLine);
    EXPECT_EQ(
        (std::vector<std::int32_t>(items(1)[1].coords.begin(), items(1)[1].coords.begin() + 4)),
        (std::vector<std::int32_t>{30, 40, 50, 10}));
    EXPECT_EQ(word(1, layout::kParam1), 99);
    // A command that comes alone afterwards reads the block again.
    words(1, layout::kParam1, {20, 60, 60});
    EXPECT_EQ(send({'A', '!', 0}), 1);
    EXPECT_EQ(items(1).size(), 3u);
    EXPECT_EQ(state(1).position.x, 60);
}

TEST_F(PostedTest, AnEraseIsPostedToo) {
    ASSERT_EQ(post(1, 11, 0, 0), 1);
    ASSERT_EQ(post(1, 20, 5, 5), 1);
    ASSERT_EQ(items(1).size(), 1u);
    EXPECT_EQ(post(1, 4, 0, 0, 'B'), 1);
    EXPECT_TRUE(items(1).empty());
}

TEST_F(PostedTest, OnlyMovesLinesAndErasesToAnOpenWindowArePosted) {
    words(1, layout::kResult1, {10, 20, 5, 1});
    EXPECT_EQ(post(1, 21, 0, 0), 0);       // a figure
    EXPECT_EQ(post(1, 11, 0, 0, 'B'), 0);  // another letter's command
    EXPECT_EQ(post(1, 4, 0, 0), 0);        // not an erase with 'A'
    EXPECT_EQ(post(2, 11, 0, 0), 0);       // no window 2
    EXPECT_TRUE(items(1).empty());
    EXPECT_EQ(post(1, 11, 0, 0), 1);
}

// The answer that ends the program differs from the window's number, which is how the
// client learns that it must wait for its answers again.
TEST_F(PostedTest, AWindowTheUserClosedAnswersThePostedCommandsToo) {
    ASSERT_EQ(send_text("K,4711,d;p;v"), kId);
    ASSERT_EQ(open(), 2);
    ASSERT_TRUE(core_->window_closed_by_user(2));
    EXPECT_EQ(post(1, 11, 0, 0), static_cast<std::int32_t>(0x80000002u));
    EXPECT_EQ(post(1, 20, 5, 5), static_cast<std::int32_t>(0x80000002u));
    EXPECT_TRUE(items(1).empty());
}

class PostingRoomTest : public PostedTest {
  protected:
    PostingRoomTest() { max_items_ = 5; }
};

TEST_F(PostingRoomTest, TheRoomIsWhatTheFullestWindowStillTakes) {
    EXPECT_EQ(core_->posting_room(), 5u);
    ASSERT_EQ(post(1, 11, 0, 0), 1);  // a move takes no room
    EXPECT_EQ(core_->posting_room(), 5u);
    for (int i = 1; i <= 3; ++i) ASSERT_EQ(post(1, 20, i, i), 1);
    EXPECT_EQ(core_->posting_room(), 2u);
    ASSERT_EQ(open(), 2);
    EXPECT_EQ(core_->posting_room(), 2u);
    // Posting no more than the room granted, every line is drawn.
    for (int i = 1; i <= 2; ++i) EXPECT_EQ(post(1, 20, i, 0), 1);
    EXPECT_EQ(core_->posting_room(), 0u);
    EXPECT_EQ(post(1, 20, 9, 9), 0);  // past it the foresight would fail
}

class PostingBudgetTest : public PostedTest {
  protected:
    PostingBudgetTest() { max_drawing_bytes_ = 7 * item_cost(std::size_t{0}) + 1; }
};

TEST_F(PostingBudgetTest, TheRoomStaysWithinTheProcesssDrawingBudget) {
    EXPECT_EQ(core_->posting_room(), 7u);
    ASSERT_EQ(open(), 2);
    ASSERT_EQ(post(2, 11, 0, 0), 2);
    for (int i = 1; i <= 4; ++i) ASSERT_EQ(post(2, 20, i, i), 2);
    EXPECT_EQ(core_->posting_room(), 3u);
    ASSERT_EQ(post(1, 11, 0, 0), 1);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(post(1, 20, i, i), 1);
    EXPECT_EQ(core_->posting_room(), 0u);
}

}  // namespace
}  // namespace luwnd::test
