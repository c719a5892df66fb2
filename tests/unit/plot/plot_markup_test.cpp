// Markup in the plotting layer's texts, through the public interface: labels and legend
// entries become runs of their own size and place, laid out again on a resize like the
// rest, and (with Cairo) an SVG keeps each run as a text of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "plotcore/batch_format.h"
#include "tests/gallery/gallery_window.h"
#include "tests/unit/plot/plot_items_drawn.h"
#ifndef _WIN32
#include "server/render/cairo/picture_file.h"
#endif

namespace lumora::plot {
namespace {

constexpr const char* kLabel = "$E_{kin} \\propto e^{-\\omega/2}$";

std::vector<plotcore::Item> texts_of(gallery::GalleryWindow& window) {
    return batch_items_of(window.picture(), plotcore::ItemKind::kText);
}

const plotcore::Item* find_text(const std::vector<plotcore::Item>& texts,
                                const std::string& bytes) {
    auto it = std::find_if(texts.begin(), texts.end(),
                           [&](const plotcore::Item& t) { return t.text.bytes == bytes; });
    return it == texts.end() ? nullptr : &*it;
}

class PlotMarkupTest : public ::testing::Test {
  protected:
    PlotMarkupTest() { reset_plot_state(); }
    ~PlotMarkupTest() override { reset_plot_state(); }

    void draw() {
        ASSERT_NE(lu_plot_frame(0, 10, 0, 1, 0), 0);
        ASSERT_NE(lu_plot_labels("time $t$ / s", kLabel, "$x_i^2$ and \\$5"), 0);
        ASSERT_NE(lu_plot_legend_entry("$\\sigma_{xy}$", -1, 0, 0), 0);
        ASSERT_NE(lu_plot_legend(1), 0);
    }

