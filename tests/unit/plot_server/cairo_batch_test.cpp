// Cairo draws plot batches where their coordinates say, antialiased and at their widths:
// in SVG the path coordinates leave the half-pixel grid the window commands keep to, and
// in images a line covers as many pixels as it is wide.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "plotcore/items.h"
#include "server/render/cairo/picture_file.h"
#include "server/render/picture.h"

namespace luwnd::render {
namespace {

namespace plotcore = lumora::plotcore;

plotcore::Item polyline(std::vector<plotcore::PointF> points, float width,
                        plotcore::Dash dash = plotcore::Dash::kSolid) {
    plotcore::Item item;
    item.kind = plotcore::ItemKind::kPolyline;
    item.points = std::move(points);
    item.stroke = {0x000000, width, dash};
    return item;
}

PaintItem batch(plotcore::Items items) {
    DrawItem item;
    item.kind = ItemKind::kBatch;
    item.batch = std::make_shared<const plotcore::Items>(std::move(items));
    return {item, std::nullopt};
}

PaintItem line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    DrawItem item;
    item.kind = ItemKind::kLine;
    item.coords = {x1, y1, x2, y2};
    return {item, std::nullopt};
}

class CairoBatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        picture_.width = 200;
        picture_.height = 120;
    }
    void TearDown() override {
        if (image_ != nullptr) cairo_surface_destroy(image_);
        std::filesystem::remove(svg_path());
    }
    static std::string svg_path() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        return (std::filesystem::temp_directory_path() /
                (std::string("luwnd-batch-") + info->name() + ".svg"))
            .string();
    }
    // The numbers of every path's d attribute in the picture written as SVG.
    std::vector<double> svg_path_numbers() {
        std::string error;
        EXPECT_TRUE(write_picture(picture_, svg_path(), PictureFormat::kSvg, error)) << error;
        std::ifstream in(svg_path());
        const std::string svg((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
        std::vector<double> numbers;
        const std::regex path(R"( d="([^"]*)\")"), number(R"(-?[0-9]+(\.[0-9]+)?)");
        for (std::sregex_iterator p(svg.begin(), svg.end(), path), end; p != end; ++p) {
            const std::string d = (*p)[1];
            for (std::sregex_iterator n(d.begin(), d.end(), number); n != end; ++n)
                numbers.push_back(std::stod(n->str()));
        }
        return numbers;
    }
    static int off_half_grid(const std::vector<double>& numbers) {
        int count = 0;
        for (double v : numbers) count += std::fabs(v * 2 - std::round(v * 2)) > 1e-6 ? 1 : 0;
        return count;
    }
    void render() {
        if (image_ != nullptr) cairo_surface_destroy(image_);
        image_ = render_image(picture_);
        cairo_surface_flush(image_);
    }
    // How dark the pixel is, 0 (white) .. 1 (black), from its green channel.
    double darkness(int x, int y) const {
        const unsigned char* data = cairo_image_surface_get_data(image_);
        const int stride = cairo_image_surface_get_stride(image_);
        std::uint32_t pixel = 0;
        std::memcpy(&pixel, data + y * stride + 4 * x, 4);
        return 1.0 - ((pixel >> 8) & 0xFF) / 255.0;
    }
    std::uint32_t rgb_at(int x, int y) const {
        const unsigned char* data = cairo_image_surface_get_data(image_);
        std::uint32_t pixel = 0;
        std::memcpy(&pixel, data + y * cairo_image_surface_get_stride(image_) + 4 * x, 4);
        return pixel & 0xFFFFFF;
    }
    std::string svg() {
        std::string error;
        EXPECT_TRUE(write_picture(picture_, svg_path(), PictureFormat::kSvg, error)) << error;
        std::ifstream in(svg_path());
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    double column_darkness(int x, int top, int bottom) const {
        double sum = 0;
        for (int y = top; y < bottom; ++y) sum += darkness(x, y);
        return sum;
    }

    Picture picture_;
    cairo_surface_t* image_ = nullptr;
};

TEST_F(CairoBatchTest, SvgPathsKeepTheBatchesFractionalCoordinates) {
    picture_.items = {line(10, 10, 100, 60), line(20, 90, 180, 90)};
    const std::vector<double> snapped = svg_path_numbers();
    ASSERT_GE(snapped.size(), 8u);
    EXPECT_EQ(off_half_grid(snapped), 0) << "the window commands keep to pixel centres";

    picture_.items = {
        batch({polyline({{10.3f, 20.7f}, {50.1f, 60.9f}, {120.37f, 33.3f}}, 1.5f),
               polyline({{15.2f, 100.1f}, {180.6f, 100.1f}}, 0.75f, plotcore::Dash::kDash)})};
    const std::vector<double> exact = svg_path_numbers();
    EXPECT_GE(off_half_grid(exact), 8);
    // Cairo keeps coordinates to 1/256 of a pixel.
    auto has = [&](double v) {
        for (double n : exact)
            if (std::fabs(n - v) <= 1.0 / 256) return true;
        return false;
    };
    for (double v : {10.3, 20.7, 50.1, 60.9, 120.37, 33.3, 15.2, 180.6, 100.1})
        EXPECT_TRUE(has(v)) << v;
}

// A horizontal line covers as many pixels of each column as it is wide, shared between
// the rows it crosses: antialiased at its fractional position and width.
TEST_F(CairoBatchTest, ImagesDrawLinesAntialiasedAtTheirWidths) {
    picture_.items = {
        batch({polyline({{20, 30.3f}, {180, 30.3f}}, 2.4f), polyline({{20, 70}, {180, 70}}, 1)})};
    render();
    EXPECT_NEAR(column_darkness(100, 20, 45), 2.4, 0.1);
    EXPECT_NEAR(column_darkness(100, 60, 80), 1.0, 0.1);
    // The one-pixel line lies across the pixel edge at 70: half in each row, no row black.
    EXPECT_NEAR(darkness(100, 69), 0.5, 0.1);
    EXPECT_NEAR(darkness(100, 70), 0.5, 0.1);
    // The same line from the window commands covers the whole row 70.
    picture_.items = {line(20, 70, 180, 70)};
    render();
    EXPECT_EQ(darkness(100, 70), 1.0);
    EXPECT_EQ(darkness(100, 69), 0.0);
}

// A polygon (the whole page unless given) filled with a gradient from `from` to `to`
// along the axis, opaque unless its end is not.
PaintItem gradient(plotcore::PointF from, plotcore::PointF to, std::uint8_t end_alpha = 255,
                   std::vector<plotcore::PointF> points = {
                       {0, 0}, {200, 0}, {200, 120}, {0, 120}}) {
    plotcore::Item item;
    item.kind = plotcore::ItemKind::kGradient;
    item.points = std::move(points);
    item.gradient = {
        from, to, {{0, 0xFF0000, 255}, {0.5f, 0x00FF00, 255}, {1, 0x0000FF, end_alpha}}};
    return batch({item});
}

// Each channel within 4 of the colour's.
::testing::AssertionResult near(std::uint32_t got, std::uint32_t want) {
    for (int shift : {0, 8, 16})
        if (std::abs(int(got >> shift & 0xFF) - int(want >> shift & 0xFF)) > 4)
            return ::testing::AssertionFailure() << std::hex << got << " is not " << want;
    return ::testing::AssertionSuccess();
}

TEST_F(CairoBatchTest, GradientsBlendAlongTheirAxisAndHoldBeyondIt) {
    picture_.items = {gradient({50, 0}, {150, 0})};
    render();
    for (int y : {5, 60, 115}) {
        EXPECT_TRUE(near(rgb_at(10, y), 0xFF0000)) << "before the start";
        EXPECT_TRUE(near(rgb_at(50, y), 0xFF0000));
        EXPECT_TRUE(near(rgb_at(75, y), 0x808000)) << "half way to the middle stop";
        EXPECT_TRUE(near(rgb_at(100, y), 0x00FF00));
        EXPECT_TRUE(near(rgb_at(149, y), 0x0000FF));
        EXPECT_TRUE(near(rgb_at(190, y), 0x0000FF)) << "beyond the end";
    }
    // Turned upward: the colours change along y only.
    picture_.items = {gradient({100, 110}, {100, 10})};
    render();
    for (int x : {5, 100, 195}) {
        EXPECT_TRUE(near(rgb_at(x, 110), 0xFF0000));
        EXPECT_TRUE(near(rgb_at(x, 60), 0x00FF00));
        EXPECT_TRUE(near(rgb_at(x, 10), 0x0000FF));
    }
    // A stop's opacity lays its colour over the page.
    picture_.items = {gradient({50, 0}, {150, 0}, 0)};
    render();
    EXPECT_TRUE(near(rgb_at(190, 60), 0xFFFFFF)) << "a transparent end shows the page";
}

TEST_F(CairoBatchTest, VectorFilesCarryAGradientNotBands) {
    picture_.items = {gradient({50, 0}, {150, 0}, 255, {{10, 110}, {190, 110}, {100, 10}})};
    const std::string text = svg();
    EXPECT_NE(text.find("<linearGradient"), std::string::npos);
    EXPECT_TRUE(std::regex_search(text, std::regex(R"re(stop-color: ?rgb\(100%, ?0%, ?0%\))re")))
        << "the first stop red";
    const auto count = [&](const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = text.find(what); at != std::string::npos;
             at = text.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("<path"), 1u) << "one shape, not bands";
    EXPECT_EQ(count("fill:url(#linear"), 1u);
}

// A red square, then a blue disc of opacity 0.3 over half of it, laid over as `mode`.
Picture composed(std::uint8_t mode) {
    Picture picture;
    picture.width = 200;
    picture.height = 120;
    picture.background = 0xFFFFFF;
    plotcore::Item square;
    square.kind = plotcore::ItemKind::kPolygon;
    square.filled = true;
    square.outlined = false;
    square.fill_rgb = 0xFF0000;
    square.points = {{20, 20}, {100, 20}, {100, 100}, {20, 100}};
    plotcore::Item disc = square;
    disc.fill_rgb = 0x0000FF;
    disc.points = {{60, 20}, {180, 20}, {180, 100}, {60, 100}};
    picture.items = {batch({square}), batch({disc})};
    picture.items[1].item.alpha = 77;
    picture.items[1].item.compose = mode;
    return picture;
}

TEST_F(CairoBatchTest, CompositingModesLayTheDrawingOverThePageOrTheBackground) {
    struct Want {
        std::uint8_t mode;
        std::uint32_t overlap, alone, red;
    };
    // 0.3 blue over red; over white: the background.
    for (const Want& w :
         {Want{0, 0xB2004D, 0xB2B2FF, 0xFF0000}, Want{1, 0xB2B2FF, 0xB2B2FF, 0xFF0000},
          Want{2, 0xFF4D4D, 0xFFFFFF, 0xFF0000}}) {
        picture_ = composed(w.mode);
        render();
        EXPECT_TRUE(near(rgb_at(80, 60), w.overlap)) << int(w.mode);
        EXPECT_TRUE(near(rgb_at(140, 60), w.alone)) << int(w.mode);
        EXPECT_TRUE(near(rgb_at(40, 60), w.red)) << int(w.mode) << " beside the drawing";
        EXPECT_TRUE(near(rgb_at(190, 110), 0xFFFFFF)) << int(w.mode);
    }
    // On another background, replacing shows that one.
    picture_ = composed(1);
    picture_.background = 0x000000;
    picture_.items[1].item.alpha = 255;
    render();
    EXPECT_TRUE(near(rgb_at(80, 60), 0x0000FF));
    picture_.items[1].item.compose = 2;
    render();
    EXPECT_TRUE(near(rgb_at(80, 60), 0x000000)) << "an opaque xor clears to the background";
}

}  // namespace
}  // namespace luwnd::render
