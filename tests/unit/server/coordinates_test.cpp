// Coordinate systems: origin recomputation, saved views, the viewport query and the small
// window settings 'G', 'B' 16, 'B' 22 and 'E' 14.
#include "core_fixture.h"

namespace luwnd::test {
namespace {

class CoordinatesTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        ASSERT_EQ(open(), 1);
        b_ = window_block(1);
    }
    void viewport(float x1, float y1, float x2, float y2) {
        layout::write_f32(b_, layout::kViewX1, x1);
        layout::write_f32(b_, layout::kViewY1, y1);
        layout::write_f32(b_, layout::kViewX2, x2);
        layout::write_f32(b_, layout::kViewY2, y2);
    }
    std::uint8_t* b_ = nullptr;
};

TEST_F(CoordinatesTest, WorldAndViewportCommandsRecomputeTheOriginFromTheViewport) {
    viewport(0.1f, 0.2f, 1.0f, 0.9f);
    layout::write_f32(b_, layout::kWorldX1, -5.0f);
    EXPECT_EQ(slot('B', 1, 41), 1);
    EXPECT_EQ(word(1, layout::kOriginX), 48);        // 0.1 * 480
    EXPECT_EQ(word(1, layout::kOriginY), 480 - 96);  // height - 0.2 * 480
    viewport(0.5f, 0.5f, 1.0f, 1.0f);
    EXPECT_EQ(slot('B', 1, 19), 1);
    EXPECT_EQ(word(1, layout::kOriginX), 240);
    EXPECT_EQ(word(1, layout::kOriginY), 240);
}

TEST_F(CoordinatesTest, PageWordsWrittenByAClientAreRestoredFromTheWindow) {
    layout::write_i32(b_, layout::kPageWidth, -7);
    layout::write_i32(b_, layout::kPageHeight, 0);
    layout::write_i32(b_, layout::kUnitLength, 1000000);
    EXPECT_EQ(slot('B', 1, 19), 1);
    EXPECT_EQ(word(1, layout::kPageWidth), 640);
    EXPECT_EQ(word(1, layout::kPageHeight), 480);
    EXPECT_EQ(word(1, layout::kUnitLength), 480);
    EXPECT_EQ(word(1, layout::kOriginY), 480);
}

TEST_F(CoordinatesTest, RestoredViewBringsBackEveryDrawingStateWord) {
    viewport(0.1f, 0.5f, 1.2f, 0.95f);
    layout::write_f32(b_, layout::kXScale, 60.0f);
    layout::write_f32(b_, layout::kYScale, -40.0f);
    layout::write_f32(b_, layout::kWorldX1, 1.0f);
    layout::write_f32(b_, layout::kWorldY2, 9.0f);
    layout::write_i32(b_, layout::kPixelMode, 0);
    ASSERT_EQ(slot('B', 1, 41), 1);
    ASSERT_EQ(slot('A', 1, 11, 30, 40), 1);
    words(1, layout::kPenX, {30, 40});
    std::vector<std::uint8_t> saved(b_, b_ + 76);
    ASSERT_EQ(slot('B', 1, 24, 1), 1);

    viewport(0.0f, 0.0f, 0.5f, 0.5f);
    layout::write_f32(b_, layout::kXScale, 1.0f);
    layout::write_i32(b_, layout::kPixelMode, 1);
    ASSERT_EQ(slot('B', 1, 41), 1);
    ASSERT_EQ(slot('A', 1, 11, 5, 6), 1);
    words(1, layout::kPenX, {5, 6});

    ASSERT_EQ(slot('B', 1, 25, 1), 1);
    EXPECT_EQ(std::vector<std::uint8_t>(b_, b_ + 76), saved);
    // The position came back too: the next line starts at the saved point.
    ASSERT_EQ(slot('A', 1, 20, 50, 60), 1);
    ASSERT_EQ(items(1).size(), 1u);
    EXPECT_EQ(items(1)[0].coords[0], 30);
    EXPECT_EQ(items(1)[0].coords[1], 40);
}

TEST_F(CoordinatesTest, ViewportQueryAnswersTheViewportInDevicePixels) {
    viewport(0.25f, 0.5f, 1.0f, 0.75f);
    EXPECT_EQ(slot('B', 1, 31), 1);
    EXPECT_EQ(word(1, layout::kResult1), 120);  // left
    EXPECT_EQ(word(1, layout::kResult2), 120);  // top: 480 - 0.75 * 480
    EXPECT_EQ(word(1, layout::kResult3), 480);  // right
    EXPECT_EQ(word(1, layout::kResult4), 240);  // bottom
    layout::write_f32(b_, layout::kViewX2, std::numeric_limits<float>::infinity());
    EXPECT_EQ(slot('B', 1, 31), 1);
    EXPECT_EQ(word(1, layout::kResult3), INT32_MIN);
}

TEST_F(CoordinatesTest, GCodesAndB16ValuesAreStoredPerWindow) {
    EXPECT_EQ(state(1).g_code, -1);
    EXPECT_EQ(slot('G', 1, 7), 1);
    EXPECT_EQ(slot('G', 1, 25), 1);
    EXPECT_EQ(slot('G', 1, -1), 1);  // a client's "no code": nothing changes
    EXPECT_EQ(slot('G', 1, -2), 1);
    EXPECT_EQ(state(1).g_code, 7);
    EXPECT_EQ(state(1).g_open_code, 10);
    EXPECT_EQ(slot('G', 1, 26), 0);
    EXPECT_EQ(slot('G', 1, -3), 0);
    EXPECT_EQ(slot('G', 1, INT32_MIN), 0);
    EXPECT_EQ(slot('B', 1, 16, 8), 1);
    EXPECT_EQ(slot('B', 1, 16, 9), 0);
    EXPECT_EQ(slot('B', 1, 16, 0), 0);
    EXPECT_EQ(state(1).b16_value, 8);
    ASSERT_EQ(send_text("I,0,0,0,-1,-1,3,"), 2);
    EXPECT_EQ(state(2).g_open_code, 3);
    EXPECT_EQ(state(2).b16_value, 0);
}

TEST_F(CoordinatesTest, B22AcknowledgesAndMakesTheWindowCurrent) {
    ASSERT_EQ(open(), 2);
    ASSERT_EQ(open(), 3);
    EXPECT_EQ(slot('B', 1, 22), 1);
    EXPECT_EQ(slot('J', 2, 0), 1);  // window 1 is current now and stays so
    EXPECT_EQ(slot('B', 2, 22), 0);
}

TEST_F(CoordinatesTest, E14CountsItemsRoomMessagesAndQuestions) {
    ASSERT_EQ(slot('A', 1, 11, 1, 1), 1);
    ASSERT_EQ(slot('A', 1, 20, 2, 2), 1);
    put_text(1, "hello");
    ASSERT_EQ(slot('B', 1, 2), 1);
    ASSERT_EQ(slot('B', 1, 3), 1);
    ASSERT_EQ(slot('B', 1, 3), 1);
    EXPECT_EQ(slot('E', 1, 14), 1);
    EXPECT_EQ(word(1, layout::kResult1), 1);
    EXPECT_EQ(word(1, layout::kResult2), 999999);
    EXPECT_EQ(word(1, layout::kResult3), 1);
    EXPECT_EQ(word(1, layout::kResult4), 2);
}

}  // namespace
}  // namespace luwnd::test
