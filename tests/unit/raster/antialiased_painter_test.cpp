// Plot pens painted into pixels: colours blended by coverage, the clip, dashes in the
// pen's width, and lines too long or too strange to paint whole.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "server/render/raster/antialiased_painter.h"

namespace luwnd::render::raster {
namespace {

constexpr std::uint32_t kRed = 0xFF0000, kWhite = 0xFFFFFF;

class Page {
  public:
    Page(int width, int height, bool bottom_up = false)
        : width_(width), bytes_(std::size_t(width) * std::size_t(height) * 4, 0xFF) {
        target_ = {bytes_.data(), std::ptrdiff_t(width) * 4, width, height};
        if (bottom_up) {
            target_.bits = bytes_.data() + std::size_t(height - 1) * std::size_t(width) * 4;
            target_.stride = -target_.stride;
        }
    }
    const PixelTarget& target() const { return target_; }
    std::uint32_t rgb(int x, int y) const {
        const std::uint8_t* p = target_.bits + target_.stride * y + 4 * x;
        return std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
    }
    int count(std::uint32_t rgb) const {
        int n = 0;
        for (int y = 0; y < target_.height; ++y)
            for (int x = 0; x < width_; ++x) n += this->rgb(x, y) == rgb ? 1 : 0;
        return n;
    }

  private:
    int width_;
    std::vector<std::uint8_t> bytes_;
    PixelTarget target_;
};

Pen plot_pen(double width, DashStyle dash = DashStyle::kSolid, std::uint32_t rgb = kRed) {
    Pen pen;
    pen.rgb = rgb;
    pen.dash = dash;
    pen.exact_width = width;
    return pen;
}

TEST(AntialiasedPainter, BlendsThePenByCoverage) {
    Page page(40, 30);
    AntialiasedPainter painter(page.target(), Clip{});
    const std::vector<Point> centred{{5, 10.5}, {35, 10.5}}, on_edge{{5, 20}, {35, 20}};
    painter.stroke(centred, false, plot_pen(1));
    painter.stroke(on_edge, false, plot_pen(1));
    EXPECT_EQ(page.rgb(20, 10), kRed);
    EXPECT_EQ(page.rgb(20, 9), kWhite);
    EXPECT_EQ(page.rgb(20, 11), kWhite);
    EXPECT_EQ(page.rgb(20, 19), 0xFF7F7Fu) << "half red over white";
    EXPECT_EQ(page.rgb(20, 20), 0xFF7F7Fu);
    EXPECT_EQ(page.rgb(2, 10), kWhite);
}

TEST(AntialiasedPainter, KeepsWithinTheClipOrOutsideIt) {
    const std::vector<Point> all{{-5, -5}, {45, -5}, {45, 35}, {-5, 35}};
    Page inside(40, 30), outside(40, 30), bottom_up(40, 30, true);
    const Box box{10.4, 10, 20, 19.6};
    AntialiasedPainter(inside.target(), Clip{Clip::Kind::kInside, box})
        .fill(all, FillRule::kWinding, kRed);
    AntialiasedPainter(outside.target(), Clip{Clip::Kind::kOutside, box})
        .fill(all, FillRule::kWinding, kRed);
    AntialiasedPainter(bottom_up.target(), Clip{Clip::Kind::kInside, box})
        .fill(all, FillRule::kWinding, kRed);
    EXPECT_EQ(inside.count(kRed), 100);
    EXPECT_EQ(inside.rgb(10, 10), kRed);
    EXPECT_EQ(inside.rgb(19, 19), kRed);
    EXPECT_EQ(inside.rgb(9, 10), kWhite);
    EXPECT_EQ(outside.count(kRed), 1200 - 100);
    EXPECT_EQ(outside.rgb(10, 10), kWhite);
    EXPECT_EQ(outside.rgb(9, 10), kRed);
    EXPECT_EQ(bottom_up.count(kRed), 100);
    EXPECT_EQ(bottom_up.rgb(19, 19), kRed) << "rows counted from the top either way";
}

TEST(AntialiasedPainter, DashesScaleWithThePensWidth) {
    Page page(200, 20);
    AntialiasedPainter painter(page.target(), Clip{});
    const std::vector<Point> line{{0, 5.5}, {200, 5.5}}, wide{{0, 14}, {200, 14}};
    painter.stroke(line, false, plot_pen(1, DashStyle::kDash));
    painter.stroke(wide, false, plot_pen(2, DashStyle::kDash));
    // 6 on, 3 off in widths: flat ends, so the dashes cover whole pixels.
    for (int x = 0; x < 36; ++x) {
        EXPECT_EQ(page.rgb(x, 5), x % 9 < 6 ? kRed : kWhite) << x;
        EXPECT_EQ(page.rgb(x, 13), x % 18 < 12 ? kRed : kWhite) << x;
    }
}

TEST(AntialiasedPainter, LongAndStrangeLinesNeitherCrashNorRunAway) {
    Page page(200, 200);
    AntialiasedPainter painter(page.target(), Clip{});
    std::vector<Point> zigzag;  // a million points, a thousand to every column of pixels
    for (int i = 0; i < 1'000'000; ++i)
        zigzag.push_back({10 + (i % 180'000) * 0.001, i % 2 ? 98.0 : 102.0});
    painter.stroke(zigzag, false, plot_pen(1.5));
    EXPECT_EQ(page.rgb(100, 100), kRed);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<Point> strange{{nan, 5}, {inf, 5}, {-1e300, 1e300}, {5, nan}, {1e15, 3}};
    painter.stroke(strange, false, plot_pen(2));
    painter.stroke(strange, true, plot_pen(1e9));
    painter.stroke(strange, false, plot_pen(3, DashStyle::kDot));
    EXPECT_TRUE(painter.fill(strange, FillRule::kAlternate, kRed));
    // A figure with more edges than the raster takes paints nothing and says so.
    std::vector<Point> many(CoverageRaster::kMaxEdges + 10, Point{1, 1});
    for (std::size_t i = 0; i < many.size(); ++i) many[i].y = double(i % 3);
    Page clean(20, 20);
    EXPECT_FALSE(AntialiasedPainter(clean.target(), Clip{}).fill(many, FillRule::kWinding, kRed));
    EXPECT_EQ(clean.count(kWhite), 400);
}

}  // namespace
}  // namespace luwnd::render::raster