    gallery::GalleryWindow window_{640, 480};
};

TEST_F(PlotMarkupTest, LabelsAndLegendsBecomeRunsWithoutMarkupCharacters) {
    draw();
    const std::vector<plotcore::Item> texts = texts_of(window_);
    for (const plotcore::Item& t : texts) {
        for (const char* left : {"$E", "_{", "\\", "^{"})
            EXPECT_EQ(t.text.bytes.find(left), std::string::npos) << t.text.bytes;
    }
    const plotcore::Item *e = find_text(texts, "E"), *kin = find_text(texts, "kin");
    ASSERT_TRUE(e != nullptr && kin != nullptr);
    EXPECT_LT(kin->text.height, e->text.height);
    EXPECT_EQ(e->text.style & 2, 2) << "italic";
    // The y label is turned a quarter: along it is up the page, a subscript's drop is to
    // the right of its baseline.
    EXPECT_LT(kin->points[0].y, e->points[0].y);
    EXPECT_GT(kin->points[0].x, e->points[0].x);
    const plotcore::Item* omega = find_text(texts, "\xE2\x88\x92\xCF\x89");
    ASSERT_NE(omega, nullptr) << "a minus sign and omega in one raised run";
    EXPECT_LT(omega->points[0].x, e->points[0].x) << "raised: to the left of a turned line";
    EXPECT_EQ(omega->text.style, plotcore::kTextUtf8Bytes);
    ASSERT_NE(find_text(texts, " and $5"), nullptr) << "an escaped dollar";
    const plotcore::Item* sigma = find_text(texts, "\xCF\x83");
    ASSERT_NE(sigma, nullptr) << "the legend entry";
    const plotcore::Item* xy = find_text(texts, "xy");
    ASSERT_NE(xy, nullptr);
    EXPECT_GT(xy->points[0].y, sigma->points[0].y);
    EXPECT_EQ(window_.errors(), "");
}

TEST_F(PlotMarkupTest, MarkupCostsNoCommandPerRun) {
    ASSERT_NE(lu_plot_frame(0, 10, 0, 1, 0), 0);
    std::size_t before = window_.commands();
    ASSERT_NE(lu_plot_labels("x", "y", "plain"), 0);
    const std::size_t plain = window_.commands() - before;
    before = window_.commands();
    ASSERT_NE(lu_plot_labels("$x_1$", kLabel, "$a^{b^{c}} + \\alpha_{\\beta}$"), 0);
    // The widths of italic letters are asked once.
    EXPECT_LE(window_.commands() - before, plain + 1);
    before = window_.commands();
    ASSERT_NE(lu_plot_labels("$x_1$", kLabel, "$a^{b^{c}} + \\alpha_{\\beta}$"), 0);
    EXPECT_EQ(window_.commands() - before, plain);
}

TEST_F(PlotMarkupTest, AResizedWindowLaysMarkedTextsOutAsAFreshWindowDoes) {
    draw();
    ASSERT_TRUE(window_.resize(900, 300));
    const std::vector<plotcore::Item> resized = texts_of(window_);
    reset_plot_state();
    gallery::GalleryWindow fresh(900, 300);
    draw();
    const std::vector<plotcore::Item> want = texts_of(fresh);
    ASSERT_EQ(resized.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(resized[i].text, want[i].text) << i;
        EXPECT_NEAR(resized[i].points[0].x, want[i].points[0].x, 0.01) << want[i].text.bytes;
        EXPECT_NEAR(resized[i].points[0].y, want[i].points[0].y, 0.01) << want[i].text.bytes;
    }
}

TEST(PlotMarkupWithoutBatchesTest, TheDrawingOperationsDrawTheRuns) {
    reset_plot_state();
    gallery::GalleryWindow window(640, 480, 96, false);
    ASSERT_NE(lu_plot_frame(0, 10, 0, 1, 0), 0);
    ASSERT_NE(lu_set_font(-1, 0, 0, 1, -1, nullptr), 0);  // bold
    ASSERT_NE(lu_plot_labels("$E_{kin}$ in J", "", ""), 0);
    ASSERT_NE(lu_draw_text(1, 0.5f, "after"), 0);
    std::vector<luwnd::DrawItem> texts;
    for (const auto& op : window.picture().items)
        if (op.item.kind == luwnd::ItemKind::kText) texts.push_back(op.item);
    const auto text = [&](const std::string& bytes) {
        auto it = std::find_if(texts.begin(), texts.end(),
                               [&](const luwnd::DrawItem& t) { return t.text == bytes; });
        EXPECT_NE(it, texts.end()) << bytes;
        return it == texts.end() ? luwnd::DrawItem{} : *it;
    };
    const luwnd::DrawItem e = text("E"), kin = text("kin"), rest = text(" in J");
    EXPECT_LT(kin.font.size, e.font.size);
    EXPECT_EQ(e.font.style, 3) << "bold italic";
    EXPECT_GT(kin.coords[1], e.coords[1]) << "lowered";
    EXPECT_GT(kin.coords[0], e.coords[0]);
    EXPECT_GT(rest.coords[0], kin.coords[0]);
    EXPECT_EQ(rest.font.style, 1);
    EXPECT_EQ(text("after").font.style, 1) << "the window's font style is given back";
    reset_plot_state();
}

#ifndef _WIN32
struct SvgRun {
    std::string text;
    double size = 0, y = 0;
};

std::vector<SvgRun> svg_runs(const luwnd::render::Picture& picture) {
    const std::string path = testing::TempDir() + "plot_markup_test.svg";
    std::string error;
    EXPECT_TRUE(
        luwnd::render::write_picture(picture, path, luwnd::render::PictureFormat::kSvg, error))
        << error;
    std::ifstream file(path);
    const std::string svg((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::remove(path.c_str());
    std::vector<SvgRun> runs;
    const std::regex text(
        R"re(<text x="([-0-9.]+)" y="([-0-9.]+)"[^>]* font-size="([0-9.]+)"[^>]*>([^<]*)</text>)re");
    for (std::sregex_iterator it(svg.begin(), svg.end(), text), end; it != end; ++it)
        runs.push_back({(*it)[4], std::stod((*it)[3]), std::stod((*it)[2])});
    return runs;
}

TEST_F(PlotMarkupTest, AnSvgKeepsScriptsAsSmallerRaisedOrLoweredTexts) {
    ASSERT_NE(lu_plot_frame(0, 10, 0, 1, 0), 0);
    ASSERT_NE(lu_plot_labels(kLabel, "", ""), 0);
    const std::vector<SvgRun> runs = svg_runs(window_.picture());
    const auto run = [&](const std::string& t) {
        auto it =
            std::find_if(runs.begin(), runs.end(), [&](const SvgRun& r) { return r.text == t; });
        EXPECT_NE(it, runs.end()) << t;
        return it == runs.end() ? SvgRun{} : *it;
    };
    const SvgRun e = run("E"), kin = run("kin"), raised = run("\xE2\x88\x92\xCF\x89");
    EXPECT_LT(kin.size, e.size);
    EXPECT_GT(kin.y, e.y) << "lowered";
    EXPECT_LT(raised.size, e.size);
    EXPECT_LT(raised.y, e.y) << "raised";
    for (const SvgRun& r : runs) {
        for (const char* left : {"_{", "\\", "$"})
            EXPECT_EQ(r.text.find(left), std::string::npos) << r.text;
    }
}
#endif

}  // namespace
}  // namespace lumora::plot
