// The host's copy of each window's drawings follows the core command by command.
#include "render_fixture.h"

namespace luwnd::render::test {
namespace {

TEST_F(RenderFixture, PicturesFollowOpenDrawAndClose) {
    ASSERT_EQ(open("Spectrum \xE9"), 1);
    ASSERT_EQ(open(), 2);
    const Picture& first = pictures_.open().at(1);
    EXPECT_EQ(first.title, "Spectrum \xC3\xA9");
    EXPECT_EQ(first.width, core_->window_state(1)->page_width);
    EXPECT_EQ(first.height, core_->window_state(1)->page_height);
    EXPECT_EQ(first.background, 0xFFFFFFu);
    line(1, 0, 0, 5, 5);
    ASSERT_EQ(figure(2, 24, {0, 0, 9, 9}), 2);
    EXPECT_EQ(pictures_.open().at(1).items.size(), 1u);
    EXPECT_EQ(pictures_.open().at(2).items.size(), 1u);
    EXPECT_TRUE(pictures_.take_closed().empty());

    ASSERT_EQ(send({'J', 1 + 32, 0}), 2);
    auto closed = pictures_.take_closed();
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0].first, 1);
    EXPECT_EQ(closed[0].second.items.size(), 1u);
    EXPECT_EQ(pictures_.open().count(1), 0u);
    EXPECT_TRUE(pictures_.take_closed().empty());
}

// Windows come and go between drawings: each one's picture still follows, a window
// opened again under a closed one's number starts empty, and one that is never drawn in
// keeps its picture as it was.
TEST_F(RenderFixture, PicturesFollowWindowsThatComeAndGo) {
    ASSERT_EQ(open(), 1);
    ASSERT_EQ(open(), 2);
    line(1, 0, 0, 5, 5);
    for (int i = 0; i < 5; ++i) line(2, 0, 0, i, 9);
    ASSERT_EQ(send({'J', 1 + 32, 0}), 2);
    ASSERT_EQ(pictures_.take_closed().size(), 1u);
    line(2, 0, 0, 7, 7);
    ASSERT_EQ(open(), 1);
    EXPECT_TRUE(pictures_.open().at(1).items.empty());
    line(1, 0, 0, 3, 3);
    line(1, 0, 0, 4, 4);
    ASSERT_EQ(pictures_.open().at(1).items.size(), 2u);
    EXPECT_EQ(pictures_.open().at(1).items.back().item.coords[2], 4);
    EXPECT_EQ(pictures_.open().at(2).items.size(), 6u);
    EXPECT_EQ(pictures_.open().at(2).items.back().item.coords[2], 7);
    ASSERT_EQ(send({'J', 2 + 32, 0}), 1);
    ASSERT_EQ(pictures_.take_closed().size(), 1u);
    EXPECT_EQ(pictures_.open().count(2), 0u);
}

TEST_F(RenderFixture, FillColoursAreTakenAsTheyWereWhenDrawn) {
    ASSERT_EQ(open(), 1);
    ASSERT_EQ(figure(1, 22, {0, 0, 4, 4}, 20), 1);
    ASSERT_EQ(slot('A', 1, 5, 0x02123456, 20), 1);  // entry 20 changes afterwards
    EXPECT_EQ(pictures_.open().at(1).items[0].extra_rgb, default_entry(20));
}

TEST_F(RenderFixture, RemovedItemsLeaveThePictureToo) {
    ASSERT_EQ(open(), 1);
    line(1, 0, 0, 5, 5);
    line(1, 0, 0, 6, 6);
    line(1, 0, 0, 7, 7);
    ASSERT_EQ(slot('B', 1, 26, 2), 1);  // the last two
    ASSERT_EQ(pictures_.open().at(1).items.size(), 1u);
    EXPECT_EQ(pictures_.open().at(1).items[0].item.coords[2], 5);
    line(1, 0, 0, 8, 8);
    EXPECT_EQ(pictures_.open().at(1).items.back().item.coords[2], 8);
    ASSERT_EQ(slot('B', 1, 4), 1);  // erase
    EXPECT_TRUE(pictures_.open().at(1).items.empty());
}

TEST_F(RenderFixture, BackgroundAndPictureFormatFollowTheWindow) {
    ASSERT_EQ(open(), 1);
    ASSERT_EQ(slot('B', 1, 23, 4, 0), 1);  // blue background
    ASSERT_EQ(slot('B', 1, 34, 2), 1);     // SVG
    EXPECT_EQ(pictures_.open().at(1).background, 0x0000FFu);
    EXPECT_EQ(pictures_.open().at(1).format, 2);
}

TEST_F(RenderFixture, GarbageCommandsLeaveThePicturesAlone) {
    ASSERT_EQ(open(), 1);
    send({'B', 200, 0});
    send({'I', ','});
    send({'B'});
    send({'A', 1 + 32, 0});
    EXPECT_TRUE(pictures_.open().at(1).items.empty());
}

}  // namespace
}  // namespace luwnd::render::test
