// The GDI canvas draws plot batches at whole pixels: coordinates and widths rounded to
// the nearest, dashes scaled with the width, clips that hold within their batch.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "plotcore/items.h"
#include "server/render/gdi/page_image.h"
#include "server/render/painter.h"

namespace luwnd::render {
namespace {

namespace plotcore = lumora::plotcore;

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

plotcore::Item polyline(std::vector<plotcore::PointF> points, float width, std::uint32_t rgb = kRed,
                        plotcore::Dash dash = plotcore::Dash::kSolid) {
    plotcore::Item item;
    item.kind = plotcore::ItemKind::kPolyline;
    item.points = std::move(points);
    item.stroke = {rgb, width, dash};
    return item;
}

plotcore::Item clip(bool on, plotcore::BoxF box = {}) {
    plotcore::Item item;
    item.kind = plotcore::ItemKind::kClip;
    item.clip_on = on;
    item.clip = box;
    return item;
}

class GdiBatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        picture_.width = 200;
        picture_.height = 120;
    }
    void add(plotcore::Items items) {
        DrawItem item;
        item.kind = ItemKind::kBatch;
        item.batch = std::make_shared<const plotcore::Items>(std::move(items));
        picture_.items.push_back({item, std::nullopt});
    }
    void render() {
        image_ = render_page(picture_);
        ASSERT_NE(image_, nullptr);
    }
    std::uint32_t pixel(int x, int y) const { return image_->pixel(x, y); }
    int count_in_column(int x, int top, int bottom, std::uint32_t rgb) const {
        int n = 0;
        for (int y = top; y < bottom; ++y) n += pixel(x, y) == rgb ? 1 : 0;
        return n;
    }
    int count_in_row(int y, int left, int right, std::uint32_t rgb) const {
        int n = 0;
        for (int x = left; x < right; ++x) n += pixel(x, y) == rgb ? 1 : 0;
        return n;
    }

    Picture picture_;
    std::unique_ptr<PageImage> image_;
};

TEST_F(GdiBatchTest, LinesAreRoundedToWholePixels) {
    add({polyline({{10.3f, 20.4f}, {190.2f, 20.4f}}, 1.4f),
         polyline({{10, 60.6f}, {190, 60.6f}}, 2.6f, kBlue)});
    render();
    EXPECT_EQ(count_in_column(100, 10, 30, kRed), 1);
    EXPECT_EQ(pixel(100, 20), kRed);
    EXPECT_EQ(pixel(10, 20), kRed);
    EXPECT_EQ(pixel(9, 20), kWhite);
    EXPECT_EQ(count_in_column(100, 50, 70, kBlue), 3) << "2.6 pixels wide: 3";
    EXPECT_EQ(pixel(100, 61), kBlue);
}

TEST_F(GdiBatchTest, DashesScaleWithTheWidth) {
    add({polyline({{0, 30}, {200, 30}}, 1, kRed, plotcore::Dash::kDash),
         polyline({{0, 60}, {200, 60}}, 2, kRed, plotcore::Dash::kDash)});
    render();
    // Dash 6, gap 3 widths: two thirds of each row drawn.
    const int thin = count_in_row(30, 0, 180, kRed), wide = count_in_row(60, 0, 180, kRed);
    EXPECT_NEAR(thin, 120, 12);
    EXPECT_NEAR(wide, 120, 12);
    // The wide line's gaps are twice as long: its first gap starts later.
    int first_gap_thin = 0, first_gap_wide = 0;
    while (first_gap_thin < 200 && pixel(first_gap_thin, 30) == kRed) ++first_gap_thin;
    while (first_gap_wide < 200 && pixel(first_gap_wide, 60) == kRed) ++first_gap_wide;
    EXPECT_EQ(first_gap_thin, 6);
    EXPECT_EQ(first_gap_wide, 12);
}

TEST_F(GdiBatchTest, PolygonsMarkersAndDotsFillWhereTheySay) {
    plotcore::Item square;
    square.kind = plotcore::ItemKind::kPolygon;
    square.filled = true;
    square.outlined = false;
    square.fill_rgb = kBlue;
    square.points = {{20.2f, 20.2f}, {60.4f, 20.2f}, {60.4f, 50.4f}, {20.2f, 50.4f}};
    plotcore::Item circles;
    circles.kind = plotcore::ItemKind::kMarkers;
    circles.marker = {3, true, 10.5f, 1.2f, kRed};
    circles.points = {{120.4f, 40.4f}};
    add({square, circles, polyline({{160.2f, 40.3f}}, 6, kRed)});
    render();
    EXPECT_EQ(pixel(40, 35), kBlue);
    EXPECT_EQ(pixel(21, 21), kBlue);
    EXPECT_EQ(pixel(59, 49), kBlue);
    EXPECT_EQ(pixel(18, 35), kWhite);
    EXPECT_EQ(pixel(62, 35), kWhite);
    EXPECT_EQ(pixel(120, 40), kRed) << "a filled circle";
    EXPECT_EQ(pixel(120, 30), kWhite);
    EXPECT_EQ(pixel(160, 40), kRed) << "a dot as wide as its line";
    EXPECT_EQ(pixel(160, 46), kWhite);
}

TEST_F(GdiBatchTest, AClipHoldsWithinItsBatchOnly) {
    add({clip(true, {50, 0, 100, 120}), polyline({{0, 20}, {200, 20}}, 1), clip(false),
         polyline({{0, 30}, {200, 30}}, 1), clip(true, {0, 0, 20, 20})});
    add({polyline({{0, 40}, {200, 40}}, 1)});
    render();
    EXPECT_EQ(count_in_row(20, 0, 200, kRed), 50);
    EXPECT_EQ(pixel(50, 20), kRed);
    EXPECT_EQ(pixel(49, 20), kWhite);
    EXPECT_EQ(count_in_row(30, 0, 200, kRed), 200);
    EXPECT_EQ(count_in_row(40, 0, 200, kRed), 200) << "the next batch is not clipped";
}

TEST_F(GdiBatchTest, TextsAreDrawnAtTheirAnchor) {
    plotcore::Item text;
    text.kind = plotcore::ItemKind::kText;
    text.points = {{100.4f, 60.4f}};
    text.text = {20, 0, plotcore::HAlign::kCentre, plotcore::VAlign::kBaseline, 0, 0, "Hello"};
    add({text});
    render();
    int left_dark = 0, right_dark = 0, below = 0;
    for (int y = 40; y < 60; ++y) {
        for (int x = 60; x < 100; ++x) left_dark += pixel(x, y) != kWhite ? 1 : 0;
        for (int x = 100; x < 140; ++x) right_dark += pixel(x, y) != kWhite ? 1 : 0;
    }
    for (int y = 66; y < 100; ++y) below += count_in_row(y, 0, 200, kWhite) != 200 ? 1 : 0;
    EXPECT_GT(left_dark, 20) << "centred on its anchor";
    EXPECT_GT(right_dark, 20);
    EXPECT_EQ(below, 0) << "above its baseline";
}

}  // namespace
}  // namespace luwnd::render
