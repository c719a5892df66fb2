// The GDI canvas paints plot batches antialiased where their coordinates and widths say,
// fractions of a pixel too: dashes scaled with the width, clips that hold within their
// batch.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
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

// How far a pixel is from white towards the line's colour, 0 .. 1 (red lines: by green).
double redness(std::uint32_t rgb) {
    return (255.0 - ((rgb >> 8) & 0xFF)) / 255.0;
}

TEST_F(GdiBatchTest, LinesLieWhereTheirCoordinatesSayToAFractionOfAPixel) {
    add({polyline({{10, 20.5f}, {190, 20.5f}}, 1), polyline({{10, 40}, {190, 40}}, 1),
         polyline({{10, 60}, {190, 60}}, 2.5f, kBlue)});
    render();
    EXPECT_EQ(pixel(100, 20), kRed) << "a pixel wide through the pixel centres: one row";
    EXPECT_EQ(pixel(100, 19), kWhite);
    EXPECT_EQ(pixel(100, 21), kWhite);
    EXPECT_NEAR(redness(pixel(100, 39)), 0.5, 0.01) << "along pixel edges: half of two rows";
    EXPECT_NEAR(redness(pixel(100, 40)), 0.5, 0.01);
    EXPECT_EQ(count_in_column(100, 50, 70, kBlue), 2) << "2.5 pixels wide";
    EXPECT_NE(pixel(100, 58), kWhite);
    EXPECT_NE(pixel(100, 61), kWhite);
    EXPECT_NE(pixel(100, 58), kBlue);
}

TEST_F(GdiBatchTest, ALineHalfAPixelOverLiesHalfAPixelOver) {
    add({polyline({{30, 10}, {30, 110}}, 1.5f), polyline({{70.5f, 10}, {70.5f, 110}}, 1.5f)});
    render();
    // The centre of each line's coverage across a row.
    auto centre = [&](int from) {
        double sum = 0, weighted = 0;
        for (int x = from; x < from + 10; ++x) {
            sum += redness(pixel(x, 60));
            weighted += redness(pixel(x, 60)) * (x + 0.5);
        }
        return weighted / sum;
    };
    EXPECT_NEAR(centre(25), 30, 0.02);
    EXPECT_NEAR(centre(65), 70.5, 0.02);
    EXPECT_NEAR(redness(pixel(29, 60)), 0.75, 0.01);
    EXPECT_NEAR(redness(pixel(30, 60)), 0.75, 0.01);
    EXPECT_EQ(pixel(70, 60), kRed);
    EXPECT_NEAR(redness(pixel(69, 60)), 0.25, 0.01);
}

TEST_F(GdiBatchTest, ADiagonalLineFadesThroughManyLevels) {
    add({polyline({{10.3f, 10.7f}, {190.1f, 100.2f}}, 1.5f)});
    render();
    std::set<std::uint32_t> levels;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 200; ++x) levels.insert(pixel(x, y));
    EXPECT_GT(levels.size(), 64u) << "antialiased, not a few grey levels";
}

TEST_F(GdiBatchTest, DashesScaleWithTheWidth) {
    add({polyline({{0, 30.5f}, {200, 30.5f}}, 1, kRed, plotcore::Dash::kDash),
         polyline({{0, 60}, {200, 60}}, 2, kRed, plotcore::Dash::kDash)});
    render();
    // Dash 6, gap 3 widths, flat ends: whole pixels.
    for (int x = 0; x < 36; ++x) {
        EXPECT_EQ(pixel(x, 30), x % 9 < 6 ? kRed : kWhite) << x;
        EXPECT_EQ(pixel(x, 59), x % 18 < 12 ? kRed : kWhite) << x;
        EXPECT_EQ(pixel(x, 60), x % 18 < 12 ? kRed : kWhite) << x;
    }
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
    add({clip(true, {50, 0, 100, 120}), polyline({{0, 20.5f}, {200, 20.5f}}, 1), clip(false),
         polyline({{-5, 30.5f}, {205, 30.5f}}, 1), clip(true, {0, 0, 20, 20})});
    add({polyline({{-5, 40.5f}, {205, 40.5f}}, 1)});
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
    text.text = {20, 0, plotcore::HAlign::kCentre, plotcore::VAlign::kBaseline, 0, 0, "Hello", {}};
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

// A text with a picture is drawn through it: the one turned a quarter counterclockwise and
// sheared stands above its anchor, left of it, where the plain one runs to the right.
TEST_F(GdiBatchTest, TextsWithAMatrixAreDrawnThroughIt) {
    plotcore::Item text;
    text.kind = plotcore::ItemKind::kText;
    text.points = {{100, 100}};
    text.text = {20, 0, plotcore::HAlign::kLeft, plotcore::VAlign::kBaseline, 0, 0, "Hello", {}};
    text.text.matrix = plotcore::BatchTextMatrix{0, 1, -1, 0.5f};
    add({text});
    render();
    int above = 0, right = 0;
    for (int y = 0; y < picture_.height; ++y) {
        for (int x = 0; x < picture_.width; ++x) {
            if (pixel(x, y) == kWhite) continue;
            above += y < 96 && x < 102 ? 1 : 0;
            right += x > 104 ? 1 : 0;
        }
    }
    EXPECT_GT(above, 40) << "up the page along its baseline";
    EXPECT_EQ(right, 0) << "nothing where the unturned text would run";
}

}  // namespace
}  // namespace luwnd::render
