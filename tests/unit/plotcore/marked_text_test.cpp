// Texts with markup laid out on the item canvas: each run a text item of its size, style
// and place, the whole aligned as one text, turned with the text; a text without markup
// stays one item aligned by the window process.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "plotcore/batch_format.h"
#include "plotcore/item_canvas.h"
#include "plotcore/marked_text.h"
#include "plotcore/markup_symbols.h"

namespace lumora::plotcore {
namespace {

constexpr double kPage = 400, kHeight = 20;

// Every character 0.5 heights wide, italic ones 0.6, a named symbol 0.8; 0.75 of a line
// above the baseline.
FontWidths widths_of(float advance) {
    FontWidths w;
    w.advance.fill(advance * kReferenceHeight);
    w.symbol_advance.fill(0.8f * kReferenceHeight);
    w.ascent = 0.75f * kReferenceHeight;
    w.descent = 0.25f * kReferenceHeight;
    return w;
}

class MarkedTextTest : public ::testing::Test {
  protected:
    FontWidths upright_ = widths_of(0.5f), italic_ = widths_of(0.6f);
    ItemCanvas canvas_{
        [this](int style) -> const FontWidths& { return (style & 2) != 0 ? italic_ : upright_; },
        true, kPage, 1};

    std::vector<Item> texts() {
        std::vector<Item> out;
        for (const Item& item : canvas_.items())
            if (item.kind == ItemKind::kText) out.push_back(item);
        return out;
    }
};

TEST_F(MarkedTextTest, ATextWithoutMarkupIsOneItemAlignedAsAsked) {
    draw_marked_text(canvas_, 100, 200, "E_kin", {kHeight, 0, kCentreTop, kBlack});
    const std::vector<Item> items = texts();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].text.bytes, "E_kin");
    EXPECT_EQ(items[0].text.h_align, HAlign::kCentre);
    EXPECT_EQ(items[0].text.v_align, VAlign::kTop);
    EXPECT_EQ(items[0].points[0], canvas_.place(100, 200));
    EXPECT_DOUBLE_EQ(marked_text_size(canvas_, "E_kin", kHeight).width, 5 * 0.5 * kHeight);
}

TEST_F(MarkedTextTest, RunsFollowEachOtherAtTheirSizesAndRaises) {
    draw_marked_text(canvas_, 100, 200, "$E_{kin}$ J", {kHeight, 0, kLeftBase, kBlack});
    const std::vector<Item> items = texts();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].text.bytes, "E");
    EXPECT_EQ(items[0].text.style, 2);
    EXPECT_EQ(items[0].points[0], canvas_.place(100, 200));
    EXPECT_EQ(items[1].text.bytes, "kin");
    EXPECT_FLOAT_EQ(items[1].text.height, static_cast<float>(0.7 * kHeight));
    const double after_e = 100 + 0.6 * kHeight;
    EXPECT_FLOAT_EQ(items[1].points[0].x, canvas_.place(after_e, 0).x);
    EXPECT_GT(items[1].points[0].y, items[0].points[0].y) << "lowered (batch y grows down)";
    const double after_kin = after_e + 3 * 0.6 * 0.7 * kHeight;
    EXPECT_FLOAT_EQ(items[2].points[0].x, canvas_.place(after_kin, 0).x);
    EXPECT_EQ(items[2].text.style, 0);
    for (const Item& item : items) {
        EXPECT_EQ(item.text.h_align, HAlign::kLeft);
        EXPECT_EQ(item.text.v_align, VAlign::kBaseline);
    }
    const TextSize size = marked_text_size(canvas_, "$E_{kin}$ J", kHeight);
    EXPECT_NEAR(size.width, after_kin + 2 * 0.5 * kHeight - 100, 1e-4);
    EXPECT_GT(size.height, kHeight) << "the subscript reaches below the line";
}

TEST_F(MarkedTextTest, SymbolsAreMarkedUtf8AndMeasuredAsSymbols) {
    draw_marked_text(canvas_, 0, 100, "$\\alpha=1$", {kHeight, 0, kLeftBase, kBlack});
    const std::vector<Item> items = texts();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].text.style, kTextUtf8Bytes);
    EXPECT_EQ(items[0].text.bytes, utf8_of(U'\u03B1'));
    EXPECT_EQ(items[1].text.style, 0);
    // alpha, room, '=', room, then '1'.
    EXPECT_NEAR(items[2].points[0].x - items[0].points[0].x, (0.8 + 2 * 5.0 / 18 + 0.5) * kHeight,
                1e-3);
}

TEST_F(MarkedTextTest, TheWholeIsAlignedAsOneText) {
    const std::string text = "$x^2$";
    const TextSize size = marked_text_size(canvas_, text, kHeight);
    draw_marked_text(canvas_, 200, 100, text, {kHeight, 0, kRightTop, kBlack});
    const std::vector<Item> items = texts();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_NEAR(items[0].points[0].x, canvas_.place(200 - size.width, 0).x, 1e-3);
    // Top: the superscript's top touches the anchor's line.
    const double baseline = 100 - size.ascent;
    EXPECT_NEAR(items[0].points[0].y, canvas_.place(0, baseline).y, 1e-3);
    EXPECT_GT(size.ascent, 0.75 * kHeight) << "the superscript reaches above the line";
}

TEST_F(MarkedTextTest, ATurnedTextTurnsItsRuns) {
    draw_marked_text(canvas_, 100, 100, "$a_1$", {kHeight, 0.25, kLeftBase, kBlack});
    const std::vector<Item> items = texts();
    ASSERT_EQ(items.size(), 2u);
    // A quarter turn: along the text is up the page, the subscript's drop is to the right.
    EXPECT_NEAR(items[1].points[0].y, canvas_.place(0, 100 + 0.6 * kHeight).y, 1e-3);
    EXPECT_GT(items[1].points[0].x, items[0].points[0].x);
    EXPECT_NEAR(items[1].text.angle, items[0].text.angle, 1e-6);
    EXPECT_NEAR(items[0].text.angle, std::numbers::pi / 2, 1e-6);
}

TEST_F(MarkedTextTest, TheCanvasStyleIsAsItWasAfterwards) {
    canvas_.font().style = 1;
    draw_marked_text(canvas_, 0, 100, "$a\\,b$", {kHeight, 0, kLeftBase, kBlack});
    EXPECT_EQ(canvas_.font().style, 1);
    const std::vector<Item> items = texts();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text.style, 3) << "a bold text's formula is bold italic";
}

}  // namespace
}  // namespace lumora::plotcore
