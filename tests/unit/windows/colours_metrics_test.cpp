// Colour values and entries, and device metrics.
#include "../channel/channel_fixture.h"
#include "client/include/lumora.h"

namespace lumora::test {
namespace {

TEST(ColourValues, BuildersAndTheirBoundaries) {
    EXPECT_EQ(lu_make_rgb_colour(255, 128, 0), 0x020080FF);
    EXPECT_EQ(lu_make_rgb_colour(256, 0, 0), -999);
    EXPECT_EQ(lu_make_rgb_colour(0, -1, 0), -999);
    EXPECT_EQ(lu_make_colour_from_rgb(0x01ABCDEF), 0x02ABCDEF);
    EXPECT_EQ(lu_make_colour_from_rgb(-5), -999);
    EXPECT_EQ(lu_make_palette_colour(0), 0x01000000);
    EXPECT_EQ(lu_make_palette_colour(255), 0x010000FF);
    EXPECT_EQ(lu_make_palette_colour(256), -999);
    const int r = 1, g = 2, b = 3;
    EXPECT_EQ(lu_make_rgb_colour_(&r, &g, &b), 0x02030201);
    int result = 0;
    EXPECT_EQ(lu_get_max_colour_number_(&result), 35);
    EXPECT_EQ(result, 35);
    EXPECT_EQ(lu_get_largest_real(), 3.40282347e+38f);
}

using ColourEntryTest = ChannelTest;

TEST_F(ColourEntryTest, EntryReplyIsDecodedRedGreenBlue) {
    connect();
    const int w = open(2);
    int red = -1, green = -1, blue = -1;
    fake().on_deliver = [&](const platform::Delivery&) {
        layout::write_i32(window_block(w), layout::kParam2, 0x00FF8040);
    };
    fake().results = {1};
    EXPECT_EQ(lu_get_colour_entry(7, &red, &green, &blue), w);
    EXPECT_EQ(fake().deliveries.back().param1, 9);
    EXPECT_EQ(fake().deliveries.back().param2, 7);
    EXPECT_EQ(red, 255);
    EXPECT_EQ(green, 128);
    EXPECT_EQ(blue, 64);
    fake().on_deliver = [&](const platform::Delivery&) {
        layout::write_i32(window_block(w), layout::kParam2, 0x02000000);
    };
    fake().results = {1};
    EXPECT_EQ(lu_get_colour_entry(7, &red, &green, &blue), 0);
    EXPECT_EQ(red, 512);
    EXPECT_EQ(green, 0);
    EXPECT_EQ(blue, 0);
    fake().results = {0};
    red = -7;
    EXPECT_EQ(lu_get_colour_entry(7, &red, nullptr, nullptr), 0);
    EXPECT_EQ(red, -7);
}

TEST_F(ColourEntryTest, SetEntrySendsColourAndEntry) {
    connect();
    open(2);
    fake().results = {2};
    EXPECT_EQ(lu_set_colour_entry(0x020080FF, 21), 2);
    EXPECT_EQ(fake().deliveries.back().param1, 5);
    EXPECT_EQ(fake().deliveries.back().param2, 0x020080FF);
    EXPECT_EQ(fake().deliveries.back().param3, 21);
}

using MetricsTest = ChannelTest;

TEST_F(MetricsTest, RefusedCodesSendNothing) {
    connect();
    open(2);
    fake().deliveries.clear();
    for (int code : {15, -15, 0}) EXPECT_EQ(lu_get_metrics(code, nullptr, nullptr), 0);
    EXPECT_TRUE(fake().deliveries.empty());
}

TEST_F(MetricsTest, WindowQueryCopiesTheReplyWordsEvenOnFailure) {
    connect();
    const int w = open(2);
    fake().on_deliver = [&](const platform::Delivery&) {
        layout::write_i32(window_block(w), layout::kResult1, 800);
        layout::write_i32(window_block(w), layout::kResult2, 600);
    };
    fake().results = {0};
    int a = 0, b = 0;
    EXPECT_EQ(lu_get_metrics(1, &a, &b), 0);
    EXPECT_EQ(a, 800);
    EXPECT_EQ(b, 600);
    fake().results = {2};
    EXPECT_FLOAT_EQ(lu_get_aspect_ratio(1), 800.0f / 600.0f);
}

TEST_F(MetricsTest, ASetWithOneArgumentSendsTwoZeros) {
    connect();
    open(2);
    int a = 5;
    fake().results = {1};
    lu_get_metrics(-4, &a, nullptr);
    EXPECT_EQ(fake().deliveries.back().param1, -4);
    EXPECT_EQ(fake().deliveries.back().param2, 0);
    EXPECT_EQ(fake().deliveries.back().param3, 0);
}

TEST_F(MetricsTest, ProcessLevelGoesThroughTheMailbox) {
    connect();
    int a = 0, b = 0;
    EXPECT_GT(lu_get_metrics_in_window(0, 2, &a, &b), 0);
    EXPECT_EQ(a, 1280);
    EXPECT_EQ(b, 1024);
}

TEST_F(MetricsTest, AspectRatioFromTheScalesForOtherCodes) {
    connect();
    const int w = open(2);
    layout::write_f32(window_block(w), layout::kXScale, 200.0f);
    layout::write_f32(window_block(w), layout::kYScale, -100.0f);
    EXPECT_FLOAT_EQ(lu_get_aspect_ratio(8), 2.0f);
    layout::write_i32(window_block(w), layout::kPixelMode, 1);
    EXPECT_FLOAT_EQ(lu_get_aspect_ratio(8), 1.0f);
}

}  // namespace
}  // namespace lumora::test
