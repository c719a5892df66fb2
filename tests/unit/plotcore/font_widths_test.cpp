// Text widths from a face's measured advances: sums scaled to the height, UTF-8 sequences
// counted once, and a wire form that refuses what a peer could spoil.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "plotcore/font_widths.h"
#include "plotcore/markup_symbols.h"

namespace lumora::plotcore {
namespace {

FontWidths measured() {
    FontWidths w;
    for (std::size_t i = 0; i < kMeasuredCount; ++i) w.advance[i] = 300.0f + static_cast<float>(i);
    for (std::size_t i = 0; i < kSymbolCount; ++i)
        w.symbol_advance[i] = 700.0f + static_cast<float>(i);
    w.ascent = 760;
    w.descent = 240;
    return w;
}

TEST(FontWidths, AddsTheAdvancesScaledToTheHeight) {
    const FontWidths w = measured();
    const float a = w.advance['A' - kFirstMeasured], b = w.advance['b' - kFirstMeasured];
    EXPECT_FLOAT_EQ(text_width(w, "Ab", 20, true), (a + b) * 20 / kReferenceHeight);
    EXPECT_FLOAT_EQ(text_width(w, "", 20, true), 0);
    EXPECT_FLOAT_EQ(text_width(FontWidths::estimate(), "12345", 10, true), 30);
}

TEST(FontWidths, AUtf8SequenceIsOneCharacterOnlyInUtf8) {
    const FontWidths w = measured();
    const float n = w.advance['n' - kFirstMeasured];
    const std::string e_acute = "\xC3\xA9";
    EXPECT_FLOAT_EQ(text_width(w, e_acute, kReferenceHeight, true), n);
    EXPECT_FLOAT_EQ(text_width(w, e_acute, kReferenceHeight, false), 2 * n);
    EXPECT_FLOAT_EQ(text_width(w, "\xC3", kReferenceHeight, true), n) << "a sequence cut short";
}

TEST(FontWidths, NamedSymbolsHaveTheirOwnAdvance) {
    const FontWidths w = measured();
    const std::string omega = "\xCF\x89", infinity = "\xE2\x88\x9E";
    const float omega_advance = w.symbol_advance[std::size_t(symbol_index(U'\u03C9'))];
    EXPECT_GT(omega_advance, 700);
    EXPECT_FLOAT_EQ(text_width(w, omega + "x" + infinity, kReferenceHeight, true),
                    omega_advance + w.advance['x' - kFirstMeasured] +
                        w.symbol_advance[std::size_t(symbol_index(U'\u221E'))]);
    EXPECT_FLOAT_EQ(text_width(w, omega, kReferenceHeight, false),
                    2 * w.advance['n' - kFirstMeasured])
        << "code-page bytes are no symbols";
}

TEST(FontWidths, TravelsAndRefusesSpoiledValues) {
    const FontWidths w = measured();
    const std::vector<std::uint8_t> wire = to_wire(w);
    ASSERT_EQ(wire.size(), kFontWidthValues * 4);
    FontWidths back;
    ASSERT_TRUE(from_wire(wire, back));
    EXPECT_EQ(back.advance, w.advance);
    EXPECT_EQ(back.symbol_advance, w.symbol_advance);
    EXPECT_EQ(back.ascent, w.ascent);

    const auto spoiled = [&](std::size_t index, float v) {
        std::vector<std::uint8_t> bad = wire;
        std::memcpy(bad.data() + 4 * index, &v, sizeof v);
        FontWidths out = measured();
        out.ascent = 1;
        const bool ok = from_wire(bad, out);
        EXPECT_EQ(out.ascent, 1) << "left alone on failure";
        return ok;
    };
    EXPECT_FALSE(spoiled(0, 0));
    EXPECT_FALSE(spoiled(0, NAN));
    EXPECT_FALSE(spoiled(1, -1));
    EXPECT_FALSE(spoiled(10, INFINITY));
    EXPECT_FALSE(spoiled(10, 11 * kReferenceHeight));
    EXPECT_FALSE(spoiled(kFontWidthValues - 1, -2)) << "the last symbol";
    EXPECT_FALSE(from_wire(std::span(wire.data(), wire.size() - 1), back));
}

}  // namespace
}  // namespace lumora::plotcore
