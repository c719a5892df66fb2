// The GDI canvas draws known pictures into a page image; pixels that matter are checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "plotcore/items.h"
#include "server/render/gdi/gdi_canvas.h"
#include "server/render/gdi/gdi_text_measure.h"
#include "server/render/gdi/page_image.h"
#include "server/render/painter.h"
#include "tests/unit/render/measured_text_checks.h"

namespace luwnd::render {
namespace {

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF, kBlack = 0;

class GdiCanvasTest : public ::testing::Test {
  protected:
    void SetUp() override {
        picture_.width = 200;
        picture_.height = 120;
    }

    void add(DrawItem item, std::optional<std::uint32_t> extra = std::nullopt) {
        picture_.items.emplace_back(PaintItem{std::move(item), extra});
    }
    DrawItem item(ItemKind kind, std::initializer_list<std::int32_t> coords, std::uint32_t rgb) {
        DrawItem i;
        i.kind = kind;
        std::copy(coords.begin(), coords.end(), i.coords.begin());
        i.rgb = rgb;
        return i;
    }
    void render() {
        image_ = render_page(picture_);
        ASSERT_NE(image_, nullptr);
    }
    std::uint32_t pixel(int x, int y) const { return image_->pixel(x, y); }
    static bool dark(std::uint32_t rgb) {
        return ((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF) < 3 * 128;
    }
    int count(int left, int top, int right, int bottom, bool (*test)(std::uint32_t)) const {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += test(pixel(x, y)) ? 1 : 0;
        return n;
    }
    int dark_pixels(int left, int top, int right, int bottom) const {
        return count(left, top, right, bottom, dark);
    }

    Picture picture_;
    std::unique_ptr<PageImage> image_;
};

TEST_F(GdiCanvasTest, TheBackgroundIsThePagesColour) {
    render();
    EXPECT_EQ(image_->width(), 200);
    EXPECT_EQ(image_->height(), 120);
    EXPECT_EQ(pixel(0, 0), kWhite);
    EXPECT_EQ(pixel(199, 119), kWhite);
    picture_.background = 0x123456;
    render();
    EXPECT_EQ(pixel(100, 60), 0x123456u);
}

// A program that measures a text and places it by that measure must find it there.
TEST_F(GdiCanvasTest, TheMeasureOfATextIsWhereTheDrawingEnds) {
    GdiTextMeasure measure;
    FontState font;
    font.size = 20;
    DrawItem text = item(ItemKind::kText, {10, 60}, 0);
    text.text = "Wide text";
    text.font = font;
    add(text);
    render();
    test::expect_measure_matches_drawing(measure, font,
                                         [this](int x, int y) { return dark(pixel(x, y)); });
}

TEST_F(GdiCanvasTest, AHorizontalLineColoursItsRowOnly) {
    add(item(ItemKind::kLine, {10, 50, 190, 50}, kRed));
    render();
    for (int x = 10; x < 190; x += 7) {
        EXPECT_EQ(pixel(x, 50), kRed) << x;
        EXPECT_EQ(pixel(x, 49), kWhite) << x;
        EXPECT_EQ(pixel(x, 51), kWhite) << x;
    }
    EXPECT_EQ(pixel(9, 50), kWhite);
}

TEST_F(GdiCanvasTest, AWidePenCoversRowsAroundTheLine) {
    DrawItem wide = item(ItemKind::kLine, {20, 60, 180, 60}, kBlue);
    wide.pen.width = 5;
    add(wide);
    render();
    for (int y = 58; y <= 62; ++y) EXPECT_EQ(pixel(100, y), kBlue) << y;
    EXPECT_EQ(pixel(100, 56), kWhite);
    EXPECT_EQ(pixel(100, 64), kWhite);
}

TEST_F(GdiCanvasTest, AFilledRectangleCoversExactlyItsBox) {
    add(item(ItemKind::kBox22, {60, 30, 20, 10}, kBlack), kBlue);
    render();
    EXPECT_EQ(pixel(20, 10), kBlue);
    EXPECT_EQ(pixel(59, 29), kBlue);
    EXPECT_EQ(pixel(40, 20), kBlue);
    EXPECT_EQ(pixel(60, 20), kWhite);
    EXPECT_EQ(pixel(40, 30), kWhite);
    EXPECT_EQ(pixel(19, 20), kWhite);
    EXPECT_EQ(pixel(40, 9), kWhite);
}

TEST_F(GdiCanvasTest, ARectangleOutlineLeavesItsInsideAlone) {
    add(item(ItemKind::kBox21, {20, 20, 60, 60}, kBlue));
    render();
    EXPECT_EQ(pixel(20, 40), kBlue);
    EXPECT_EQ(pixel(59, 40), kBlue);
    EXPECT_EQ(pixel(40, 20), kBlue);
    EXPECT_EQ(pixel(40, 59), kBlue);
    EXPECT_EQ(pixel(40, 40), kWhite);
    EXPECT_EQ(pixel(60, 40), kWhite);
    EXPECT_EQ(pixel(40, 60), kWhite);
}

TEST_F(GdiCanvasTest, EllipsesAndPiesStayInTheirBoxes) {
    add(item(ItemKind::kBox24, {10, 10, 90, 50}, kRed));
    // A pie of the right half: from straight down to straight up, counterclockwise.
    add(item(ItemKind::kArc27, {110, 10, 190, 90, 150, 200, 150, 0}, kBlue));
    render();
    EXPECT_EQ(pixel(10, 30), kRed);  // left end of the ellipse
    EXPECT_EQ(pixel(50, 10), kRed);  // its top
    EXPECT_EQ(pixel(50, 30), kWhite);
    EXPECT_EQ(pixel(12, 12), kWhite);  // the box corner lies outside
    EXPECT_EQ(pixel(189, 50), kBlue);  // the right end of the arc
    auto blue = [](std::uint32_t rgb) { return rgb == kBlue; };
    EXPECT_GT(count(147, 30, 152, 31, blue), 0);  // the radii up and down from the centre
    EXPECT_GT(count(147, 70, 152, 71, blue), 0);
    EXPECT_EQ(pixel(111, 50), kWhite);  // the left half is not drawn
    EXPECT_EQ(pixel(170, 50), kWhite);  // inside of the pie, no fill
}

TEST_F(GdiCanvasTest, PolygonsFillByTheirRule) {
    // A five-pointed star drawn in one stroke: its centre is inside by the winding rule
    // and outside by the alternate rule.
    std::vector<std::int32_t> star = {50, 10, 74, 85, 10, 38, 90, 38, 26, 85};
    DrawItem polygon = item(ItemKind::kPolygon, {}, kRed);
    polygon.points = star;
    polygon.arg1 = 1;
    add(polygon);
    polygon.arg1 = 2;
    for (std::size_t i = 0; i < star.size(); i += 2) polygon.points[i] += 100;
    add(polygon);
    render();
    EXPECT_EQ(pixel(50, 50), kWhite);
    EXPECT_EQ(pixel(150, 50), kRed);
    EXPECT_EQ(pixel(50, 30), kRed);  // a point of the star
    EXPECT_EQ(pixel(5, 5), kWhite);
}

TEST_F(GdiCanvasTest, DashedLinesLeaveGaps) {
    DrawItem dashed = item(ItemKind::kLine, {0, 10, 200, 10}, kBlack);
    dashed.pen.style = 1;
    add(dashed);
    DrawItem none = item(ItemKind::kLine, {0, 20, 200, 20}, kBlack);
    none.pen.style = 5;
    add(none);
    render();
    int dark_count = dark_pixels(0, 10, 200, 11);
    EXPECT_GT(dark_count, 100);
    EXPECT_LT(dark_count, 160);
    EXPECT_EQ(dark_pixels(0, 20, 200, 21), 0);
}

TEST_F(GdiCanvasTest, XorDrawnTwiceRestoresThePage) {
    add(item(ItemKind::kBox22, {0, 0, 100, 120}, kBlack), kBlack);
    DrawItem xored = item(ItemKind::kBox22, {50, 50, 150, 70}, kBlack);
    xored.pen.mix = 7;
    add(xored, kWhite);
    render();
    EXPECT_EQ(pixel(60, 60), kWhite);   // black xor white
    EXPECT_EQ(pixel(120, 60), kBlack);  // white xor white
    add(xored, kWhite);
    render();
    EXPECT_EQ(pixel(60, 60), kBlack);
    EXPECT_EQ(pixel(120, 60), kWhite);
}

TEST_F(GdiCanvasTest, LinesTakeTheMixMode) {
    add(item(ItemKind::kBox22, {0, 0, 200, 120}, kBlack), 0x00FF00);
    DrawItem merged = item(ItemKind::kLine, {10, 50, 190, 50}, kRed);
    merged.pen.mix = 15;  // merge pen: red or green
    add(merged);
    DrawItem inverted = item(ItemKind::kLine, {10, 70, 190, 70}, kRed);
    inverted.pen.mix = 6;  // not: the pen colour does not matter
    add(inverted);
    render();
    EXPECT_EQ(pixel(100, 50), 0xFFFF00u);
    EXPECT_EQ(pixel(100, 70), 0xFF00FFu);
    EXPECT_EQ(pixel(100, 60), 0x00FF00u);
}

TEST_F(GdiCanvasTest, TheRectangleModeClipsInsideOrOutside) {
    DrawItem clipped = item(ItemKind::kBox22, {0, 0, 100, 120}, kRed);
    clipped.rectangle = {10, 10, 30, 30, 1};
    add(clipped, kRed);
    DrawItem outside = item(ItemKind::kBox22, {100, 0, 200, 120}, kBlue);
    outside.rectangle = {140, 40, 160, 60, 2};
    add(outside, kBlue);
    render();
    EXPECT_EQ(pixel(20, 20), kRed);
    EXPECT_EQ(pixel(29, 29), kRed);
    EXPECT_EQ(pixel(30, 30), kWhite);
    EXPECT_EQ(pixel(40, 40), kWhite);
    EXPECT_EQ(pixel(120, 20), kBlue);
    EXPECT_EQ(pixel(150, 50), kWhite);
}

TEST_F(GdiCanvasTest, TheTransformMovesTheDrawingButNotThePenWidth) {
    DrawItem moved = item(ItemKind::kBox22, {0, 0, 10, 10}, kRed);
    moved.transform.dx = 100;
    moved.transform.dy = 50;
    add(moved, kRed);
    DrawItem flat = item(ItemKind::kBox22, {0, 0, 10, 10}, kRed);
    flat.transform.m22 = 0;  // not invertible: nothing is drawn
    add(flat, kRed);
    DrawItem scaled = item(ItemKind::kLine, {10, 10, 40, 10}, kBlue);
    scaled.transform.m11 = scaled.transform.m22 = 4 * 65536;
    add(scaled);
    render();
    EXPECT_EQ(pixel(105, 55), kRed);
    EXPECT_EQ(pixel(5, 5), kWhite);
    EXPECT_EQ(pixel(100, 40), kBlue);
    EXPECT_EQ(pixel(100, 41), kWhite);  // still one pixel wide
}

TEST_F(GdiCanvasTest, TextDrawsDarkPixelsWhereItsAlignmentPutsIt) {
    DrawItem text = item(ItemKind::kText, {100, 60}, kBlack);
    text.text = "Wide text";
    text.font.size = 20;
    text.font.align = 0;  // left, top: below and right of the point
    add(text);
    render();
    EXPECT_GT(dark_pixels(100, 60, 200, 85), 30);
    EXPECT_EQ(dark_pixels(0, 0, 100, 60), 0);

    picture_.items.clear();
    text.font.align = 8;  // right, bottom: above and left of the point
    add(text);
    render();
    EXPECT_GT(dark_pixels(0, 35, 100, 60), 30);
    EXPECT_EQ(dark_pixels(100, 60, 200, 120), 0);
}

TEST_F(GdiCanvasTest, RotatedTextRunsUpwards) {
    DrawItem text = item(ItemKind::kText, {100, 110}, kBlack);
    text.text = "Upwards";
    text.font.size = 20;
    text.font.angle = 900;
    add(text);
    render();
    EXPECT_GT(dark_pixels(100, 30, 125, 110), 30);  // up from the point, to its right
    EXPECT_EQ(dark_pixels(125, 0, 200, 120), 0);
    EXPECT_EQ(dark_pixels(0, 0, 99, 120), 0);
}

// The painter draws texts plainly; the canvas still takes a text's mix mode.
TEST_F(GdiCanvasTest, TextTakesTheMixModeThroughItsMask) {
    auto red = [](std::uint32_t rgb) { return rgb == kRed; };
    auto cyan = [](std::uint32_t rgb) { return rgb == 0x00FFFFu; };
    TextStyle style;
    style.height = 30;
    style.style = kTextBold;
    style.rgb = kRed;
    int plain = 0;
    for (std::int32_t mix : {0, 10, 11}) {
        image_ = std::make_unique<PageImage>(200, 120);
        {
            GdiCanvas canvas(image_->dc(), 200, 120);
            canvas.clear(kBlack);
            style.mix = mix;
            canvas.text({10, 10}, "Mixed", style);
        }
        if (mix == 0) plain = count(0, 0, 200, 60, red);
        if (mix == 10) {  // not xor pen: over black it gives the inverted pen colour
            EXPECT_GT(count(0, 0, 200, 60, cyan), plain / 2);
            EXPECT_EQ(count(0, 0, 200, 120, red), 0);
        }
        if (mix == 11) {  // no operation
            EXPECT_EQ(count(0, 0, 200, 120, dark), 200 * 120);
        }
    }
    EXPECT_GT(plain, 50);
}

TEST_F(GdiCanvasTest, HostileValuesDrawWithoutHarm) {
    DrawItem huge =
        item(ItemKind::kArc27, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0, 0, 0, 0}, kRed);
    huge.pen.width = 16384;
    add(huge);
    DrawItem stretched = item(ItemKind::kBox24, {-100000, -100000, 100000, 100000}, kRed);
    stretched.transform.m11 = stretched.transform.m22 = INT32_MAX;
    stretched.pen.width = 16384;
    add(stretched);
    DrawItem round = item(ItemKind::kBox23, {10, 10, 20, 20}, kRed);
    round.arg1 = INT32_MAX;
    add(round);
    DrawItem distant = item(ItemKind::kText, {INT32_MAX, INT32_MIN}, kRed);
    distant.text = "far";
    distant.font.size = 16384;
    distant.transform.m11 = INT32_MAX;
    add(distant);
    add(item(ItemKind::kLine, {10, 100, 190, 100}, kBlue));
    render();
    EXPECT_EQ(pixel(100, 100), kBlue);  // later drawings still come out
}

// Items wholly off the page are left out before GDI sees them; those that start off the
// page and reach into it are still drawn.
TEST_F(GdiCanvasTest, ItemsReachingThePageFromOutsideAreDrawn) {
    DrawItem text = item(ItemKind::kText, {-20, 40}, kBlack);
    text.text = "WWWW";
    text.font.size = 30;
    add(text);
    add(item(ItemKind::kLine, {-2000000000, 100, 2000000000, 100}, kBlue));
    add(item(ItemKind::kBox21, {-10, -10, 60, 30}, kRed));  // outline
    DrawItem shifted = item(ItemKind::kLine, {-400, 110, -300, 110}, kBlue);
    shifted.transform.dx = 450;  // moved onto the page by the transform
    add(shifted);
    render();
    EXPECT_GT(dark_pixels(0, 40, 40, 80), 20);
    EXPECT_EQ(pixel(100, 100), kBlue);
    EXPECT_EQ(pixel(59, 15), kRed);
    EXPECT_EQ(pixel(100, 110), kBlue);
}

TEST_F(GdiCanvasTest, FarTextsDrawNothingInEveryMixMode) {
    image_ = std::make_unique<PageImage>(200, 120);
    {
        GdiCanvas canvas(image_->dc(), 200, 120);
        canvas.clear(kWhite);
        TextStyle style;
        style.height = 16384;
        for (std::int32_t mix : {0, 6, 10}) {
            style.mix = mix;
            canvas.text({1048575, -1048575}, "far", style);
            canvas.text({-1048575, 1048575}, "far", style);
            canvas.text({300, 60}, "just off the page", TextStyle{});
        }
        Transform stretched;
        stretched.m11 = stretched.m22 = INT32_MAX;
        canvas.set_transform(stretched);
        canvas.text({1000, 1000}, "far", TextStyle{});
        canvas.set_transform(Transform{});
        canvas.line({0, 50}, {199, 50}, Pen{kBlue});
    }
    auto white = [](std::uint32_t rgb) { return rgb == kWhite; };
    EXPECT_EQ(count(0, 0, 200, 50, white), 200 * 50);
    EXPECT_EQ(count(0, 51, 200, 120, white), 200 * 69);
    EXPECT_EQ(pixel(100, 50), kBlue);  // the canvas still draws
}

DrawItem image_item(std::vector<std::uint32_t> rgb, int width, std::array<std::int32_t, 4> corners,
                    bool smooth) {
    DrawItem i;
    i.kind = ItemKind::kImage;
    std::copy(corners.begin(), corners.end(), i.coords.begin());
    i.arg1 = smooth ? 1 : 0;
    auto pixels = std::make_shared<ImagePixels>();
    pixels->width = width;
    pixels->height = static_cast<std::int32_t>(rgb.size()) / width;
    pixels->rgb = std::move(rgb);
    i.image = pixels;
    return i;
}

TEST_F(GdiCanvasTest, PicturesFillTheirBoxUnderTheClipAndTheTransform) {
    add(image_item({kRed, kBlue, kBlack, kWhite}, 2, {100, 100, 20, 20}, false));  // mirrored
    DrawItem clipped = image_item({kBlue}, 1, {150, 10, 190, 50}, true);
    clipped.rectangle = {150, 10, 170, 50, 1};
    add(clipped);
    DrawItem moved = image_item({kRed}, 1, {0, 0, 10, 10}, false);
    moved.transform.m11 = moved.transform.m22 = 2 * 65536;
    moved.transform.dx = 100;
    moved.transform.dy = 90;
    add(moved);
    render();
    EXPECT_EQ(pixel(21, 21), kWhite);  // the last pixel at the second corner
    EXPECT_EQ(pixel(98, 98), kRed);
    EXPECT_EQ(pixel(21, 98), kBlue);
    EXPECT_EQ(pixel(98, 21), kBlack);
    EXPECT_EQ(pixel(19, 50), kWhite);
    EXPECT_EQ(pixel(100, 50), kWhite);
    EXPECT_EQ(pixel(160, 30), kBlue);
    EXPECT_EQ(pixel(180, 30), kWhite);  // clipped away
    EXPECT_EQ(pixel(118, 108), kRed);   // 20 x 20 from (100, 90)
    EXPECT_EQ(pixel(122, 100), kWhite);
}

// Each channel within `within` of the colour's.
bool close_to(std::uint32_t got, std::uint32_t want, int within = 6) {
    for (int shift : {0, 8, 16})
        if (std::abs(int(got >> shift & 0xFF) - int(want >> shift & 0xFF)) > within) return false;
    return true;
}

// A batch of one polygon over the page, filled with a gradient or with a colour.
DrawItem plot_batch(lumora::plotcore::Item plot) {
    DrawItem i;
    i.kind = ItemKind::kBatch;
    i.batch = std::make_shared<const lumora::plotcore::Items>(lumora::plotcore::Items{plot});
    return i;
}
lumora::plotcore::Item page_polygon(float left, float right) {
    lumora::plotcore::Item plot;
    plot.kind = lumora::plotcore::ItemKind::kPolygon;
    plot.filled = true;
    plot.outlined = false;
    plot.points = {{left, 0}, {right, 0}, {right, 120}, {left, 120}};
    return plot;
}

TEST_F(GdiCanvasTest, GradientsGoInBandsAPixelWideFromStopToStop) {
    lumora::plotcore::Item g = page_polygon(0, 200);
    g.kind = lumora::plotcore::ItemKind::kGradient;
    g.gradient = {{50, 0}, {150, 0}, {{0, 0xFF0000, 255}, {0.5f, 0x00FF00, 255}, {1, 0x0000FF, 0}}};
    add(plot_batch(g));
    render();
    for (int y : {5, 60, 115}) {
        EXPECT_TRUE(close_to(pixel(10, y), kRed)) << std::hex << pixel(10, y);
        EXPECT_TRUE(close_to(pixel(75, y), 0x808000)) << std::hex << pixel(75, y);
        EXPECT_TRUE(close_to(pixel(100, y), 0x00FF00)) << std::hex << pixel(100, y);
        // The last stop transparent: the blue fades into the page.
        EXPECT_TRUE(close_to(pixel(125, y), 0x7FBFBF, 10)) << std::hex << pixel(125, y);
        EXPECT_TRUE(close_to(pixel(190, y), kWhite)) << std::hex << pixel(190, y);
    }
}

TEST_F(GdiCanvasTest, CompositingModesAsCairoDrawsThem) {
    lumora::plotcore::Item red = page_polygon(20, 100), blue = page_polygon(60, 180);
    red.fill_rgb = kRed;
    blue.fill_rgb = kBlue;
    for (int mode : {0, 1, 2}) {
        picture_.items.clear();
        add(plot_batch(red));
        DrawItem over = plot_batch(blue);
        over.alpha = 77;
        over.compose = static_cast<std::uint8_t>(mode);
        add(over);
        render();
        const std::uint32_t want[3][2] = {
            {0xB2004D, 0xB2B2FF}, {0xB2B2FF, 0xB2B2FF}, {0xFF4D4D, kWhite}};
        EXPECT_TRUE(close_to(pixel(80, 60), want[mode][0])) << mode << std::hex << pixel(80, 60);
        EXPECT_TRUE(close_to(pixel(140, 60), want[mode][1])) << mode << std::hex << pixel(140, 60);
        EXPECT_EQ(pixel(40, 60), kRed) << int(mode);
    }
}

}  // namespace
}  // namespace luwnd::render
