// The colour maps: lightness along each map, the ends, and values outside the range.
#include <gtest/gtest.h>

#include <cmath>

#include "client/plot/colour_maps.h"

namespace lumora::plot {
namespace {

// CIE lightness L* of packed sRGB, independent of how the maps were made.
double lightness(std::uint32_t rgb) {
    auto linear = [](std::uint32_t c) {
        double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    double y = 0.2126 * linear((rgb >> 16) & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF) +
               0.0722 * linear(rgb & 0xFF);
    return y > 216.0 / 24389 ? 116 * std::cbrt(y) - 16 : y * 24389.0 / 27;
}

// Lightness steps between neighbouring colours of the map from t0 to t1.
std::vector<double> steps(int map, double t0, double t1, int n = 32) {
    std::vector<double> d;
    for (int k = 0; k < n; ++k) {
        double a = t0 + (t1 - t0) * k / n, b = t0 + (t1 - t0) * (k + 1) / n;
        d.push_back(lightness(map_colour(map, b)) - lightness(map_colour(map, a)));
    }
    return d;
}

void expect_even_rise(const std::vector<double>& d) {
    double mean = 0;
    for (double s : d) mean += s / static_cast<double>(d.size());
    EXPECT_GT(mean, 0.5);
    // Perceptually even: no step strays far from the mean step.
    for (double s : d) EXPECT_NEAR(s, mean, 0.6 * mean);
}

TEST(ColourMaps, SequentialAndGreyRiseEvenlyInLightness) {
    expect_even_rise(steps(kMapSequential, 0, 1));
    expect_even_rise(steps(kMapGrey, 0, 1));
    EXPECT_EQ(map_colour(kMapGrey, 0), 0x000000u);
    EXPECT_EQ(map_colour(kMapGrey, 1), 0xFFFFFFu);
    // The sequential map runs from a dark blue to a light yellow.
    std::uint32_t first = map_colour(kMapSequential, 0), last = map_colour(kMapSequential, 1);
    EXPECT_GT(first & 0xFF, (first >> 8) & 0xFF);       // more blue than green
    EXPECT_GT((last >> 16) & 0xFF, last & 0xFF);        // more red than blue
    EXPECT_GT((last >> 8) & 0xFF, (last & 0xFF) + 60);  // yellow
    EXPECT_LT(lightness(first), 30);
    EXPECT_GT(lightness(last), 85);
}

TEST(ColourMaps, DivergingIsPaleInTheMiddleAndSymmetricInLightness) {
    std::vector<double> down = steps(kMapDiverging, 0.5, 0), up = steps(kMapDiverging, 0.5, 1);
    for (std::size_t k = 0; k < down.size(); ++k) {
        EXPECT_LT(down[k], 0);
        EXPECT_NEAR(down[k], up[k], 1.5);
    }
    std::uint32_t blue = map_colour(kMapDiverging, 0), red = map_colour(kMapDiverging, 1);
    EXPECT_GT(blue & 0xFF, (blue >> 16) & 0xFF);
    EXPECT_GT((red >> 16) & 0xFF, red & 0xFF);
    EXPECT_GT(lightness(map_colour(kMapDiverging, 0.5)), 90);
}

TEST(ColourMaps, ValuesMapThroughTheRangeAndOutsidersGetTheirOwnColours) {
    ColourMap map;
    map.map = kMapGrey;
    map.low = 10;
    map.high = 20;
    EXPECT_EQ(colour_of(map, 10), 0x02000000);
    EXPECT_EQ(colour_of(map, 20), 0x02FFFFFF);
    EXPECT_EQ(colour_of(map, 9), 0x02000000);    // below: the first colour by default
    EXPECT_EQ(colour_of(map, NAN), 0x020000FF);  // NaN in the grey map: red
    map.under = 0x0200FF00;
    map.over = 0x02FF0000;
    EXPECT_EQ(colour_of(map, 9.99), 0x0200FF00);
    EXPECT_EQ(colour_of(map, 20.01), 0x02FF0000);
    EXPECT_EQ(palette_index(map, 9), kPaletteUnder);
    EXPECT_EQ(palette_index(map, 21), kPaletteOver);
    EXPECT_EQ(palette_index(map, NAN), kPaletteInvalid);
    EXPECT_EQ(palette_index(map, 10), 0);
    EXPECT_EQ(palette_index(map, 20), kPaletteSteps - 1);
    std::array<std::int32_t, 256> palette = palette_of(map);
    EXPECT_EQ(palette[kPaletteUnder], 0x0200FF00);
    EXPECT_EQ(palette[kPaletteOver], 0x02FF0000);
    // A reversed range runs the map backwards.
    map.low = 20;
    map.high = 10;
    EXPECT_EQ(colour_of(map, 20), 0x02000000);
    EXPECT_EQ(colour_of(map, 10), 0x02FFFFFF);
    EXPECT_EQ(colour_of(map, 5), 0x02FF0000);  // beyond the high end: above
}

}  // namespace
}  // namespace lumora::plot
