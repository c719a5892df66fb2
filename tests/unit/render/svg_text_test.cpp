// SVG pictures carry their texts as text: each line a <text> element with the string,
// lying where Cairo put the glyph outlines; the file stays well-formed XML whatever the
// texts hold; images never get a text layer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "server/render/cairo/cairo_canvas.h"
#include "server/render/cairo/picture_file.h"
#include "server/render/cairo/svg_text_layer.h"
#include "server/render/painter.h"

namespace luwnd::render {
namespace {

struct SvgText {
    std::map<std::string, std::string> attributes;
    std::string content;  // unescaped
    double number(const std::string& name) const { return std::stod(attributes.at(name)); }
    // The point (x, y) on the text's baseline, on the page.
    std::pair<double, double> page_point(double x, double y) const {
        auto it = attributes.find("transform");
        if (it == attributes.end()) return {x, y};
        double m[6];
        EXPECT_EQ(std::sscanf(it->second.c_str(), "matrix(%lf %lf %lf %lf %lf %lf)", &m[0], &m[1],
                              &m[2], &m[3], &m[4], &m[5]),
                  6);
        return {m[0] * x + m[2] * y + m[4], m[1] * x + m[3] * y + m[5]};
    }
    std::pair<double, double> start() const { return page_point(number("x"), number("y")); }
    std::pair<double, double> end() const {
        return page_point(number("x") + number("textLength"), number("y"));
    }
};

std::string unescape(std::string text) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (auto [entity, c] : entities)
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + 1))
            text.replace(at, std::strlen(entity), c);
    return text;
}

std::vector<SvgText> texts_of(const std::string& svg) {
    std::vector<SvgText> texts;
    const std::regex element("<text([^>]*)>([^<]*)</text>");
    const std::regex attribute("([-a-zA-Z:]+)=\"([^\"]*)\"");
    for (std::sregex_iterator it(svg.begin(), svg.end(), element), end; it != end; ++it) {
        SvgText text;
        const std::string attributes = (*it)[1];
        for (std::sregex_iterator a(attributes.begin(), attributes.end(), attribute); a != end; ++a)
            text.attributes[(*a)[1]] = unescape((*a)[2]);
        text.content = unescape((*it)[2]);
        texts.push_back(text);
    }
    return texts;
}

// The origins of the glyph outlines Cairo placed.
std::vector<std::pair<double, double>> glyph_origins(const std::string& svg) {
    std::vector<std::pair<double, double>> origins;
    const std::regex use("<use xlink:href=\"#glyph[^\"]*\" x=\"([-0-9.]+)\" y=\"([-0-9.]+)\"");
    for (std::sregex_iterator it(svg.begin(), svg.end(), use), end; it != end; ++it)
        origins.emplace_back(std::stod((*it)[1]), std::stod((*it)[2]));
    return origins;
}

// How many glyph origins lie on the text's baseline, from its start to before its end.
int glyphs_along(const SvgText& text, const std::vector<std::pair<double, double>>& origins) {
    const auto [x0, y0] = text.start();
    const auto [x1, y1] = text.end();
    const double length = std::hypot(x1 - x0, y1 - y0);
    int count = 0;
    for (auto [x, y] : origins) {
        const double along = ((x - x0) * (x1 - x0) + (y - y0) * (y1 - y0)) / length;
        const double across = std::abs((x - x0) * (y1 - y0) - (y - y0) * (x1 - x0)) / length;
        count += across < 1 && along > -1 && along < length - 1 ? 1 : 0;
    }
    return count;
}

bool distance_below(std::pair<double, double> a, std::pair<double, double> b, double limit) {
    return std::hypot(a.first - b.first, a.second - b.second) < limit;
}

class SvgTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        picture_.width = 400;
        picture_.height = 300;
    }
    DrawItem& add_text(int x, int y, std::string text, int align = 0, int angle = 0) {
        DrawItem item;
        item.kind = ItemKind::kText;
        item.coords[0] = x;
        item.coords[1] = y;
        item.text = std::move(text);
        item.font.size = 20;
        item.font.align = align;
        item.font.angle = angle;
        picture_.items.push_back(PaintItem{item, std::nullopt});
        return picture_.items.back().item;
    }
    // Writes the picture as SVG and returns the file; the file must be well-formed XML.
    std::string write_svg() {
        const std::string path = testing::TempDir() + "svg_text_test.svg";
        std::string error;
        EXPECT_TRUE(write_picture(picture_, path, PictureFormat::kSvg, error)) << error;
        EXPECT_EQ(std::system(("xmllint --noout '" + path + "'").c_str()), 0)
            << "not well-formed XML";
        std::ifstream file(path, std::ios::binary);
        std::string svg((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        std::remove(path.c_str());
        return svg;
    }

    // The page size a PDF of the picture declares ("x0 y0 x1 y1").
    std::string pdf_media_box() {
        const std::string path = testing::TempDir() + "svg_text_test.pdf";
        std::string error;
        EXPECT_TRUE(write_picture(picture_, path, PictureFormat::kPdf, error)) << error;
        std::ifstream file(path, std::ios::binary);
        const std::string pdf((std::istreambuf_iterator<char>(file)),
                              std::istreambuf_iterator<char>());
        std::remove(path.c_str());
        std::smatch match;
        const std::regex box("/MediaBox \\[ *([^\\]]*[^ \\]]) *\\]");
        return std::regex_search(pdf, match, box) ? match[1].str() : "none";
    }

    Picture picture_;
};

TEST_F(SvgTextTest, EveryTextIsTextWhereItsGlyphsAre) {
    const std::string marked = "a < b & \"c\" 'd' > e";
    const std::string foreign =
        "Gr\xC3\xBC\xC3\x9F"
        "e \xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC";
    add_text(10, 10, marked);              // left, top
    add_text(200, 150, "Centred", 4);      // centre, baseline
    add_text(390, 290, "Right", 8);        // right, bottom
    add_text(40, 280, "Slanted", 3, 300);  // left, baseline, 30 degrees up
    add_text(10, 60, foreign);
    DrawItem& scaled = add_text(10, 100, "Scaled");
    scaled.transform.m11 = scaled.transform.m22 = 2 * 65536;  // drawn at (20, 200), twice as big
    const std::string svg = write_svg();
    const std::vector<SvgText> texts = texts_of(svg);
    const auto origins = glyph_origins(svg);
    ASSERT_EQ(texts.size(), 6u);
    const std::string expected[] = {marked, "Centred", "Right", "Slanted", foreign, "Scaled"};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(expected[i]);
        EXPECT_EQ(texts[i].content, expected[i]);
        auto at_start = [&](auto origin) { return distance_below(origin, texts[i].start(), 1); };
        EXPECT_TRUE(std::any_of(origins.begin(), origins.end(), at_start));
        if (i != 4) {  // one glyph per character
            EXPECT_EQ(glyphs_along(texts[i], origins), int(expected[i].size()));
        }
    }
    // The anchors: the centre of the second and the end of the third are their points.
    EXPECT_NEAR((texts[1].start().first + texts[1].end().first) / 2, 200, 0.5);
    EXPECT_NEAR(texts[1].start().second, 150, 0.01);
    EXPECT_NEAR(texts[2].end().first, 390, 0.01);
    EXPECT_NEAR(texts[3].start().first, 40, 0.01);
    EXPECT_NEAR(texts[3].start().second, 280, 0.01);
    EXPECT_LT(texts[3].end().second, 280 - 0.4 * texts[3].number("textLength"));  // it rises
    EXPECT_EQ(texts[0].attributes.at("font-size"), "20");
    EXPECT_NE(texts[0].attributes.at("font-family"), "");
    // Transparent, and above everything drawn.
    EXPECT_LT(svg.find("fill-opacity=\"0\""), svg.find("<text"));
    EXPECT_GT(svg.find("<text"), svg.rfind("<use"));
    EXPECT_NEAR(texts[5].start().first, 20, 0.01);
}

// The style bits reach the file: oblique alone, and italic where both are asked.
TEST_F(SvgTextTest, ObliqueTextsSayTheirStyle) {
    add_text(10, 20, "slanted").font.style = 32;
    add_text(10, 60, "italic").font.style = 32 | 2;
    const std::vector<SvgText> texts = texts_of(write_svg());
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].attributes.at("font-style"), "oblique");
    EXPECT_EQ(texts[1].attributes.at("font-style"), "italic");
}

