// What a screen window's image holds as the program draws, with and without buffered
// frames: the core's depth reaches the pictures, and the image follows the steps it is
// given, the way the hosts' windows follow them.
#include "server/render/screen_progress.h"
#include "plotcore/plot_commands.h"
#include "render_fixture.h"

namespace luwnd::render::test {
namespace {

using Step = ScreenProgress::Step;

// The image of a screen window, reduced to the end x of each line drawn into it and the
// number of times it was made anew.
struct FakeScreen {
    ScreenProgress progress;
    bool has_image = false;
    std::vector<std::int32_t> image;
    int made = 0;

    Step follow(const Picture& picture) {
        const Step step = progress.step(picture, has_image);
        if (step == Step::kDrawAll) {
            image.clear();
            ++made;
            has_image = true;
        }
        if (step == Step::kNone) return step;
        for (std::size_t i = step == Step::kDrawAll ? 0 : progress.drawn();
             i < picture.items.size(); ++i)
            image.push_back(picture.items[i].item.coords[2]);
        progress.drew(picture);
        return step;
    }
};

class ScreenProgressTest : public RenderFixture {
  protected:
    void SetUp() override {
        RenderFixture::SetUp();
        ASSERT_EQ(open(), 1);
        screen_.follow(picture());
    }
    const Picture& picture() { return pictures_.open().at(1); }
    std::int32_t begin_frame() {
        return slot('B', 1, lumora::plotcore::kBufferedFrame, lumora::plotcore::kFrameBegin);
    }
    std::int32_t end_frame() {
        return slot('B', 1, lumora::plotcore::kBufferedFrame, lumora::plotcore::kFrameEnd);
    }
    // Lines ending at x = each value, each followed by the screen as the host does.
    void lines(const std::vector<std::int32_t>& ends) {
        for (std::int32_t x : ends) {
            line(1, 0, 0, x, 5);
            screen_.follow(picture());
        }
    }
    void erase() {
        ASSERT_EQ(slot('B', 1, 4), 1);
        screen_.follow(picture());
    }
    FakeScreen screen_;
};

TEST_F(ScreenProgressTest, WithoutFramesOnlyNewItemsAreDrawnAndAnErasureDrawsAnew) {
    lines({1, 2, 3});
    EXPECT_EQ(screen_.image, (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(screen_.made, 1);
    ASSERT_EQ(slot('B', 1, 26, 2), 1);
    EXPECT_EQ(screen_.follow(picture()), Step::kDrawAll);
    lines({4});
    EXPECT_EQ(screen_.image, (std::vector<std::int32_t>{1, 4}));
    EXPECT_FALSE(screen_.progress.take_released());
}

TEST_F(ScreenProgressTest, AHeldFrameKeepsTheImageUntilItEndsAndIsThenShownAtOnce) {
    lines({1, 2});
    EXPECT_FALSE(picture().held);
    ASSERT_EQ(begin_frame(), 1);
    EXPECT_TRUE(picture().held);
    erase();
    lines({7, 8, 9});                      // more items than the image held
    ASSERT_EQ(slot('B', 1, 23, 4, 0), 1);  // a new background too
    EXPECT_EQ(screen_.follow(picture()), Step::kNone);
    EXPECT_EQ(screen_.image, (std::vector<std::int32_t>{1, 2}));
    EXPECT_FALSE(screen_.progress.take_released());
    ASSERT_EQ(end_frame(), 1);
    EXPECT_FALSE(picture().held);
    EXPECT_EQ(screen_.follow(picture()), Step::kDrawAll);
    EXPECT_EQ(screen_.image, (std::vector<std::int32_t>{7, 8, 9}));
    EXPECT_TRUE(screen_.progress.take_released());
    EXPECT_FALSE(screen_.progress.take_released());
}

// Items only added in a frame are drawn onto the image when it ends; one removed and
// drawn again in the frame is not mistaken for one the image holds.
TEST_F(ScreenProgressTest, AFrameThatOnlyAddsDrawsTheNewItemsOnly) {
    lines({1, 2});
    ASSERT_EQ(begin_frame(), 1);
    lines({3});
    ASSERT_EQ(end_frame(), 1);
    EXPECT_EQ(screen_.follow(picture()), Step::kDrawNew);
    EXPECT_EQ(screen_.image, (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(screen_.made, 1);

    ASSERT_EQ(begin_frame(), 1);
    ASSERT_EQ(slot('B', 1, 26, 1), 1);
    screen_.follow(picture());
    lines({5, 6});
    ASSERT_EQ(end_frame(), 1);
    EXPECT_EQ(screen_.follow(picture()), Step::kDrawAll);
    EXPECT_EQ(screen_.image, (std::vector<std::int32_t>{1, 2, 5, 6}));
}

// Nested frames hold until the outermost ends; the quit lets go of every one.
TEST_F(ScreenProgressTest, NestedFramesHoldUntilTheLastEndOrTheQuit) {
    lines({1});
    ASSERT_EQ(begin_frame(), 1);
    ASSERT_EQ(begin_frame(), 1);
    lines({2});
    ASSERT_EQ(end_frame(), 1);
    EXPECT_EQ(screen_.follow(picture()), Step::kNone);
    ASSERT_EQ(begin_frame(), 1);
    lines({3});
    EXPECT_EQ(screen_.image, (std::vector<std::int32_t>{1}));
    ASSERT_EQ(send({'L', ',', '1', ',', 0}), 1);
    EXPECT_EQ(screen_.follow(picture()), Step::kDrawNew);
    EXPECT_EQ(screen_.image, (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_TRUE(screen_.progress.take_released());
}

// A page resized during a frame is not drawn half way: the image stays as it was.
TEST_F(ScreenProgressTest, AResizeDuringAFrameKeepsTheImage) {
    lines({1});
    ASSERT_EQ(begin_frame(), 1);
    erase();
    ASSERT_TRUE(core_->resize_window(1, 400, 300));
    pictures_.after_command(*core_);
    EXPECT_EQ(screen_.follow(picture()), Step::kNone);
    EXPECT_EQ(screen_.image, (std::vector<std::int32_t>{1}));
    lines({2});
    ASSERT_EQ(end_frame(), 1);
    EXPECT_EQ(screen_.follow(picture()), Step::kDrawAll);
    EXPECT_EQ(screen_.image, (std::vector<std::int32_t>{2}));
}

// An item changed in place (a plot element replaced) keeps the count but not the image.
TEST(ScreenProgress, ItemsChangedInPlaceDrawThePictureAgain) {
    Picture picture;
    picture.items.resize(3);
    ScreenProgress progress;
    ASSERT_EQ(progress.step(picture, false), Step::kDrawAll);
    progress.drew(picture);
    picture.held = true;
    ++picture.rewrites;
    EXPECT_EQ(progress.step(picture, true), Step::kNone);
    picture.held = false;
    EXPECT_EQ(progress.step(picture, true), Step::kDrawAll);
    progress.drew(picture);
    picture.items.resize(4);
    EXPECT_EQ(progress.step(picture, true), Step::kDrawNew);
}

// A screen that has no image yet draws the picture as it is, held or not.
TEST(ScreenProgress, AHeldPictureIsDrawnWhereThereIsNoImageYet) {
    Picture picture;
    picture.held = true;
    ScreenProgress progress;
    EXPECT_EQ(progress.step(picture, false), Step::kDrawAll);
    progress.drew(picture);
    EXPECT_EQ(progress.step(picture, true), Step::kNone);
    picture.held = false;
    EXPECT_EQ(progress.step(picture, true), Step::kNone);
    EXPECT_TRUE(progress.take_released());
}

}  // namespace
}  // namespace luwnd::render::test
