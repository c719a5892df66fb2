// The Cairo canvas draws known pictures; pixels that matter are checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "measured_text_checks.h"
#include "plotcore/font_widths.h"
#include "server/render/cairo/cairo_canvas.h"
#include "server/render/cairo/cairo_text_measure.h"
#include "server/render/cairo/picture_file.h"
#include "server/render/painter.h"
#include "translucent_scenes.h"

namespace luwnd::render {
namespace {

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF, kBlack = 0;

class CairoCanvasTest : public ::testing::Test {
  protected:
    void SetUp() override {
        picture_.width = 200;
        picture_.height = 120;
    }
    void TearDown() override {
        if (image_ != nullptr) cairo_surface_destroy(image_);
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
        if (image_ != nullptr) cairo_surface_destroy(image_);
        image_ = render_image(picture_);
    }
    std::uint32_t pixel(int x, int y) const {
        const unsigned char* data = cairo_image_surface_get_data(image_);
        std::uint32_t value;
        std::memcpy(&value, data + y * cairo_image_surface_get_stride(image_) + 4 * x, 4);
        return value & 0xFFFFFF;
    }
    static bool dark(std::uint32_t rgb) {
        return ((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF) < 3 * 128;
    }
    // How many dark pixels the box holds.
    int dark_pixels(int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) count += dark(pixel(x, y)) ? 1 : 0;
        return count;
    }

