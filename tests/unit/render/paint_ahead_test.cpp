// Painting ahead gives the very pixels of painting the whole picture at once, whatever
// happens to the picture in between; an image that no longer shows it is not offered.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "server/render/cairo/paint_ahead.h"
#include "server/render/cairo/picture_file.h"

namespace luwnd::render {
namespace {

DrawItem line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
              std::uint32_t rgb) {
    DrawItem item;
    item.kind = ItemKind::kLine;
    item.coords = {x1, y1, x2, y2};
    item.point_count = 2;
    item.rgb = rgb;
    return item;
}

// A few kinds that touch one another: antialiased lines across each other, a filled box,
// a mix mode that reads the page, and text.
void add_scene(Picture& picture, int shift) {
    for (int i = 0; i < 12; ++i)
        picture.items.push_back(
            {line(3 + shift + 7 * i, 4, 90 - 5 * i, 70 + shift, 0x204080u), {}});
    DrawItem box;
    box.kind = ItemKind::kBox22;
    box.coords = {20 + shift, 15, 70, 50};
    picture.items.push_back({box, 0x00C000u});
    DrawItem xored = line(0, 30 + shift, 119, 36, 0);
    xored.pen.mix = 7;  // xor pen
    xored.pen.width = 3;
    picture.items.push_back({xored, {}});
    DrawItem text;
    text.kind = ItemKind::kText;
    text.coords = {10, 60 + shift};
    text.text = "Ag 42";
    text.font.size = 14;
    text.font.angle = 300;
    text.rgb = 0x800000u;
    picture.items.push_back({text, {}});
}

std::string pixels_of(cairo_surface_t* image) {
    cairo_surface_flush(image);
    const auto* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    const int height = cairo_image_surface_get_height(image);
    std::string bytes(reinterpret_cast<const char*>(data),
                      static_cast<std::size_t>(stride) * height);
    // RGB24 leaves the top byte unspecified.
    for (std::size_t i = 3; i < bytes.size(); i += 4) bytes[i] = 0;
    return bytes;
}

std::string painted_whole(const Picture& picture) {
    cairo_surface_t* image = render_image(picture);
    std::string bytes = pixels_of(image);
    cairo_surface_destroy(image);
    return bytes;
}

Picture page(int width = 120, int height = 90) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.background = 0xFFFFE0u;
    return picture;
}

TEST(PaintAhead, PaintedItemByItemIsPaintedWhole) {
    Picture picture = page();
    PaintAhead ahead;
    ahead.advance(3, picture);  // nothing drawn yet: the background alone
    ASSERT_NE(ahead.image_of(3, picture), nullptr);
    EXPECT_EQ(pixels_of(ahead.image_of(3, picture)), painted_whole(picture));
    Picture full = page();
    add_scene(full, 0);
    add_scene(full, 9);
    for (const PaintItem& item : full.items) {
        picture.items.push_back(item);
        ahead.advance(3, picture);
    }
    ASSERT_NE(ahead.image_of(3, picture), nullptr);
    EXPECT_EQ(pixels_of(ahead.image_of(3, picture)), painted_whole(picture));
}

TEST(PaintAhead, AnImageBehindThePictureIsNotOffered) {
    Picture picture = page();
    add_scene(picture, 0);
    PaintAhead ahead;
    ahead.advance(1, picture);
    add_scene(picture, 5);  // drawn since
    EXPECT_EQ(ahead.image_of(1, picture), nullptr);
    EXPECT_EQ(ahead.image_of(2, picture), nullptr);  // never painted
    ahead.advance(1, picture);
    ASSERT_NE(ahead.image_of(1, picture), nullptr);
    EXPECT_EQ(pixels_of(ahead.image_of(1, picture)), painted_whole(picture));
}

// Items dropped and others drawn in their place, or a new page size or background: the
// image starts again, and still ends up as the whole picture painted.
TEST(PaintAhead, StartsAgainWhenThePageOrItsItemsChange) {
    Picture picture = page();
    add_scene(picture, 0);
    PaintAhead ahead;
    ahead.advance(1, picture);
    const std::size_t count = picture.items.size();
    picture.items.clear();
    ++picture.revision;
    add_scene(picture, 11);
    ASSERT_EQ(picture.items.size(), count);
    EXPECT_EQ(ahead.image_of(1, picture), nullptr);
    ahead.advance(1, picture);
    ASSERT_NE(ahead.image_of(1, picture), nullptr);
    EXPECT_EQ(pixels_of(ahead.image_of(1, picture)), painted_whole(picture));

    picture.background = 0x102030u;
    EXPECT_EQ(ahead.image_of(1, picture), nullptr);
    ahead.advance(1, picture);
    EXPECT_EQ(pixels_of(ahead.image_of(1, picture)), painted_whole(picture));

    picture.width = 150;
    EXPECT_EQ(ahead.image_of(1, picture), nullptr);
    ahead.advance(1, picture);
    ASSERT_NE(ahead.image_of(1, picture), nullptr);
    EXPECT_EQ(cairo_image_surface_get_width(ahead.image_of(1, picture)), 150);
    EXPECT_EQ(pixels_of(ahead.image_of(1, picture)), painted_whole(picture));
}

// The images kept together stay within their budget; a window past it is left to be
// painted when it is written, and windows let go of free it again.
TEST(PaintAhead, KeepsItsImagesWithinTheBudget) {
    const Picture large = page(4096, 4096);  // 16 M pixels: two fit, a third does not
    PaintAhead ahead;
    for (int window = 1; window <= 3; ++window) ahead.advance(window, large);
    EXPECT_NE(ahead.image_of(1, large), nullptr);
    EXPECT_NE(ahead.image_of(2, large), nullptr);
    EXPECT_EQ(ahead.image_of(3, large), nullptr);
    ahead.keep_only([](int window) { return window != 1; });
    EXPECT_EQ(ahead.image_of(1, large), nullptr);
    ahead.advance(3, large);
    EXPECT_NE(ahead.image_of(3, large), nullptr);
}

}  // namespace
}  // namespace luwnd::render
