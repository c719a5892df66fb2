// What every canvas's text measure must keep: a text drawn at a point ends where its
// measured width says, the line and font words are sensible, and widths add up and scale.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>

#include "server/core/text_metrics.h"

namespace luwnd::render::test {

// dark_at(x, y) tells whether the canvas's drawing of "Wide text" in the font, at (10, 60)
// aligned left and top on a 200 x 120 page, made that pixel dark.
inline void expect_measure_matches_drawing(TextMeasure& measure, const FontState& font,
                                           const std::function<bool(int, int)>& dark_at) {
    const auto extent = measure.measure(font, "Wide text");
    ASSERT_TRUE(extent.has_value());
    const auto [width, height, character, ascent] = *extent;
    int right = 0, bottom = 0;
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 120; ++y)
            if (dark_at(x, y)) right = std::max(right, x), bottom = std::max(bottom, y);
    EXPECT_GE(10 + width, right - 1);
    EXPECT_LE(10 + width, right + 4);
    EXPECT_GE(60 + height, bottom);
    EXPECT_GE(height, font.size);
    EXPECT_LE(height, font.size * 3 / 2);
    EXPECT_GT(ascent, font.size / 2);
    EXPECT_LT(ascent, height);
    EXPECT_GT(character, font.size / 4);
    EXPECT_LT(character, font.size);

    const auto twice = measure.measure(font, "Wide textWide text");
    ASSERT_TRUE(twice.has_value());
    EXPECT_NEAR((*twice)[0], 2 * width, 2);
    const auto empty = measure.measure(font, "");
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ((*empty)[0], 0);
    EXPECT_EQ((*empty)[1], height);
    FontState doubled = font;
    doubled.size = 2 * font.size;
    const auto larger = measure.measure(doubled, "Wide text");
    ASSERT_TRUE(larger.has_value());
    EXPECT_NEAR((*larger)[0], 2 * width, 3);
}

}  // namespace luwnd::render::test