    Picture picture_;
    cairo_surface_t* image_ = nullptr;
};

TEST_F(CairoCanvasTest, TheBackgroundIsWhite) {
    render();
    EXPECT_EQ(pixel(0, 0), kWhite);
    EXPECT_EQ(pixel(199, 119), kWhite);
}

TEST_F(CairoCanvasTest, AHorizontalLineColoursItsRowOnly) {
    add(item(ItemKind::kLine, {10, 50, 190, 50}, kRed));
    render();
    for (int x = 20; x < 180; x += 7) {
        EXPECT_EQ(pixel(x, 50), kRed) << x;
        EXPECT_EQ(pixel(x, 49), kWhite) << x;
        EXPECT_EQ(pixel(x, 51), kWhite) << x;
    }
}

TEST_F(CairoCanvasTest, AFilledRectangleCoversExactlyItsBox) {
    add(item(ItemKind::kBox22, {60, 30, 20, 10}, kBlack), kBlue);
    render();
    EXPECT_EQ(pixel(20, 10), kBlue);
    EXPECT_EQ(pixel(59, 29), kBlue);
    EXPECT_EQ(pixel(40, 20), kBlue);
    EXPECT_EQ(pixel(60, 20), kWhite);
    EXPECT_EQ(pixel(40, 30), kWhite);
    EXPECT_EQ(pixel(19, 20), kWhite);
}

TEST_F(CairoCanvasTest, ARectangleOutlineLeavesItsInsideAlone) {
    add(item(ItemKind::kBox21, {20, 20, 60, 60}, kBlue));
    render();
    EXPECT_EQ(pixel(20, 40), kBlue);
    EXPECT_EQ(pixel(59, 40), kBlue);
    EXPECT_EQ(pixel(40, 20), kBlue);
    EXPECT_EQ(pixel(40, 59), kBlue);
    EXPECT_EQ(pixel(40, 40), kWhite);
}

TEST_F(CairoCanvasTest, DashedLinesLeaveGaps) {
    DrawItem dashed = item(ItemKind::kLine, {0, 10, 200, 10}, kBlack);
    dashed.pen.style = 1;
    add(dashed);
    render();
    int dark_count = dark_pixels(0, 10, 200, 11);
    EXPECT_GT(dark_count, 100);
    EXPECT_LT(dark_count, 160);
}

// Long solid polylines are stroked in pieces: no segment may go missing where pieces
// meet. Each segment of this sawtooth is the only line near its own pixel.
TEST_F(CairoCanvasTest, ALongPolylineKeepsEverySegmentWherePiecesMeet) {
    constexpr int kPoints = 1001, kWidth = 3040;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, 120);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_destroy(cr);
    std::vector<Point> sawtooth;
    for (int i = 0; i < kPoints; ++i)
        sawtooth.push_back({20.25 + 3 * i, i % 2 == 0 ? 20.0 : 100.0});
    CairoCanvas canvas(surface, kWidth, 120, true);
    canvas.polyline(sawtooth, Pen{});
    cairo_surface_flush(surface);
    image_ = surface;
    int missing = 0;
    for (int i = 0; i + 1 < kPoints; ++i) missing += dark(pixel(22 + 3 * i, 60)) ? 0 : 1;
    EXPECT_EQ(missing, 0);
    EXPECT_FALSE(dark(pixel(23, 60)));  // and the lines stay apart
}

TEST_F(CairoCanvasTest, XorDrawnTwiceRestoresThePage) {
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

TEST_F(CairoCanvasTest, TheRectangleModeClips) {
    DrawItem clipped = item(ItemKind::kBox22, {0, 0, 200, 120}, kRed);
    clipped.rectangle = {10, 10, 30, 30, 1};
    add(clipped, kRed);
    render();
    EXPECT_EQ(pixel(20, 20), kRed);
    EXPECT_EQ(pixel(40, 40), kWhite);
}

TEST_F(CairoCanvasTest, TheTransformMovesTheDrawing) {
    DrawItem moved = item(ItemKind::kBox22, {0, 0, 10, 10}, kRed);
    moved.transform.dx = 100;
    moved.transform.dy = 50;
    add(moved, kRed);
    DrawItem flat = item(ItemKind::kBox22, {0, 0, 10, 10}, kRed);
    flat.transform.m22 = 0;  // not invertible: nothing is drawn
    add(flat, kRed);
    render();
    EXPECT_EQ(pixel(105, 55), kRed);
    EXPECT_EQ(pixel(5, 5), kWhite);
}

TEST_F(CairoCanvasTest, TextDrawsDarkPixelsWhereItsAlignmentPutsIt) {
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

// How far right the dark pixels of the rows top ... bottom lie on average.
double mean_dark_x(const std::function<std::uint32_t(int, int)>& pixel, int top, int bottom) {
    double sum = 0;
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < 200; ++x) {
            const std::uint32_t rgb = pixel(x, y);
            if (((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF) >= 3 * 128) continue;
            sum += x;
            ++count;
        }
    }
    return count > 0 ? sum / count : 0;
}

// Oblique letters lean to the right: the tops of upright strokes stand right of their feet.
TEST_F(CairoCanvasTest, ObliqueTextLeansWhereUprightTextStandsStraight) {
    double lean[2] = {0, 0};
    for (int oblique = 0; oblique < 2; ++oblique) {
        picture_.items.clear();
        DrawItem text = item(ItemKind::kText, {20, 10}, kBlack);
        text.text = "IIII";
        text.font.size = 80;
        text.font.style = oblique != 0 ? 32 : 0;
        add(text);
        render();
        const auto at = [this](int x, int y) { return pixel(x, y); };
        lean[oblique] = mean_dark_x(at, 20, 45) - mean_dark_x(at, 65, 90);
    }
    EXPECT_LT(std::fabs(lean[0]), 1.5) << "upright";
    EXPECT_GT(lean[1], 4) << "oblique";
}

// A program that measures a text and places it by that measure must find it there.
TEST_F(CairoCanvasTest, TheMeasureOfATextIsWhereTheDrawingEnds) {
    CairoTextMeasure measure;
    FontState font;
    font.size = 20;
    DrawItem text = item(ItemKind::kText, {10, 60}, kBlack);
    text.text = "Wide text";
    text.font = font;
    add(text);
    render();
    test::expect_measure_matches_drawing(measure, font,
                                         [this](int x, int y) { return dark(pixel(x, y)); });
}

// The plotting layer reserves room for a text from the advances of its characters measured
// one by one at a large size and scaled down; a small text drawn must end there too, not
// grow by a rounded advance per character (which made legends' texts outrun their boxes).
TEST_F(CairoCanvasTest, ASmallTextEndsWhereItsCharactersAdvancesAddUpTo) {
    CairoTextMeasure measure;
    FontState reference;
    reference.size = static_cast<std::int32_t>(lumora::plotcore::kReferenceHeight);
    const std::string text = "sssssssstttttttrrrrrrraaaaa";
    double advances = 0;
    for (char c : text) {
        const auto extent = measure.measure(reference, std::string_view(&c, 1));
        ASSERT_TRUE(extent.has_value());
        advances += (*extent)[0];
    }
    for (std::int32_t size = 7; size <= 12; ++size) {
        picture_.items.clear();
        DrawItem small = item(ItemKind::kText, {10, 60}, kBlack);
        small.text = text;
        small.font.size = size;
        add(small);
        render();
        int right = 0;
        for (int x = 0; x < 200; ++x)
            for (int y = 40; y < 90; ++y)
                if (dark(pixel(x, y))) right = std::max(right, x);
        const double expected = 10 + advances * size / reference.size;
        // The last character's ink stops a little short of its advance.
        EXPECT_LE(right, expected + 1) << "at " << size << " pixels";
        EXPECT_GE(right, expected - 5) << "at " << size << " pixels";
    }
}

TEST_F(CairoCanvasTest, JapaneseTextFindsAFont) {
    DrawItem text = item(ItemKind::kText, {10, 10}, kBlack);
    text.text = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";  // nihongo
    text.font.size = 30;
    add(text);
    render();
    EXPECT_GT(dark_pixels(10, 10, 120, 50), 60);
}

TEST_F(CairoCanvasTest, RotatedTextRunsUpwards) {
    DrawItem text = item(ItemKind::kText, {100, 110}, kBlack);
    text.text = "Upwards";
    text.font.size = 20;
    text.font.angle = 900;
    add(text);
    render();
    EXPECT_GT(dark_pixels(100, 30, 125, 110), 30);  // up from the point, to its right
    EXPECT_EQ(dark_pixels(125, 0, 200, 120), 0);
}

TEST_F(CairoCanvasTest, PicturesAreWrittenInEachFormat) {
    add(item(ItemKind::kLine, {10, 50, 190, 50}, kRed));
    std::string error;
    const PictureFormat formats[] = {PictureFormat::kPng, PictureFormat::kSvg, PictureFormat::kPdf};
    const char* heads[] = {"\x89PNG", "<?xml", "%PDF"};
    for (int i = 0; i < 3; ++i) {
        std::string path = testing::TempDir() + "render_test." + suffix_of(formats[i]);
        ASSERT_TRUE(write_picture(picture_, path, formats[i], error)) << error;
        std::ifstream file(path, std::ios::binary);
        std::string head(4, '\0');
        file.read(head.data(), 4);
        EXPECT_EQ(head, std::string(heads[i]).substr(0, 4));
        std::remove(path.c_str());
    }
    EXPECT_FALSE(write_picture(picture_, "/nonexistent/dir/x.png", PictureFormat::kPng, error));
    // A full disk is named as the reason in every format.
    for (PictureFormat format : formats) {
        error.clear();
        EXPECT_FALSE(write_picture(picture_, "/dev/full", format, error)) << suffix_of(format);
        EXPECT_EQ(error, std::strerror(ENOSPC)) << suffix_of(format);
    }
}

TEST_F(CairoCanvasTest, HostileValuesDrawWithoutHarm) {
    DrawItem huge =
        item(ItemKind::kArc27, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0, 0, 0, 0}, kRed);
    huge.pen.width = 16384;
    add(huge);
    DrawItem round = item(ItemKind::kBox23, {10, 10, 20, 20}, kRed);
    round.arg1 = INT32_MAX;
    add(round);
    add(item(ItemKind::kLine, {10, 100, 190, 100}, kBlue));
    render();
    EXPECT_EQ(pixel(100, 100), kBlue);  // later drawings still come out
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

TEST_F(CairoCanvasTest, PicturesFillTheirBoxUnderTheClip) {
    add(image_item({kRed, kBlue, kBlack, kWhite}, 2, {100, 100, 20, 20}, false));  // mirrored
    DrawItem clipped = image_item({kBlue}, 1, {150, 10, 190, 50}, true);
    clipped.rectangle = {150, 10, 170, 50, 1};
    add(clipped);
    render();
    EXPECT_EQ(pixel(21, 21), kWhite);  // the last pixel at the second corner
    EXPECT_EQ(pixel(98, 98), kRed);
    EXPECT_EQ(pixel(21, 98), kBlue);
    EXPECT_EQ(pixel(98, 21), kBlack);
    EXPECT_EQ(pixel(19, 50), kWhite);   // the page, outside
    EXPECT_EQ(pixel(100, 50), kWhite);  // the box excludes its larger edges
    EXPECT_EQ(pixel(160, 30), kBlue);
    EXPECT_EQ(pixel(180, 30), kWhite);  // clipped away
}

TEST_F(CairoCanvasTest, VectorFilesEmbedPicturesAsImages) {
    std::vector<std::uint32_t> rgb(200 * 100);
    for (std::size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
    add(image_item(rgb, 200, {0, 0, 200, 120}, true));
    std::string error;
    for (PictureFormat format : {PictureFormat::kSvg, PictureFormat::kPdf}) {
        std::string path = testing::TempDir() + "render_image." + suffix_of(format);
        ASSERT_TRUE(write_picture(picture_, path, format, error)) << error;
        std::ifstream file(path, std::ios::binary);
        std::string content((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
        std::remove(path.c_str());
        if (format == PictureFormat::kSvg) {
            EXPECT_NE(content.find("<image"), std::string::npos);
            std::size_t rects = 0;
            for (std::size_t at = content.find("<rect"); at != std::string::npos;
                 at = content.find("<rect", at + 1))
                ++rects;
            EXPECT_LE(rects, 2u);  // the page's background at most
        } else {
            EXPECT_NE(content.find("/Subtype /Image"), std::string::npos);
            EXPECT_NE(content.find("/Width 200"), std::string::npos);
        }
        // One image of noise: its pixels and little else, not a figure per pixel.
        EXPECT_LT(content.size(), 4 * rgb.size());
    }
}

// Translucent items: every kind laid over what is under it.
TEST_F(CairoCanvasTest, TranslucentItemsLieOverWhatIsUnderThem) {
    picture_ = test::translucent_picture();
    render();
    test::expect_translucent_pixels([&](int x, int y) { return pixel(x, y); });
    // Opaque, the same items paint their own colours.
    for (PaintItem& op : picture_.items) op.item.alpha = 255;
    render();
    EXPECT_EQ(pixel(65, 65), kBlue);
    EXPECT_EQ(pixel(150, 10), kBlack);
    EXPECT_EQ(pixel(180, 104), kRed);
    EXPECT_EQ(pixel(20, 100), 0x00FF00u);
}

// Mix mode 7 (xor) on white gives the inverted colour; at half opacity half of it.
TEST_F(CairoCanvasTest, RasterMixModesApplyBeforeTheOpacity) {
    DrawItem box = item(ItemKind::kBox22, {0, 0, 40, 40}, kBlack);
    box.pen.mix = 7;
    box.alpha = test::kHalf;
    add(box, 0x00FF00);
    render();
    EXPECT_TRUE(test::near_rgb(pixel(20, 20), 0xFF80FF));
}

}  // namespace
}  // namespace luwnd::render
