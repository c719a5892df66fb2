// Font widths: the reply decodes as the library reads it; measured with the host's
// measure once per face and style, the estimate without one.
#include <span>

#include "plot_fixture.h"
#include "plotcore/font_widths.h"
#include "server/core/font_widths_cache.h"
#include "server/core/text_metrics.h"

namespace luwnd::test {
namespace {

// Each character as wide as its code minus 31 tenths of the height, bold ones twice as
// wide; a line 1.2 heights high with 0.9 above the baseline; a UTF-8 text (the named
// symbols) as many tenths of the height as it has bytes, plus one height. Counts what it
// measured.
class CountingMeasure : public TextMeasure {
  public:
    std::optional<std::array<std::int32_t, 4>> measure(const FontState& font,
                                                       std::string_view bytes) override {
        ++calls;
        faces.emplace_back(font.face);
        if (fail || bytes.size() != 1) return std::nullopt;
        const std::int32_t width = (static_cast<unsigned char>(bytes[0]) - 31) * font.size / 10;
        return std::array<std::int32_t, 4>{(font.style & 1) != 0 ? 2 * width : width,
                                           font.size * 12 / 10, font.size / 2, font.size * 9 / 10};
    }
    std::optional<std::array<std::int32_t, 4>> measure_utf8(const FontState& font,
                                                            std::string_view bytes) override {
        ++utf8_calls;
        if (fail || fail_utf8) return std::nullopt;
        const auto width = static_cast<std::int32_t>(font.size + bytes.size() * font.size / 10);
        return std::array<std::int32_t, 4>{width, font.size * 12 / 10, font.size / 2,
                                           font.size * 9 / 10};
    }
    int calls = 0, utf8_calls = 0;
    bool fail = false, fail_utf8 = false;
    std::vector<std::string> faces;
};

class FontWidthsTest : public PlotFixture {
  protected:
    std::int32_t ask(std::int32_t style, const std::string& face = {}) {
        put_text(1, face);
        return slot('B', 1, plotcore::kFontWidths, style);
    }
    plotcore::FontWidths reply() {
        plotcore::FontWidths widths;
        widths.reference_height = -1;
        const std::span<const std::uint8_t> text(window_block(1) + layout::kText,
                                                 layout::kTextSize);
        EXPECT_TRUE(plotcore::from_wire(text, widths));
        return widths;
    }
    static bool same(const plotcore::FontWidths& a, const plotcore::FontWidths& b) {
        return a.reference_height == b.reference_height && a.ascent == b.ascent &&
               a.descent == b.descent && a.advance == b.advance &&
               a.symbol_advance == b.symbol_advance;
    }
};

TEST_F(FontWidthsTest, WithoutAMeasureTheReplyIsTheEstimate) {
    for (std::int32_t style : {0, 1, 2, 3}) {
        ASSERT_EQ(ask(style), 1);
        EXPECT_TRUE(same(reply(), plotcore::FontWidths::estimate())) << style;
    }
    ASSERT_EQ(ask(0, "Serif"), 1);
    EXPECT_TRUE(same(reply(), plotcore::FontWidths::estimate()));
}

TEST_F(FontWidthsTest, StylesAndFacesOutOfRangeAreRefused) {
    for (std::int32_t style : {-1, 4, 255}) EXPECT_EQ(ask(style), 0) << style;
    EXPECT_EQ(ask(0, std::string(256, 'F')), 0);
    EXPECT_EQ(ask(0, std::string(255, 'F')), 1);
}

class MeasuredFontWidthsTest : public FontWidthsTest {
  protected:
    MeasuredFontWidthsTest() { text_measure_ = &measure_; }
    CountingMeasure measure_;
};

TEST_F(MeasuredFontWidthsTest, TheHostsMeasureGivesTheWidthsOncePerFaceAndStyle) {
    ASSERT_EQ(ask(0), 1);
    plotcore::FontWidths plain = reply();
    EXPECT_EQ(plain.reference_height, plotcore::kReferenceHeight);
    EXPECT_EQ(plain.advance_of(' '), 100);
    EXPECT_EQ(plain.advance_of('~'), 9500);
    EXPECT_EQ(plain.ascent, 900);
    EXPECT_EQ(plain.descent, 300);
    const int measured = measure_.calls;
    EXPECT_EQ(measured, static_cast<int>(plotcore::kMeasuredCount));
    EXPECT_EQ(measure_.utf8_calls, static_cast<int>(plotcore::kSymbolCount));
    EXPECT_EQ(plain.advance_of_code(U'\u221E'), 1300) << "the infinity sign, three bytes";
    EXPECT_EQ(plain.advance_of_code(U'\u00B1'), 1200) << "the plus-minus sign, two bytes";
    ASSERT_EQ(ask(0), 1);
    EXPECT_EQ(measure_.calls, measured) << "kept from the first time";
    EXPECT_TRUE(same(reply(), plain));
    ASSERT_EQ(ask(1), 1);
    EXPECT_EQ(reply().advance_of('A'), 2 * plain.advance_of('A'));
    ASSERT_EQ(ask(1, "Serif"), 1);
    EXPECT_EQ(measure_.calls, 3 * measured);
    EXPECT_EQ(measure_.faces.back(), "Serif");
}

TEST_F(MeasuredFontWidthsTest, AMeasureThatFailsGivesTheEstimate) {
    measure_.fail = true;
    ASSERT_EQ(ask(2), 1);
    EXPECT_TRUE(same(reply(), plotcore::FontWidths::estimate()));
}

TEST_F(MeasuredFontWidthsTest, SymbolsThatCannotBeMeasuredTakeTheWidthOfN) {
    measure_.fail_utf8 = true;
    ASSERT_EQ(ask(0), 1);
    const plotcore::FontWidths widths = reply();
    EXPECT_EQ(widths.advance_of('A'), 3400) << "the characters are measured still";
    EXPECT_EQ(widths.advance_of_code(U'\u03B1'), widths.advance_of('n'));
}

// Faces come from programs: the cache holds a bounded number of them.
TEST(FontWidthsCacheTest, StartsAgainPastItsBound) {
    CountingMeasure measure;
    FontWidthsCache cache(&measure);
    for (std::size_t i = 0; i <= FontWidthsCache::kMaxEntries; ++i)
        cache.get("face" + std::to_string(i), 0);
    EXPECT_LE(cache.size(), FontWidthsCache::kMaxEntries);
    EXPECT_GE(cache.size(), 1u);
}

}  // namespace
}  // namespace luwnd::test
