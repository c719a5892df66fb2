// The text and symbol fonts: what is stored, what counts as a change, when it is sent.
#include <cmath>

#include "text_fixture.h"

namespace lumora::test {
namespace {

using FontTest = TextTest;

TEST_F(FontTest, CounterCountsHeightAngleStyleAndFaceButNotAlignmentOrColour) {
    fake().results = {window(), window(), window()};
    EXPECT_EQ(lu_set_font(1.0f, 0.25f, 2, 5, 0x02000010, "Arial"), window());
    EXPECT_EQ(last_command(), command('A'));
    EXPECT_EQ(last().param1, 9);
    EXPECT_EQ(last().param2, 4);
    EXPECT_EQ(last_text(), "Arial");
    EXPECT_EQ(word(layout::kFontSize), 60);
    EXPECT_EQ(word(layout::kFontAngle), 900);
    EXPECT_EQ(word(layout::kFontAlign), 2);
    EXPECT_EQ(word(layout::kFontAttr4), 5);
    EXPECT_EQ(word(layout::kFontAttr5), 0x02000010);

    // The same font again with an empty face: nothing to rebuild, but still sent.
    EXPECT_EQ(lu_set_font(1.0f, 0.25f, 7, 5, 3, ""), window());
    EXPECT_EQ(last().param2, 0);
    EXPECT_EQ(last_text(), "");
    EXPECT_EQ(word(layout::kFontAlign), 7);
    EXPECT_EQ(word(layout::kFontAttr5), 3);

    // Only the style differs; any style but -1 is one.
    EXPECT_EQ(lu_set_font(-1.0f, 0.25f, -1, -2, -1, nullptr), window());
    EXPECT_EQ(last().param2, 1);
    EXPECT_EQ(word(layout::kFontAttr4), -2);
    EXPECT_EQ(word(layout::kFontAlign), 7);
    EXPECT_EQ(word(layout::kFontAttr5), 3);
    // The symbol font's words are not the text font's.
    EXPECT_EQ(word(layout::kFont2Size), 0);
    EXPECT_EQ(word(layout::kFont2Attr4), 0);
}

TEST_F(FontTest, HeightZeroTakesTheDefaultAndNegativeOrNanKeeps) {
    fake().results = {window(), window(), window(), window()};
    lu_set_font(0.0f, 0.0f, -1, -1, -1, nullptr);
    EXPECT_EQ(word(layout::kFontSize), 20);  // 600 / 30
    EXPECT_EQ(last().param2, 1);
    lu_set_font(-2.0f, 0.0f, -1, -1, -1, nullptr);
    EXPECT_EQ(word(layout::kFontSize), 20);
    EXPECT_EQ(last().param2, 0);
    lu_set_font(std::nanf(""), 0.0f, -1, -1, -1, nullptr);
    EXPECT_EQ(word(layout::kFontSize), 20);
    // A height too large for the device is refused rather than wrapped.
    lu_set_font(1e30f, 0.0f, -1, -1, -1, nullptr);
    EXPECT_EQ(word(layout::kFontSize), 20);
    EXPECT_EQ(last().param2, 0);
}

TEST_F(FontTest, HeightInPixelModeIsRoundedPixels) {
    layout::write_i32(block(), layout::kPixelMode, 1);
    fake().results = {window()};
    lu_set_font(12.4f, 0.0f, -1, -1, -1, nullptr);
    EXPECT_EQ(word(layout::kFontSize), 12);
}

TEST_F(FontTest, AnglesWrapOnceAndAFullTurnIsIgnored) {
    fake().results = {window(), window(), window(), window(), window()};
    lu_set_font(-1.0f, -0.25f, -1, -1, -1, nullptr);
    EXPECT_EQ(word(layout::kFontAngle), 2700);
    EXPECT_EQ(last().param2, 1);
    lu_set_font(-1.0f, 1.0f, -1, -1, -1, nullptr);
    EXPECT_EQ(word(layout::kFontAngle), 2700);
    EXPECT_EQ(last().param2, 0);
    lu_set_font(-1.0f, -1.0f, -1, -1, -1, nullptr);
    EXPECT_EQ(word(layout::kFontAngle), 2700);
    // The product is taken as a 32-bit real: 0.7 turns is 2520, not 2519.
    lu_set_font(-1.0f, 0.7f, -1, -1, -1, nullptr);
    EXPECT_EQ(word(layout::kFontAngle), 2520);
    lu_set_font(-1.0f, std::nanf(""), -1, -1, -1, nullptr);
    EXPECT_EQ(word(layout::kFontAngle), 2520);
}

TEST_F(FontTest, WindowFormTakesDeviceUnitsAtTheAngleLimits) {
    fake().results = {window(), window(), window(), window()};
    lu_set_font_in_window(window(), 33, -3599, 8, -1, -1, nullptr);
    EXPECT_EQ(word(layout::kFontSize), 33);
    EXPECT_EQ(word(layout::kFontAngle), 1);
    EXPECT_EQ(word(layout::kFontAlign), 8);
    EXPECT_EQ(last().param2, 2);
    lu_set_font_in_window(window(), -1, 3599, 9, -1, -1, nullptr);
    EXPECT_EQ(word(layout::kFontAngle), 3599);
    EXPECT_EQ(word(layout::kFontAlign), 8);
    lu_set_font_in_window(window(), -1, 3600, -1, -1, -1, nullptr);
    lu_set_font_in_window(window(), -1, -3600, -1, -1, -1, nullptr);
    EXPECT_EQ(word(layout::kFontAngle), 3599);
    EXPECT_EQ(last().param2, 0);
    const std::size_t before = sent_count();
    EXPECT_EQ(lu_set_font_in_window(9, 10, 0, 0, 0, 0, "x"), 0);
    EXPECT_EQ(sent_count(), before);
}

TEST_F(FontTest, SymbolFontIsSentOnlyWhenSomethingWasGiven) {
    layout::write_i32(block(), layout::kFont2Angle, 450);
    EXPECT_EQ(lu_set_symbol_font(-1.0f, 0.125f, -1, -1, -1, ""), 0);
    EXPECT_EQ(sent_count(), 0u);

    fake().results = {window(), window(), window(), window(), window()};
    EXPECT_EQ(lu_set_symbol_font(-1.0f, 0.125f, -1, -1, -1, "Symbol"), window());
    EXPECT_EQ(last_command(), command('A'));
    EXPECT_EQ(last().param1, 10);
    EXPECT_EQ(last().param2, 1);
    EXPECT_EQ(last_text(), "Symbol");
    // A style equal to the stored one, an alignment or a colour is sent without a change.
    lu_set_symbol_font(-1.0f, 0.125f, -1, 0, -1, nullptr);
    EXPECT_EQ(last().param2, 0);
    lu_set_symbol_font(-1.0f, 0.125f, 4, -1, -1, nullptr);
    EXPECT_EQ(word(layout::kFont2Align), 4);
    lu_set_symbol_font(-1.0f, 0.125f, -1, -1, 12, nullptr);
    EXPECT_EQ(word(layout::kFont2Attr5), 12);
    EXPECT_EQ(sent_count(), 4u);
    lu_set_symbol_font(0.5f, 0.0f, -1, -1, -1, nullptr);
    EXPECT_EQ(last().param2, 2);
    EXPECT_EQ(word(layout::kFont2Size), 30);
    EXPECT_EQ(word(layout::kFont2Angle), 0);
    EXPECT_EQ(word(layout::kFontSize), 0);
    // The same height again gives nothing new.
    EXPECT_EQ(lu_set_symbol_font(0.5f, 0.0f, 9, -1, -1, nullptr), 0);
    EXPECT_EQ(sent_count(), 5u);
}

TEST_F(FontTest, ReferenceFormsDropTrailingBlanksOfTheFace) {
    const float height = 1.0f, angle = 0.0f;
    const int align = -1, style = -1, colour = -1;
    int result = -5;
    fake().results = {window(), 0, window()};
    EXPECT_EQ(lu_set_font_(&result, &height, &angle, &align, &style, &colour, "Courier     ", 12),
              window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(last_text(), "Courier");
    EXPECT_EQ(last().param2, 2);  // height and face
    // A face of blanks is no face; the failed command's 0 reaches the result variable.
    EXPECT_EQ(lu_set_font_(&result, &height, &angle, &align, &style, &colour, "    ", 4), 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(last_text(), "");
    EXPECT_EQ(last().param2, 0);
    EXPECT_EQ(lu_set_symbol_font_(&result, &height, &angle, &align, &style, &colour, "abc     ", 8),
              window());
    EXPECT_EQ(last().param1, 10);
    EXPECT_EQ(last_text(), "abc");
}

}  // namespace
}  // namespace lumora::test
