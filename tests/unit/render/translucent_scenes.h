// A picture of translucent items over an opaque red square, and the pixels each pixel
// canvas must paint for it: every kind of item laid over what is under it in its share.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "server/render/picture.h"

namespace luwnd::render::test {

inline constexpr std::uint8_t kHalf = 128;

inline DrawItem translucent(ItemKind kind, std::initializer_list<std::int32_t> coords,
                            std::uint32_t rgb, std::uint8_t alpha) {
    DrawItem item;
    item.kind = kind;
    std::copy(coords.begin(), coords.end(), item.coords.begin());
    item.rgb = rgb;
    item.alpha = alpha;
    return item;
}

// A plot batch of one green square, unoutlined, from (x, y) 20 pixels across.
inline DrawItem translucent_batch(float x, float y, std::uint8_t alpha) {
    namespace plotcore = lumora::plotcore;
    plotcore::Item square;
    square.kind = plotcore::ItemKind::kPolygon;
    square.filled = true;
    square.outlined = false;
    square.fill_rgb = 0x00FF00;
    square.points = {{x, y}, {x + 20, y}, {x + 20, y + 20}, {x, y + 20}};
    DrawItem item;
    item.kind = ItemKind::kBatch;
    item.batch = std::make_shared<const plotcore::Items>(plotcore::Items{square});
    item.alpha = alpha;
    return item;
}

// A 200 x 120 white page: an opaque red square 20 .. 79, then, each half opaque unless
// said, a blue square 50 .. 109 over it, a black line 5 wide at y 10, a quarter opaque,
// a big black "M", a red picture, and a green plot square.
inline Picture translucent_picture() {
    Picture picture;
    picture.width = 200;
    picture.height = 120;
    const auto add = [&](DrawItem item, std::optional<std::uint32_t> extra = std::nullopt) {
        picture.items.push_back(PaintItem{std::move(item), extra});
    };
    add(translucent(ItemKind::kBox22, {20, 20, 80, 80}, 0, 255), 0xFF0000);
    add(translucent(ItemKind::kBox22, {50, 50, 110, 110}, 0, kHalf), 0x0000FF);
    DrawItem line = translucent(ItemKind::kLine, {120, 10, 190, 10}, 0, 64);
    line.pen.width = 5;
    add(line);
    DrawItem text = translucent(ItemKind::kText, {120, 30}, 0, kHalf);
    text.text = "M";
    text.font.size = 60;
    text.font.style = 1;
    add(text);
    DrawItem image = translucent(ItemKind::kImage, {170, 100, 189, 109}, 0, kHalf);
    auto pixels = std::make_shared<ImagePixels>();
    pixels->width = 2;
    pixels->height = 1;
    pixels->rgb = {0xFF0000, 0xFF0000};
    image.image = pixels;
    add(image);
    add(translucent_batch(10.0f, 90.0f, kHalf));
    return picture;
}

// Each channel within two levels.
inline ::testing::AssertionResult near_rgb(std::uint32_t got, std::uint32_t want) {
    for (int shift = 0; shift <= 16; shift += 8) {
        const int g = static_cast<int>((got >> shift) & 0xFF);
        const int w = static_cast<int>((want >> shift) & 0xFF);
        if (std::abs(g - w) > 2) {
            char text[64];
            std::snprintf(text, sizeof text, "%06x, not %06x", got, want);
            return ::testing::AssertionFailure() << text;
        }
    }
    return ::testing::AssertionSuccess();
}

// What the canvas painted for translucent_picture, read through pixel(x, y).
inline void expect_translucent_pixels(const std::function<std::uint32_t(int, int)>& pixel) {
    EXPECT_TRUE(near_rgb(pixel(30, 30), 0xFF0000)) << "the opaque square alone";
    EXPECT_TRUE(near_rgb(pixel(65, 65), 0x7F0080)) << "half blue over red";
    EXPECT_TRUE(near_rgb(pixel(100, 100), 0x7F7FFF)) << "half blue over white";
    EXPECT_TRUE(near_rgb(pixel(150, 10), 0xBFBFBF)) << "a quarter black over white";
    EXPECT_TRUE(near_rgb(pixel(180, 104), 0xFF7F7F)) << "half a red picture over white";
    EXPECT_TRUE(near_rgb(pixel(20, 100), 0x7FFF7F)) << "half a green plot square";
    // The text: its darkest pixel half dark, none black.
    int darkest = 255;
    for (int y = 30; y < 100; ++y)
        for (int x = 120; x < 170; ++x)
            darkest = std::min(darkest, static_cast<int>(pixel(x, y) & 0xFF));
    EXPECT_NEAR(darkest, 127, 3);
}

}  // namespace luwnd::render::test
