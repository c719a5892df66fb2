// Plot pens on the GDI canvas: antialiased into the page image's pixels under the
// transform and the clip; drawn by GDI, whole pixels and plain colours, where the canvas
// has no pixels (a metafile) or the pen mixes its colour in.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>

#include "server/render/gdi/gdi_canvas.h"
#include "server/render/gdi/page_image.h"
#include "server/render/mix_mode.h"

namespace luwnd::render {
namespace {

constexpr std::uint32_t kRed = 0xFF0000, kWhite = 0xFFFFFF;
constexpr int kWidth = 200, kHeight = 120;

Pen plot_pen(double width, std::int32_t mix = 0) {
    Pen pen;
    pen.rgb = kRed;
    pen.width = 1;
    pen.exact_width = width;
    pen.mix = mix;
    return pen;
}

class GdiPlotPenTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(image_.valid()); }
    GdiCanvas canvas(bool with_pixels) {
        return GdiCanvas(image_.dc(), kWidth, kHeight,
                         with_pixels ? std::optional(image_.pixels()) : std::nullopt);
    }
    std::uint32_t pixel(int x, int y) const { return image_.pixel(x, y); }
    std::set<std::uint32_t> colours() const {
        std::set<std::uint32_t> out;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) out.insert(pixel(x, y));
        return out;
    }

    PageImage image_{kWidth, kHeight};
};

TEST_F(GdiPlotPenTest, ThePenFollowsTheTransformButKeepsItsWidth) {
    GdiCanvas c = canvas(true);
    c.clear(kWhite);
    c.set_transform(Transform{10, 5, 2 * 65536, 0, 0, 2 * 65536});
    c.line({10, 20.25}, {80, 20.25}, plot_pen(1));  // device row 45.5
    EXPECT_EQ(pixel(100, 45), kRed);
    EXPECT_EQ(pixel(100, 44), kWhite);
    EXPECT_EQ(pixel(100, 46), kWhite);
    EXPECT_EQ(pixel(28, 45), kWhite) << "round ends reach half the width beyond the ends";
    EXPECT_NE(pixel(29, 45), kWhite);
    EXPECT_NE(pixel(170, 45), kWhite);
    EXPECT_EQ(pixel(171, 45), kWhite);
}

TEST_F(GdiPlotPenTest, TheClipHoldsInsideAndOutsideItsBox) {
    GdiCanvas c = canvas(true);
    c.clear(kWhite);
    const std::array<Point, 4> all{Point{-5, -5}, Point{205, -5}, Point{205, 125}, Point{-5, 125}};
    c.set_clip({Clip::Kind::kOutside, {50, 0, 100, 60}});
    c.polyline(std::array<Point, 2>{Point{0, 30.5}, Point{200, 30.5}}, plot_pen(1));
    c.set_clip({Clip::Kind::kInside, {50, 80, 100, 120}});
    c.polygon(all, FillRule::kWinding, plot_pen(1), Fill{kRed, 0});
    EXPECT_EQ(pixel(40, 30), kRed);
    EXPECT_EQ(pixel(60, 30), kWhite);
    EXPECT_EQ(pixel(49, 30), kRed);
    EXPECT_EQ(pixel(50, 30), kWhite);
    EXPECT_EQ(pixel(60, 90), kRed);
    EXPECT_EQ(pixel(49, 90), kWhite);
    EXPECT_EQ(pixel(60, 79), kWhite);
}

TEST_F(GdiPlotPenTest, FillsOfPlotItemsHaveSubPixelEdges) {
    GdiCanvas c = canvas(true);
    c.clear(kWhite);
    c.rectangle({20.5, 10, 60, 50.75}, plot_pen(1e-9), Fill{kRed, 0});
    EXPECT_EQ(pixel(40, 30), kRed);
    EXPECT_EQ(pixel(20, 30), 0xFF7F7Fu) << "half the pixel";
    EXPECT_EQ(pixel(40, 50), 0xFF4040u) << "three quarters";
    EXPECT_EQ(pixel(19, 30), kWhite);
}

TEST_F(GdiPlotPenTest, WithoutPixelsOrWithAMixGdiDrawsWholePixels) {
    const std::array<Point, 2> diagonal{Point{10.3, 10.7}, Point{190.1, 100.2}};
    {
        GdiCanvas c = canvas(false);
        c.clear(kWhite);
        c.polyline(diagonal, plot_pen(1.5));
    }
    EXPECT_EQ(colours(), (std::set<std::uint32_t>{kRed, kWhite}));
    {
        GdiCanvas c = canvas(true);
        c.clear(kWhite);
        c.polyline(diagonal, plot_pen(1.5, kMixXorPen));
    }
    EXPECT_EQ(colours(), (std::set<std::uint32_t>{0x00FFFF, kWhite})) << "white xor red";
    {
        GdiCanvas c = canvas(true);
        c.clear(kWhite);
        c.polyline(diagonal, plot_pen(1.5));
    }
    EXPECT_GT(colours().size(), 64u);
}

}  // namespace
}  // namespace luwnd::render