TEST_F(SvgTextTest, APictureWithoutTextHasNoTextLayer) {
    DrawItem line;
    line.kind = ItemKind::kLine;
    line.coords = {10, 10, 390, 290};
    picture_.items.push_back(PaintItem{line, std::nullopt});
    add_text(10, 10, "");  // draws nothing
    const std::string svg = write_svg();
    EXPECT_EQ(svg.find("<text"), std::string::npos);
    EXPECT_EQ(svg.find("fill-opacity=\"0\""), std::string::npos);
    EXPECT_NE(svg.find("<path"), std::string::npos);  // the line
}

TEST_F(SvgTextTest, LinesOfATextAreTextsOfTheirOwnAndClippedLikeTheGlyphs) {
    add_text(10, 10, "first\nsecond");
    DrawItem& clipped = add_text(200, 100, "clipped");
    clipped.rectangle = {150, 90, 250, 140, 1};  // drawing only inside this box
    const std::string svg = write_svg();
    const std::vector<SvgText> texts = texts_of(svg);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].content, "first");
    EXPECT_EQ(texts[1].content, "second");
    EXPECT_NEAR(texts[0].start().first, texts[1].start().first, 0.01);
    EXPECT_GT(texts[1].start().second, texts[0].start().second + 15);
    const std::regex group("<g clip-path=\"url\\(#([^)]+)\\)\">\\s*<text[^>]*>clipped</text>");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(svg, match, group));
    EXPECT_NE(svg.find("<clipPath id=\"" + match[1].str() +
                       "\"><path d=\"M 150 90 H 250 V 140 H "
                       "150 Z\"/></clipPath>"),
              std::string::npos);
}

// A vector file is as large as the window at its resolution: SVG in CSS pixels (1/96 inch),
// PDF in points (1/72 inch); a window of twice the resolution, with twice the pixels, makes
// a file of the same size, and its text layer is scaled with the drawing.
TEST_F(SvgTextTest, VectorFilesHaveTheWindowsSizeAtItsResolution) {
    add_text(100, 100, "sized");
    const std::regex size("<svg [^>]*width=\"([0-9.]+)px\" height=\"([0-9.]+)px\"");
    std::smatch match;
    const std::string at_96 = write_svg();
    ASSERT_TRUE(std::regex_search(at_96, match, size));
    EXPECT_EQ(match[1].str() + " " + match[2].str(), "400 300");
    EXPECT_EQ(at_96.find("scale("), std::string::npos);
    EXPECT_EQ(pdf_media_box(), "0 0 300 225");

    picture_.dpi = 192;
    const std::string at_192 = write_svg();
    ASSERT_TRUE(std::regex_search(at_192, match, size));
    EXPECT_EQ(match[1].str() + " " + match[2].str(), "200 150");
    EXPECT_NE(at_192.find("fill-opacity=\"0\" stroke=\"none\" transform=\"scale(0.5)\""),
              std::string::npos);
    EXPECT_EQ(texts_of(at_192).at(0).content, "sized");
    EXPECT_EQ(pdf_media_box(), "0 0 150 112.5");
}

TEST_F(SvgTextTest, WhatXmlDoesNotAllowStaysOutOfTheFile) {
    add_text(10, 10, "bell\x07 and \xEF\xBF\xBF ]]> end");
    const std::string svg = write_svg();  // well-formed
    const std::vector<SvgText> texts = texts_of(svg);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].content, "bell  and   ]]> end");
    EXPECT_EQ(xml_text("\x01<\t\xEF\xBF\xBE\xC3\xA9"), " &lt;\t \xC3\xA9");
}

TEST_F(SvgTextTest, ImagesNeverReachTheTextLayer) {
    add_text(10, 10, "text");
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 400, 300);
    SvgTextLayer layer;
    CairoCanvas canvas(image, 400, 300, true, &layer);
    paint(picture_, canvas);
    cairo_surface_destroy(image);
    EXPECT_EQ(layer.markup(), "");
}

}  // namespace
}  // namespace luwnd::render
