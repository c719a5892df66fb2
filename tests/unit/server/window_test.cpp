// Opening and closing windows, their drawing-state words and saved views.
#include "core_fixture.h"

namespace luwnd::test {
namespace {

using WindowTest = CoreFixture;

TEST_F(WindowTest, OpenWindowZeroTakesTheLowestNumber) {
    EXPECT_EQ(open(0), 1);
    std::size_t size = 0;
    ASSERT_NE(window_block(1, &size), nullptr);
    EXPECT_EQ(size, 2304u);
    EXPECT_EQ(process_text(), "1,");
    EXPECT_EQ(open(0), 2);
}

TEST_F(WindowTest, RequestedNumberIsUsedWhenFreeElseTheLowestFree) {
    EXPECT_EQ(open(5, "Spectrum"), 5);
    EXPECT_EQ(process_text(), "5,Spectrum");
    EXPECT_EQ(open(5, "Again"), 1);
    EXPECT_EQ(process_text(), "1,Again");
    EXPECT_EQ(open(64), 2);
    EXPECT_EQ(open(-3), 3);
    EXPECT_NE(window_block(5), nullptr);
}

TEST_F(WindowTest, OpenFailsWhenAllWindowsAreOpenOrTheTextIsBad) {
    for (int n = 1; n <= 63; ++n) ASSERT_EQ(open(0), n);
    EXPECT_EQ(open(0), 0);
    EXPECT_EQ(send_text("I,0,0,0,-1,-1"), 0);
    EXPECT_EQ(send_text("I,0,0,0,-1,-1,-1"), 0);
}

TEST_F(WindowTest, NewWindowHasAPageAndTheOriginAtItsLowerLeftCorner) {
    ASSERT_EQ(open(), 1);
    std::uint8_t* b = window_block(1);
    EXPECT_EQ(layout::read_i32(b, layout::kPageWidth), 640);
    EXPECT_EQ(layout::read_i32(b, layout::kPageHeight), 480);
    EXPECT_EQ(layout::read_i32(b, layout::kUnitLength), 480);
    EXPECT_EQ(layout::read_i32(b, layout::kOriginX), 0);
    EXPECT_EQ(layout::read_i32(b, layout::kOriginY), 480);
    EXPECT_FLOAT_EQ(layout::read_f32(b, layout::kViewX2), 640.0f / 480.0f);
    EXPECT_FLOAT_EQ(layout::read_f32(b, layout::kViewY2), 1.0f);
    EXPECT_LT(layout::read_i32(b, layout::kPenX), 0);
}

TEST_F(WindowTest, ViewportCommandMovesTheOrigin) {
    ASSERT_EQ(open(), 1);
    std::uint8_t* b = window_block(1);
    layout::write_f32(b, layout::kViewX1, 0.25f);
    layout::write_f32(b, layout::kViewY1, 0.5f);
    EXPECT_EQ(slot('B', 1, 19), 1);
    EXPECT_EQ(layout::read_i32(b, layout::kOriginX), 120);
    EXPECT_EQ(layout::read_i32(b, layout::kOriginY), 240);
    layout::write_f32(b, layout::kViewX1, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(slot('B', 1, 41), 1);
    EXPECT_EQ(layout::read_i32(b, layout::kOriginX), INT32_MIN);
}

TEST_F(WindowTest, CloseAnswersTheWindowThatBecomesCurrent) {
    ASSERT_EQ(open(), 1);
    ASSERT_EQ(open(), 2);
    ASSERT_EQ(open(), 3);
    EXPECT_EQ(slot('J', 1, 0), 3);  // not the current one: 3 stays current
    EXPECT_EQ(window_block(1), nullptr);
    EXPECT_EQ(slot('J', 3, 0), 2);
    EXPECT_EQ(slot('J', 3, 0), 0);  // already closed
    EXPECT_EQ(slot('J', 2, 0), 0);
    EXPECT_EQ(window_block(2), nullptr);
    EXPECT_EQ(slot('J', 0, 0), 0);
    EXPECT_EQ(slot('J', 64, 0), 0);
    EXPECT_EQ(open(), 1);  // the number is free again
}

// The host watches the slots the client writes next: those of open windows only.
TEST_F(WindowTest, TheSlotsOfAWindowAreInItsBlockWhileItIsOpen) {
    ASSERT_EQ(open(), 1);
    ASSERT_EQ(open(), 2);
    EXPECT_EQ(core_->slots_of(2), window_block(2) + layout::kParam1);
    EXPECT_EQ(core_->slots_of(1), window_block(1) + layout::kParam1);
    EXPECT_EQ(core_->last_slot_window(), 0);
    slot('A', 1, 2);
    EXPECT_EQ(core_->last_slot_window(), 1);
    slot('J', 2, 0);
    EXPECT_EQ(core_->last_slot_window(), 2);
    EXPECT_EQ(core_->slots_of(2), nullptr);
    EXPECT_EQ(core_->slots_of(0), nullptr);
    EXPECT_EQ(core_->slots_of(64), nullptr);
    EXPECT_EQ(core_->slots_of(-1), nullptr);
}

TEST_F(WindowTest, SavedViewsComeBackOnRestore) {
    ASSERT_EQ(open(), 1);
    std::uint8_t* b = window_block(1);
    EXPECT_EQ(slot('B', 1, 24, 0), 1);  // what the client sends right after the open
    layout::write_f32(b, layout::kWorldX2, 10.0f);
    layout::write_i32(b, layout::kOriginX, 77);
    EXPECT_EQ(slot('B', 1, 24, 1), 1);
    layout::write_f32(b, layout::kWorldX2, 20.0f);
    layout::write_i32(b, layout::kOriginX, 88);
    EXPECT_EQ(slot('B', 1, 24, 2), 1);

    EXPECT_EQ(slot('B', 1, 25, 1), 1);
    EXPECT_FLOAT_EQ(layout::read_f32(b, layout::kWorldX2), 10.0f);
    EXPECT_EQ(layout::read_i32(b, layout::kOriginX), 77);
    EXPECT_EQ(slot('B', 1, 25, 0), 1);
    EXPECT_FLOAT_EQ(layout::read_f32(b, layout::kWorldX2), 640.0f / 480.0f);
    EXPECT_EQ(layout::read_i32(b, layout::kOriginX), 0);
    EXPECT_EQ(slot('B', 1, 25, 2), 1);
    EXPECT_EQ(layout::read_i32(b, layout::kOriginX), 88);
    EXPECT_EQ(slot('B', 1, 25, 9), 0);  // never saved: block unchanged
    EXPECT_EQ(layout::read_i32(b, layout::kOriginX), 88);
}

TEST_F(WindowTest, ViewTableIsBounded) {
    ASSERT_EQ(open(), 1);
    for (int v = 0; v < 256; ++v) ASSERT_EQ(slot('B', 1, 24, v * 1000), 1);
    EXPECT_EQ(slot('B', 1, 24, 7), 0);
    EXPECT_EQ(slot('B', 1, 24, 5000), 1);  // overwriting a saved number still works
}

TEST_F(WindowTest, ViewsBelongToTheirWindow) {
    ASSERT_EQ(open(), 1);
    ASSERT_EQ(open(), 2);
    EXPECT_EQ(slot('B', 1, 24, 4), 1);
    EXPECT_EQ(slot('B', 2, 25, 4), 0);
}

TEST_F(WindowTest, AcknowledgeAndMetricQueryAnswerTheWindow) {
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(slot('A', 1, 2), 1);
    EXPECT_EQ(slot('E', 1, 1), 1);
    std::uint8_t* b = window_block(1);
    EXPECT_EQ(layout::read_i32(b, layout::kResult1), 640);
    EXPECT_EQ(layout::read_i32(b, layout::kResult2), 480);
    EXPECT_EQ(slot('E', 1, 10), 1);
    EXPECT_EQ(layout::read_i32(b, layout::kResult1), 96);
    EXPECT_EQ(slot('E', 1, 15), 0);
}

TEST_F(WindowTest, SlotCommandsToUnopenedWindowsOrUnknownCodesGetZero) {
    EXPECT_EQ(slot('A', 1, 2), 0);
    EXPECT_EQ(slot('A', 0, 2), 0);
    EXPECT_EQ(slot('A', 95, 2), 0);
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(slot('A', 1, 99), 0);
    EXPECT_EQ(slot('B', 1, 99), 0);
    EXPECT_EQ(slot('Z', 1, 2), 0);
    EXPECT_EQ(send({'P', ' ', ')', 0}), 0);  // 'P' code 9 means nothing
}

}  // namespace
}  // namespace luwnd::test
