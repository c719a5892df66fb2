// Painting runs of lines in bands on several threads gives exactly the image of one pass:
// lines of every pen style, width and mix mode crossing the band edges, between texts,
// outlines, arcs and polylines that are painted in one pass in their places.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "server/render/cairo/banded_paint.h"
#include "server/render/cairo/cairo_canvas.h"
#include "server/render/cairo/picture_file.h"
#include "server/render/painter.h"

namespace luwnd::render {
namespace {

cairo_surface_t* one_pass(const Picture& picture) {
    cairo_surface_t* image =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
    CairoCanvas canvas(image, picture.width, picture.height, true);
    paint(picture, canvas);
    cairo_surface_flush(image);
    return image;
}

cairo_surface_t* in_bands(const Picture& picture, int cores, std::size_t min_run) {
    cairo_surface_t* image =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
    paint_image(picture, image, cores, min_run);
    cairo_surface_flush(image);
    return image;
}

// How many pixels of the two images differ in colour (RGB24 leaves the top byte open).
int different_pixels(cairo_surface_t* a, cairo_surface_t* b) {
    const int stride = cairo_image_surface_get_stride(a);
    const unsigned char* pa = cairo_image_surface_get_data(a);
    const unsigned char* pb = cairo_image_surface_get_data(b);
    int count = 0;
    for (int y = 0; y < cairo_image_surface_get_height(a); ++y) {
        for (int x = 0; x < cairo_image_surface_get_width(a); ++x) {
            std::uint32_t va, vb;
            std::memcpy(&va, pa + y * stride + 4 * x, 4);
            std::memcpy(&vb, pb + y * stride + 4 * x, 4);
            count += (va & 0xFFFFFF) != (vb & 0xFFFFFF) ? 1 : 0;
        }
    }
    return count;
}

// Runs of lines with random ends and attributes, many reaching beyond the page, and
// between them runs of texts, box outlines, rounded boxes, arcs and polylines.
Picture mixed_picture(int runs, int run_length, unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const ItemKind others[] = {ItemKind::kText, ItemKind::kBox21, ItemKind::kBox23,
                               ItemKind::kArc26, ItemKind::kPolyline};
    Picture picture;
    picture.width = 400;
    picture.height = 300;
    picture.background = 0xFFFFF0;
    for (int i = 0; i < runs * run_length; ++i) {
        DrawItem item;
        const bool line = (i / run_length) % 2 == 0;
        item.kind = line ? ItemKind::kLine : others[pick(0, 4)];
        for (std::int32_t& c : item.coords) c = pick(-30, 430);
        item.point_count = item.kind == ItemKind::kArc26 ? 4 : 2;
        item.arg1 = pick(1, 20);
        item.arg2 = pick(1, 20);
        for (int p = 0; item.kind == ItemKind::kPolyline && p < 12; ++p)
            item.points.push_back(pick(-30, 430));
        item.rgb = static_cast<std::uint32_t>(pick(0, 0xFFFFFF));
        item.pen = {pick(0, 9), pick(0, 6), 0, pick(0, 3) == 0 ? pick(0, 16) : 0};
        item.text = "Hg Ω";
        item.font.size = pick(8, 40);
        item.font.angle = pick(0, 3599);
        picture.items.push_back({std::move(item), std::nullopt});
    }
    return picture;
}

TEST(BandedPaint, RunsOfLinesInBandsGiveExactlyThePictureOfOnePass) {
    for (unsigned seed : {1u, 2u, 3u}) {
        const Picture picture = mixed_picture(6, 300, seed);
        cairo_surface_t* whole = one_pass(picture);
        for (int cores : {1, 2, 3, 7}) {
            cairo_surface_t* banded = in_bands(picture, cores, 200);
            EXPECT_EQ(different_pixels(whole, banded), 0) << "seed " << seed << ", " << cores;
            cairo_surface_destroy(banded);
        }
        cairo_surface_destroy(whole);
    }
}

TEST(BandedPaint, TallPagesAreCutIntoAtMostEightBandsOfSixtyFourRows) {
    EXPECT_EQ(band_count(800, 2), 2);
    EXPECT_EQ(band_count(800, 6), 6);
    EXPECT_EQ(band_count(800, 64), 8);
    EXPECT_EQ(band_count(200, 4), 3);
    EXPECT_EQ(band_count(100, 4), 1);
    EXPECT_EQ(band_count(800, 1), 1);
    EXPECT_EQ(band_count(800, 0), 1);  // the core count unknown
}

TEST(BandedPaint, ALargePictureIsRenderedAsInOnePass) {
    Picture picture = mixed_picture(3, static_cast<int>(kBandedRun) + 10, 5);
    picture.height = 600;
    cairo_surface_t* whole = one_pass(picture);
    cairo_surface_t* rendered = render_image(picture);
    EXPECT_EQ(different_pixels(whole, rendered), 0);
    cairo_surface_destroy(rendered);
    cairo_surface_destroy(whole);
}

}  // namespace
}  // namespace luwnd::render
