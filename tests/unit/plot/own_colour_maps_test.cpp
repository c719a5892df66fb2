// Colour maps of the program's own, the listed maps, reversed maps, and the HLS and HSV
// colour builders: colours where they belong, and arguments that cannot be used refused
// with their cause, leaving the current map as it was.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "client/include/lumora.h"
#include "client/plot/colour_maps.h"
#include "client/plot/colour_spaces.h"
#include "client/plot/own_colour_maps.h"
#include "client/plot/plot_state.h"
#include "tests/gallery/gallery_window.h"

namespace lumora::plot {
namespace {

int rgb_value(int r, int g, int b) {
    return 0x02000000 | r | g << 8 | b << 16;
}

// The red, green and blue of a colour value.
std::array<int, 3> parts(int value) {
    return {value & 0xFF, value >> 8 & 0xFF, value >> 16 & 0xFF};
}

void expect_colour_near(int value, std::array<int, 3> want, int within, const char* what) {
    const std::array<int, 3> got = parts(value);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(got[i], want[i], within)
            << what << ": component " << i << " of " << std::hex << value;
}

class OwnColourMapsTest : public ::testing::Test {
  protected:
    OwnColourMapsTest() { start(); }
    ~OwnColourMapsTest() override { start(); }
    static void start() {
        reset_plot_state();
        forget_own_maps();
        current_colour_map() = {};
    }
};

TEST_F(OwnColourMapsTest, HlsAndHsvBuildTheColoursOfTheirModels) {
    EXPECT_EQ(lu_hls_colour(0, 0.5f, 1), rgb_value(255, 0, 0));
    EXPECT_EQ(lu_hls_colour(120, 0.5f, 1), rgb_value(0, 255, 0));
    EXPECT_EQ(lu_hls_colour(-120, 0.5f, 1), rgb_value(0, 0, 255)) << "hues go round the circle";
    EXPECT_EQ(lu_hls_colour(420, 0.5f, 1), rgb_value(255, 255, 0));
    EXPECT_EQ(lu_hls_colour(200, 1, 1), rgb_value(255, 255, 255));
    EXPECT_EQ(lu_hls_colour(200, 0.25f, 0), rgb_value(64, 64, 64));
    EXPECT_EQ(lu_hls_colour(240, 0.25f, 1), rgb_value(0, 0, 128));
    EXPECT_EQ(lu_hsv_colour(0, 1, 1), rgb_value(255, 0, 0));
    EXPECT_EQ(lu_hsv_colour(180, 1, 0.5f), rgb_value(0, 128, 128));
    EXPECT_EQ(lu_hsv_colour(300, 1, 1), rgb_value(255, 0, 255));
    EXPECT_EQ(lu_hsv_colour(45, 0.5f, 0), rgb_value(0, 0, 0));
    for (float bad : {-0.01f, 1.01f, NAN}) {
        EXPECT_EQ(lu_hls_colour(0, bad, 0.5f), -999);
        EXPECT_EQ(lu_hls_colour(0, 0.5f, bad), -999);
        EXPECT_EQ(lu_hsv_colour(0, bad, 0.5f), -999);
        EXPECT_EQ(lu_hsv_colour(0, 0.5f, bad), -999);
    }
    EXPECT_EQ(lu_hls_colour(INFINITY, 0.5f, 0.5f), -999);
    const float h = 30, l = 0.4f, s = 0.7f;
    EXPECT_EQ(lu_hls_colour_(&h, &l, &s), lu_hls_colour(h, l, s));
    EXPECT_EQ(lu_hsv_colour_(&h, &l, &s), lu_hsv_colour(h, l, s));
    EXPECT_EQ(lu_hls_colour_(nullptr, &l, &s), -999);
}

// The components as the models give them, within the rounding of an 8-bit colour.
void expect_components(float a, float b, float c, std::array<float, 3> want, const char* what) {
    EXPECT_NEAR(a, want[0], 0.5f) << what << ": hue";
    EXPECT_NEAR(b, want[1], 0.003f) << what;
    EXPECT_NEAR(c, want[2], 0.003f) << what;
}

TEST_F(OwnColourMapsTest, ColoursGoBackToTheirHlsAndHsvComponents) {
    struct Known {
        int colour;
        std::array<float, 3> hls, hsv;
    };
    const Known known[] = {
        {rgb_value(255, 0, 0), {0, 0.5f, 1}, {0, 1, 1}},
        {rgb_value(0, 0, 128), {240, 0.251f, 1}, {240, 1, 0.502f}},
        {rgb_value(255, 128, 0), {30.1f, 0.5f, 1}, {30.1f, 1, 1}},
        {rgb_value(255, 0, 255), {300, 0.5f, 1}, {300, 1, 1}},
        {rgb_value(64, 64, 64), {0, 0.251f, 0}, {0, 0, 0.251f}},  // a grey: hue 0
        {rgb_value(191, 223, 255), {210, 0.875f, 1}, {210, 0.251f, 1}},
    };
    for (const Known& k : known) {
        float a = -1, b = -1, c = -1;
        ASSERT_EQ(lu_colour_to_hls(k.colour, &a, &b, &c), 1);
        expect_components(a, b, c, k.hls, "HLS");
        EXPECT_EQ(lu_hls_colour(a, b, c), k.colour) << "there and back";
        ASSERT_EQ(lu_colour_to_hsv(k.colour, &a, &b, &c), 1);
        expect_components(a, b, c, k.hsv, "HSV");
        EXPECT_EQ(lu_hsv_colour(a, b, c), k.colour) << "there and back";
    }
    int result = 0;
    const int navy = rgb_value(0, 0, 128);
    float hue = -1;
    EXPECT_EQ(lu_colour_to_hsv_(&result, &navy, &hue, nullptr, nullptr), 1);
    EXPECT_EQ(result, 1);
    EXPECT_NEAR(hue, 240, 0.01f);
    // Colour numbers and palette colours have no colour of their own: nothing is written.
    for (int window_colour : {5, 0x01000003, -999}) {
        hue = -1;
        EXPECT_EQ(lu_colour_to_hls(window_colour, &hue, nullptr, nullptr), 0);
        EXPECT_EQ(lu_colour_to_hsv_(&result, &window_colour, &hue, nullptr, nullptr), 0);
        EXPECT_EQ(result, 0);
        EXPECT_EQ(hue, -1);
    }
}

TEST(ColourSpaces, ConversionsComeBackToWhereTheyStarted) {
    for (double r = 0; r <= 1; r += 0.125)
        for (double g = 0; g <= 1; g += 0.25)
            for (double b = 0; b <= 1; b += 0.125) {
                const Rgb c{r, g, b};
                const Rgb via_hls = rgb_of_hls(hls_of_rgb(c)),
                          via_lab = rgb_of_oklab(oklab_of_rgb(c));
                for (std::size_t i = 0; i < 3; ++i) {
                    EXPECT_NEAR(via_hls[i], c[i], 1e-9) << r << " " << g << " " << b;
                    EXPECT_NEAR(via_lab[i], c[i], 1e-6) << r << " " << g << " " << b;
                }
            }
    EXPECT_NEAR(oklab_of_rgb({1, 1, 1}).l, 1, 1e-6);
    EXPECT_NEAR(oklab_of_rgb({1, 1, 1}).a, 0, 1e-6);
    const Hls red = hls_of_rgb({1, 0, 0}), grey = hls_of_rgb({0.5, 0.5, 0.5});
    EXPECT_NEAR(red.hue, 0, 1e-9);
    EXPECT_NEAR(red.saturation, 1, 1e-9);
    EXPECT_EQ(grey.saturation, 0);
}

// CIE lightness L* of packed sRGB.
double lightness(std::uint32_t rgb) {
    const Rgb c = rgb_of_packed(rgb);
    const double y =
        0.2126 * decode_srgb(c[0]) + 0.7152 * decode_srgb(c[1]) + 0.0722 * decode_srgb(c[2]);
    return y > 216.0 / 24389 ? 116 * std::cbrt(y) - 16 : y * 24389.0 / 27;
}

TEST_F(OwnColourMapsTest, ListedMapsHaveTheirPublishedEndsAndRiseInLightness) {
    struct Ends {
        int map;
        std::uint32_t low, high;
    };
    for (const Ends& e :
         {Ends{LU_MAP_VIRIDIS, 0x440154, 0xFDE725}, Ends{LU_MAP_MAGMA, 0x000004, 0xFCFDBF},
          Ends{LU_MAP_CIVIDIS, 0x00224E, 0xFEE838}, Ends{LU_MAP_INFERNO, 0x000004, 0xFCFFA4},
          Ends{LU_MAP_PLASMA, 0x0D0887, 0xF0F921}}) {
        EXPECT_EQ(map_colour(e.map, 0), e.low) << e.map;
        EXPECT_EQ(map_colour(e.map, 1), e.high) << e.map;
        EXPECT_EQ(map_colour(-e.map, 0), e.high) << "reversed " << e.map;
        EXPECT_EQ(map_colour(-e.map, 0.25), map_colour(e.map, 0.75)) << e.map;
        for (int k = 1; k < 64; ++k)
            EXPECT_GT(lightness(map_colour(e.map, k / 63.0)),
                      lightness(map_colour(e.map, (k - 1) / 63.0)) - 0.5)
                << "map " << e.map << " at " << k;
    }
    // Through the public calls: the range, and a reversed map's ends and extremes.
    gallery::GalleryWindow window(320, 240);
    ASSERT_EQ(lu_set_colour_map(-LU_MAP_VIRIDIS, 10, 20), 1);
    EXPECT_EQ(lu_colour_of_value(10), rgb_value(0xFD, 0xE7, 0x25));
    EXPECT_EQ(lu_colour_of_value(25), rgb_value(0x44, 0x01, 0x54)) << "over: the last colour";
    ASSERT_EQ(lu_set_colour_map(-LU_MAP_GREY, 0, 0), 1);
    EXPECT_EQ(lu_colour_of_value(NAN), rgb_value(255, 0, 0)) << "NaN in a grey map is red";
    EXPECT_EQ(lu_colour_of_value(10), rgb_value(255, 255, 255)) << "the range is kept";
}

TEST_F(OwnColourMapsTest, OwnMapsBlendBetweenTheirControlPoints) {
    gallery::GalleryWindow window(320, 240);
    const int red = rgb_value(255, 0, 0), blue = rgb_value(0, 0, 255);
    const int black = rgb_value(0, 0, 0), white = rgb_value(255, 255, 255);
    const int ends[] = {red, blue};
    ASSERT_EQ(lu_define_colour_map(LU_MAP_OWN + 1, 2, nullptr, ends, LU_MAP_BLEND_RGB), 1);
    ASSERT_EQ(lu_set_colour_map(LU_MAP_OWN + 1, 0, 1), 1);
    expect_colour_near(lu_colour_of_value(0), {255, 0, 0}, 0, "rgb low end");
    expect_colour_near(lu_colour_of_value(0.5f), {128, 0, 128}, 1, "rgb middle");
    expect_colour_near(lu_colour_of_value(1), {0, 0, 255}, 0, "rgb high end");
    // HLS: red (0 degrees) to blue (240) the shorter way, through magenta.
    ASSERT_EQ(lu_define_colour_map(LU_MAP_OWN + 1, 2, nullptr, ends, LU_MAP_BLEND_HLS), 1);
    expect_colour_near(lu_colour_of_value(0.5f), {255, 0, 255}, 2, "redefined, hls middle");
    // A grey end takes the hue of the other: white to red stays red, never swings round.
    const int pale[] = {white, red};
    ASSERT_EQ(lu_define_colour_map(LU_MAP_OWN + 2, 2, nullptr, pale, LU_MAP_BLEND_HLS), 1);
    ASSERT_EQ(lu_set_colour_map(-(LU_MAP_OWN + 2), 0, 1), 1);
    expect_colour_near(lu_colour_of_value(0.5f), {223, 159, 159}, 1, "reversed, hls from white");
    // OKLab: black to white passes OKLab lightness 0.5 in the middle.
    const int grey_ends[] = {black, white};
    ASSERT_EQ(lu_define_colour_map(LU_MAP_OWN + 3, 2, nullptr, grey_ends, LU_MAP_BLEND_OKLAB), 1);
    ASSERT_EQ(lu_set_colour_map(LU_MAP_OWN + 3, 0, 1), 1);
    expect_colour_near(lu_colour_of_value(0.5f), {99, 99, 99}, 2, "oklab middle");
    // Positions are scaled to the map; equal neighbours make a step.
    const float at[] = {10, 15, 15, 30};
    const int steps[] = {red, red, blue, blue};
    ASSERT_EQ(lu_define_colour_map(LU_MAP_OWN + 32, 4, at, steps, LU_MAP_BLEND_RGB), 1);
    ASSERT_EQ(lu_set_colour_map(LU_MAP_OWN + 32, 0, 1), 1);
    expect_colour_near(lu_colour_of_value(0.24f), {255, 0, 0}, 0, "before the step");
    expect_colour_near(lu_colour_of_value(0.26f), {0, 0, 255}, 0, "after the step");
    // The reference form gives the same map.
    int result = -1;
    const int map = LU_MAP_OWN + 4, n = 2, blend = LU_MAP_BLEND_RGB;
    lu_define_colour_map_(&result, &map, &n, nullptr, ends, &blend);
    EXPECT_EQ(result, 1);
    ASSERT_EQ(lu_define_colour_map(LU_MAP_OWN + 5, 2, nullptr, ends, LU_MAP_BLEND_RGB), 1);
    ASSERT_NE(own_map(LU_MAP_OWN + 4), nullptr);
    EXPECT_EQ(*own_map(LU_MAP_OWN + 4), *own_map(LU_MAP_OWN + 5));
    EXPECT_EQ(window.errors(), "");
}

TEST_F(OwnColourMapsTest, MapsThatCannotBeMadeAreRefusedWithTheirCause) {
    gallery::GalleryWindow window(320, 240);
    ASSERT_EQ(lu_set_colour_map(LU_MAP_MAGMA, 0, 1), 1);
    const int two[] = {rgb_value(1, 2, 3), rgb_value(4, 5, 6)};
    const int entry[] = {rgb_value(1, 2, 3), 5}, palette[] = {0x01000007, rgb_value(1, 2, 3)};
    const float falling[] = {0, 1, 0.5f}, nan_at[] = {0, NAN}, flat[] = {2, 2};
    const int three[] = {two[0], two[1], two[0]};
    EXPECT_EQ(lu_define_colour_map(LU_MAP_OWN, 2, nullptr, two, 0), 0);
    EXPECT_EQ(lu_define_colour_map(LU_MAP_OWN + 33, 2, nullptr, two, 0), 0);
    EXPECT_EQ(lu_define_colour_map(LU_MAP_OWN + 1, 1, nullptr, two, 0), 0);
    EXPECT_EQ(lu_define_colour_map(LU_MAP_OWN + 1, 257, nullptr, two, 0), 0);
    EXPECT_EQ(lu_define_colour_map(LU_MAP_OWN + 1, 2, nullptr, nullptr, 0), 0);
    EXPECT_EQ(lu_define_colour_map(LU_MAP_OWN + 1, 2, nullptr, two, 3), 0);
    EXPECT_EQ(lu_define_colour_map(LU_MAP_OWN + 1, 2, nullptr, entry, 0), 0);
    EXPECT_EQ(lu_define_colour_map(LU_MAP_OWN + 1, 2, nullptr, palette, 0), 0);
    EXPECT_EQ(lu_define_colour_map(LU_MAP_OWN + 1, 3, falling, three, 0), 0);
    EXPECT_EQ(lu_define_colour_map(LU_MAP_OWN + 1, 2, nan_at, two, 0), 0);
    EXPECT_EQ(lu_define_colour_map(LU_MAP_OWN + 1, 2, flat, two, 0), 0);
    EXPECT_EQ(own_map(LU_MAP_OWN + 1), nullptr) << "nothing refused was kept";
    EXPECT_EQ(lu_set_colour_map(LU_MAP_OWN + 7, 5, 6), 0);
    EXPECT_EQ(lu_set_colour_map(9, 5, 6), 0);
    EXPECT_EQ(lu_set_colour_map(-9, 5, 6), 0);
    EXPECT_EQ(lu_set_colour_map(INT32_MIN, 5, 6), 0);
    EXPECT_EQ(current_colour_map().map, LU_MAP_MAGMA) << "the map is kept";
    EXPECT_EQ(current_colour_map().high, 1) << "the range is kept";
    const std::string errors = window.errors();
    for (const char* cause :
         {"lu_define_colour_map: map 100 is not an own map number (LU_MAP_OWN + 1 ... LU_MAP_OWN + "
          "32)",
          "map 133 is not an own map number", "needs 2 ... 256 control points, not n = 1",
          "not n = 257", "no colours (NULL)", "blend 3 is not LU_MAP_BLEND_RGB",
          "colour 2 (5) is not an RGB colour value", "colour 1 (16777223) is not an RGB",
          "position 3 (0.5) lies below the one before it (1)", "position 2 is NaN",
          "the last position is not above the first",
          "lu_set_colour_map: map 107 is not defined: call lu_define_colour_map first",
          "lu_set_colour_map: map 9 is not 0 (the current one), a built-in map", "map -9 is not 0",
          "map -2147483648 is not 0"})
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << "\n in " << errors;
}

}  // namespace
}  // namespace lumora::plot
