// Colour entries: 'A' 5 sets one from a colour value, 'B' 9 reads one back.
#include "core_fixture.h"
#include "server/core/colour_table.h"

namespace luwnd::test {
namespace {

class ColourTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        ASSERT_EQ(open(), 1);
    }
    // 'B' 9 for the entry: the reply word in slot 2, or -12345 when refused.
    std::int32_t query(std::int32_t entry) {
        if (slot('B', 1, 9, entry) != 1) return -12345;
        return word(1, layout::kParam2);
    }
};

TEST_F(ColourTest, DefaultEntriesAnswerAsPackedRgb) {
    EXPECT_EQ(query(0), 0x000000);
    EXPECT_EQ(query(1), 0xFFFFFF);
    EXPECT_EQ(query(2), 0xFF0000);
    EXPECT_EQ(query(4), 0x0000FF);
    EXPECT_EQ(query(20), 0xFF0000);
    EXPECT_EQ(query(35), 0xFF0060);
}

TEST_F(ColourTest, RgbPaletteAndEntryNumberValues) {
    EXPECT_EQ(slot('A', 1, 5, 0x020080FF, 20), 1);  // red 255, green 128, blue 0
    EXPECT_EQ(query(20), 0xFF8000);
    EXPECT_EQ(slot('A', 1, 5, 0x02403020, 21), 1);  // red 0x20, green 0x30, blue 0x40
    EXPECT_EQ(query(21), 0x203040);
    EXPECT_EQ(slot('A', 1, 5, 0x01000000 | 5, 22), 1);
    EXPECT_EQ(query(22), 0xFFFF00);
    EXPECT_EQ(slot('A', 1, 5, 0x01000000 | 16, 22), 1);  // first of the colour cube
    EXPECT_EQ(query(22), 0x000000);
    EXPECT_EQ(slot('A', 1, 5, 0x01000000 | 231, 22), 1);
    EXPECT_EQ(query(22), 0xFFFFFF);
    EXPECT_EQ(slot('A', 1, 5, 0x01000000 | 255, 22), 1);
    EXPECT_EQ(query(22), 0xEEEEEE);
    EXPECT_EQ(slot('A', 1, 5, 20, 35), 1);  // copies entry 20 as it is now
    EXPECT_EQ(query(35), 0xFF8000);
    EXPECT_EQ(slot('A', 1, 5, 0x02FFFFFF, 20), 1);
    EXPECT_EQ(query(35), 0xFF8000);  // a copy, not a reference
}

TEST_F(ColourTest, BadValuesAndEntriesAreRefusedAndChangeNothing) {
    EXPECT_EQ(slot('A', 1, 5, -999, 3), 0);
    EXPECT_EQ(slot('A', 1, 5, -1, 3), 0);
    EXPECT_EQ(slot('A', 1, 5, 36, 3), 0);
    EXPECT_EQ(slot('A', 1, 5, 0x01000100, 3), 0);  // palette index 256
    EXPECT_EQ(slot('A', 1, 5, 0x03000000, 3), 0);
    EXPECT_EQ(slot('A', 1, 5, INT32_MIN, 3), 0);
    EXPECT_EQ(query(3), 0x00FF00);
    EXPECT_EQ(slot('A', 1, 5, 2, 36), 0);
    EXPECT_EQ(slot('A', 1, 5, 2, -1), 0);
    layout::write_i32(window_block(1), layout::kParam2, 36);
    EXPECT_EQ(query(36), -12345);
    EXPECT_EQ(word(1, layout::kParam2), 36);  // untouched on refusal
    EXPECT_EQ(query(-1), -12345);
    EXPECT_EQ(query(INT32_MAX), -12345);
}

TEST_F(ColourTest, OpenParametersThreeAndFourSetEntriesOneAndTwo) {
    ASSERT_EQ(send_text("I,0,0,0,33554687,5,-1,"), 2);  // 0x020000FF: red
    ASSERT_EQ(slot('B', 2, 9, 1), 2);
    EXPECT_EQ(word(2, layout::kParam2), 0xFF0000);
    ASSERT_EQ(slot('B', 2, 9, 2), 2);
    EXPECT_EQ(word(2, layout::kParam2), 0xFFFF00);
    EXPECT_EQ(query(1), 0xFFFFFF);  // window 1 keeps its own table
}

TEST(ColourValues, ResolveEveryForm) {
    ColourTable table;
    EXPECT_EQ(table.resolve(7), 0x00FFFFu);
    EXPECT_EQ(table.resolve(0x02563412), 0x123456u);
    EXPECT_EQ(table.resolve(0x010000FF), palette_colour(255));
    EXPECT_FALSE(table.resolve(-999));
    EXPECT_FALSE(table.resolve(0x01010000));
    EXPECT_EQ(palette_colour(16 + 36 + 6 + 1), 0x333333u);
    EXPECT_EQ(palette_colour(256), 0u);
}

}  // namespace
}  // namespace luwnd::test
