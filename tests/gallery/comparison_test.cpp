// The comparison rule itself, and proof on real scenes that it notices real changes while
// passing a page against itself.
#include <gtest/gtest.h>

#include <iostream>

#include "image_compare.h"
#include "scene_render.h"

namespace lumora::gallery {
namespace {

constexpr int kWidth = 320, kHeight = 240;

TEST(ComparisonRule, AChannelCountsOnlyBeyondTheThreshold) {
    EXPECT_FALSE(pixels_differ(0x102030, 0x102030, 40));
    EXPECT_FALSE(pixels_differ(0x000000, 0x282828, 40));  // 40 in every channel
    EXPECT_TRUE(pixels_differ(0x000000, 0x002900, 40));   // 41 in green alone
    EXPECT_TRUE(pixels_differ(0xFF0000, 0xD60000, 40));   // 41 down in red
    EXPECT_TRUE(pixels_differ(0x0000FF, 0x0000D6, 40));   // and in blue
}

TEST(ComparisonRule, APageFailsBeyondItsShareOfDifferingPixels) {
    const Image expected(kWidth, kHeight, 0xFFFFFF);
    Image actual = expected;
    const Tolerance tolerance;
    // 0.1 % of 76800 pixels is 76.8.
    for (int i = 0; i < 76; ++i) actual.at(i % kWidth, i / kWidth) = 0;
    Comparison result = compare(actual, expected, tolerance);
    EXPECT_EQ(result.strict_differing, 76);
    EXPECT_TRUE(result.passes(tolerance));
    actual.at(100, 100) = 0;
    result = compare(actual, expected, tolerance);
    EXPECT_EQ(result.strict_differing, 77);
    EXPECT_FALSE(result.passes(tolerance)) << result.summary();
    EXPECT_EQ(result.difference.at(100, 100), 0xFF0000u);
    EXPECT_NE(result.difference.at(200, 200), 0xFF0000u);
}

TEST(ComparisonRule, PagesOfAnotherSizeNeverPass) {
    const Comparison result =
        compare(Image(kWidth, kHeight - 1, 0), Image(kWidth, kHeight, 0), Tolerance{});
    EXPECT_FALSE(result.same_size);
    EXPECT_FALSE(result.passes(Tolerance{}));
    EXPECT_FALSE(compare(Image(), Image(), Tolerance{}).passes(Tolerance{}));
}

// Vertical strokes of one pixel, 12 high, every 5 pixels, as glyphs have them.
Image strokes(int shift) {
    Image page(kWidth, kHeight, 0xFFFFFF);
    for (int x = 2 + shift; x < 150 + shift; x += 5)
        for (int y = 20; y < 32; ++y) page.at(x, y) = 0;
    return page;
}

TEST(ComparisonRule, TextRegionsForgiveGlyphsAPixelOff) {
    Tolerance tolerance;
    tolerance.loose = {{0, 16, 176, 36}};
    Comparison result = compare(strokes(1), strokes(0), tolerance);
    ASSERT_EQ(result.region_cells, std::vector<long>{44 * 5});
    EXPECT_EQ(result.region_differing[0], 0);
    EXPECT_EQ(result.strict_differing, 0);
    EXPECT_TRUE(result.passes(tolerance)) << result.summary();
    // The strict rule alone would fail the same page.
    const Tolerance strict;
    EXPECT_FALSE(compare(strokes(1), strokes(0), strict).passes(strict));
    // Twenty pixels off is a moved text.
    result = compare(strokes(20), strokes(0), tolerance);
    EXPECT_FALSE(result.passes(tolerance)) << result.summary();
}

TEST(ComparisonRule, EachTextRegionHasItsOwnBudget) {
    Tolerance tolerance;
    tolerance.loose = {{0, 0, 80, 80}, {160, 0, 320, 240}};  // 400 and 2400 cells
    const Image expected(kWidth, kHeight, 0xFFFFFF);
    Image actual = expected;
    // Solid blocks of 8 x 8 pixels, four cells each, in the small region: 5 % of its 400
    // cells are 20, so five blocks pass and a sixth does not, however many cells the
    // page's text regions have together.
    Comparison result;
    for (int b = 0; b < 6; ++b) {
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) actual.at(8 + 12 * b + x, 40 + y) = 0;
        result = compare(actual, expected, tolerance);
        EXPECT_EQ(result.region_differing[0], 4 * (b + 1));
        EXPECT_EQ(result.region_differing[1], 0);
        EXPECT_EQ(result.passes(tolerance), b < 5) << b << ": " << result.summary();
    }
    EXPECT_EQ(result.strict_differing, 0);
    EXPECT_EQ(result.difference.at(8, 40), 0xFF00FFu);
    EXPECT_NE(result.difference.at(100, 40), 0xFF00FFu);
}

// A scene against the same scene with a deliberate change, by the gallery's own rule; the
// counts go to the log, to show how far beyond the budget the change is.
Comparison altered(const std::string& name, const Tweak& tweak, const char* change) {
    const Scene& scene = *find_scene(name);
    Comparison result = compare(image_of(scene, tweak), image_of(scene), tolerance_of(scene));
    std::cout << name << ", " << change << ": " << result.summary() << "\n";
    return result;
}

TEST(AlteredScenes, AreCaughtByTheGallerysRule) {
    const Scene& figures = *find_scene("figures");
    const Tolerance tolerance = tolerance_of(figures);
    Comparison same = compare(image_of(figures), image_of(figures), tolerance);
    EXPECT_TRUE(same.passes(tolerance)) << same.summary();

    Tweak moved;
    moved.nudge = 3;  // the ellipse, a two-pixel outline
    Comparison result = altered("figures", moved, "ellipse moved by 3 pixels");
    EXPECT_FALSE(result.passes(tolerance)) << "a figure moved by 3 pixels: " << result.summary();

    Tweak recoloured;
    recoloured.recolour = true;  // a filled box blue -> navy
    result = altered("figures", recoloured, "blue fill made navy");
    EXPECT_FALSE(result.passes(tolerance)) << "a fill of another colour: " << result.summary();

    const Scene& texts = *find_scene("texts");
    Tweak realigned;
    realigned.realign = true;  // the centred text anchored at its left end instead
    result = altered("texts", realigned, "centred text left-aligned");
    EXPECT_FALSE(result.passes(tolerance_of(texts))) << "a moved text: " << result.summary();
    EXPECT_EQ(result.strict_differing, 0) << "the text regions alone catch it";
}

}  // namespace
}  // namespace lumora::gallery
