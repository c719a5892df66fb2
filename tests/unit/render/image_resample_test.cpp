// Pictures scaled into their box: which picture pixel each device pixel takes.
#include <gtest/gtest.h>

#include "server/render/image_resample.h"

namespace luwnd::render {
namespace {

ImagePixels two_by_two() {
    ImagePixels p;
    p.width = 2;
    p.height = 2;
    p.rgb = {0x000000, 0x0000FF, 0xFF0000, 0xFFFFFF};  // row 0: black, blue; row 1: red, white
    return p;
}

constexpr Box kPage{0, 0, 100, 100};

TEST(ImageResample, NearestDoublesEachPixelAndMirroredCornersFlip) {
    Raster r = resample(two_by_two(), image_frame({10, 20}, {14, 24}), kPage, false);
    ASSERT_EQ(r.left, 10);
    ASSERT_EQ(r.top, 20);
    ASSERT_EQ(r.width, 4);
    ASSERT_EQ(r.height, 4);
    EXPECT_EQ(r.rgb[0], 0x000000u);
    EXPECT_EQ(r.rgb[1], 0x000000u);
    EXPECT_EQ(r.rgb[2], 0x0000FFu);
    EXPECT_EQ(r.rgb[2 * 4 + 0], 0xFF0000u);
    EXPECT_EQ(r.rgb[15], 0xFFFFFFu);
    // First corner at the lower left: row 0 at the bottom, as a field with y upward.
    Raster flipped = resample(two_by_two(), image_frame({10, 24}, {14, 20}), kPage, false);
    EXPECT_EQ(flipped.top, 20);
    EXPECT_EQ(flipped.rgb[0], 0xFF0000u);
    EXPECT_EQ(flipped.rgb[15], 0x0000FFu);
    Raster both = resample(two_by_two(), image_frame({14, 24}, {10, 20}), kPage, false);
    EXPECT_EQ(both.rgb[0], 0xFFFFFFu);
}

TEST(ImageResample, BilinearBlendsBetweenPixelCentresAndKeepsEdges) {
    ImagePixels row;
    row.width = 2;
    row.height = 1;
    row.rgb = {0x000000, 0x0000FF};
    Raster r = resample(row, image_frame({0, 0}, {8, 1}), kPage, true);
    ASSERT_EQ(r.width, 8);
    // Device centres 0.5 .. 7.5 fall at picture x 0.125 .. 1.875: the first two and the
    // last two lie beyond the pixel centres and keep the edge colours.
    EXPECT_EQ(r.rgb[0], 0x000000u);
    EXPECT_EQ(r.rgb[1], 0x000000u);
    EXPECT_EQ(r.rgb[7], 0x0000FFu);
    for (int x = 2; x < 6; ++x) EXPECT_LT(r.rgb[x] & 0xFF, r.rgb[x + 1] & 0xFF) << x;
    EXPECT_NEAR(static_cast<int>(r.rgb[3] & 0xFF), 96, 1);  // x 0.875: 3/8 of the way
    EXPECT_EQ(r.rgb[3] & 0xFFFF00u, 0u);                    // no red or green
}

TEST(ImageResample, OnlyThePartOnThePageIsComputed) {
    Raster r = resample(two_by_two(), image_frame({-1000, 90}, {1000, 2000}), kPage, true);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 90);
    EXPECT_EQ(r.width, 100);
    EXPECT_EQ(r.height, 10);
    EXPECT_EQ(r.rgb.size(), 1000u);
    EXPECT_TRUE(resample(two_by_two(), image_frame({200, 0}, {300, 50}), kPage, false).rgb.empty());
    EXPECT_TRUE(resample(two_by_two(), image_frame({10, 10}, {10, 50}), kPage, false).rgb.empty());
    Raster huge = resample(two_by_two(), image_frame({-2e9, -2e9}, {2e9, 2e9}), kPage, false);
    EXPECT_EQ(huge.rgb.size(), 10000u);
}

}  // namespace
}  // namespace luwnd::render
