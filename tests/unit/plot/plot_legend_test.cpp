// Placed legends through the public interface: outside the box beyond its numbers and
// labels, in columns, with filled boxes and coloured texts, laid out again on a resize,
// and calls that cannot be drawn refused with their cause.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "plotcore/items.h"
#include "plotcore/layout_items.h"
#include "tests/gallery/gallery_window.h"

namespace lumora::plot {
namespace {

struct Drawn {
    std::vector<plotcore::Item> texts, fills;
};

// Texts and filled polygons of the window's last legend (its batch: after a legend item).
Drawn legend_of(gallery::GalleryWindow& window) {
    Drawn d;
    for (const auto& op : window.picture().items) {
        if (op.item.kind != luwnd::ItemKind::kBatch) continue;
        bool in_legend = false;
        for (const plotcore::Item& item : *op.item.batch) {
            if (plotcore::is_layout_kind(item.kind)) {
                in_legend = item.kind == plotcore::ItemKind::kLegend;
                if (in_legend) d = {};
            } else if (in_legend && item.kind == plotcore::ItemKind::kText) {
                d.texts.push_back(item);
            } else if (in_legend && item.kind == plotcore::ItemKind::kPolygon && item.filled) {
                d.fills.push_back(item);
            }
        }
    }
    return d;
}

class PlotLegendTest : public ::testing::Test {
  protected:
    PlotLegendTest() { reset_plot_state(); }
    ~PlotLegendTest() override { reset_plot_state(); }
};

constexpr int kRed = 0x02000000 | 200, kBlue = 0x02000000 | (200 << 16);
constexpr std::uint32_t kRedRgb = 0xC80000, kBlueRgb = 0x0000C8;

TEST_F(PlotLegendTest, BelowTheBoxInOneRowWithBoxesAndColouredTexts) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 0), 0);
    ASSERT_NE(lu_plot_labels("x label", "", ""), 0);
    ASSERT_EQ(lu_plot_legend_text_colour(-1), window.number());
    ASSERT_EQ(lu_plot_legend_swatch("red part", kRed), window.number());
    ASSERT_EQ(lu_plot_legend_swatch("blue part", kBlue), window.number());
    ASSERT_EQ(lu_plot_legend_at(LU_PLOT_LEGEND_OUTSIDE | LU_PLOT_LEGEND_BOTTOM, 0, 0, 2, -1),
              window.number());
    const Drawn d = legend_of(window);
    ASSERT_EQ(d.texts.size(), 2u);
    EXPECT_EQ(d.texts[0].text.rgb, kRedRgb) << "each text in its entry's colour";
    EXPECT_EQ(d.texts[1].text.rgb, kBlueRgb);
    EXPECT_EQ(d.texts[0].points[0].y, d.texts[1].points[0].y) << "one row";
    EXPECT_LT(d.texts[0].points[0].x, d.texts[1].points[0].x);
    ASSERT_EQ(d.fills.size(), 2u) << "two boxes and no background";
    EXPECT_EQ(d.fills[0].fill_rgb, kRedRgb);
    const Frame& f = plot_state(window.number()).frame;
    const float box_bottom = static_cast<float>(480 - f.box.y0);
    EXPECT_GT(d.texts[0].points[0].y, box_bottom + 2.5 * f.text_height)
        << "below the numbers and the x label";
    EXPECT_LT(d.texts[0].points[0].y, 480.0f);
    ASSERT_TRUE(window.resize(800, 600));
    const Drawn again = legend_of(window);
    ASSERT_EQ(again.texts.size(), 2u) << "laid out again";
    EXPECT_EQ(again.texts[1].text.rgb, kBlueRgb);
    EXPECT_GT(again.texts[0].points[0].y, 480.0f) << "below the taller box";
    EXPECT_EQ(window.errors(), "");
}

// The texts of the window's labels (their batch part: after a labels item).
std::vector<plotcore::Item> label_texts(gallery::GalleryWindow& window) {
    std::vector<plotcore::Item> texts;
    for (const auto& op : window.picture().items) {
        if (op.item.kind != luwnd::ItemKind::kBatch) continue;
        bool in_labels = false;
        for (const plotcore::Item& item : *op.item.batch) {
            if (plotcore::is_layout_kind(item.kind))
                in_labels = item.kind == plotcore::ItemKind::kLabels;
            else if (in_labels && item.kind == plotcore::ItemKind::kText)
                texts.push_back(item);
        }
    }
    return texts;
}

TEST_F(PlotLegendTest, ALegendAboveTheBoxStandsInTheRoomLeftBelowTheTitle) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, LU_PLOT_ROOM_ABOVE), 0);
    ASSERT_NE(lu_plot_labels("", "", "A title"), 0);
    ASSERT_EQ(lu_plot_legend_swatch("red part", kRed), window.number());
    ASSERT_EQ(lu_plot_legend_swatch("blue part", kBlue), window.number());
    ASSERT_EQ(lu_plot_legend_at(LU_PLOT_LEGEND_OUTSIDE | LU_PLOT_LEGEND_TOP, 0, 0, 2, 0x02FFFFFF),
              window.number());
    const Drawn d = legend_of(window);
    ASSERT_EQ(d.fills.size(), 3u) << "the background and two boxes";
    float top = 1e9f, bottom = -1e9f;  // of the legend's background, page y downward
    for (const plotcore::PointF& p : d.fills[0].points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const std::vector<plotcore::Item> labels = label_texts(window);
    ASSERT_EQ(labels.size(), 1u);
    const plotcore::Item& title = labels[0];
    const Frame& f = plot_state(window.number()).frame;
    EXPECT_LT(title.points[0].y, top) << "the title's foot above the legend";
    EXPECT_LT(bottom, static_cast<float>(480 - f.box.y1)) << "the legend above the box";
    EXPECT_EQ(window.errors(), "");
}

// Only the background takes the legend's opacity, and keeps it when laid out again.
TEST_F(PlotLegendTest, ATranslucentBackgroundLeavesSamplesAndTextsWhole) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 0), 0);
    int result = 0;
    const float half = 0.5f;
    ASSERT_EQ(lu_plot_legend_opacity_(&result, &half), window.number());
    EXPECT_EQ(result, window.number());
    ASSERT_EQ(lu_plot_legend_swatch("red part", kRed), window.number());
    ASSERT_EQ(lu_plot_legend_at(LU_PLOT_LEGEND_TOP | LU_PLOT_LEGEND_RIGHT, 0, 0, 1, 0x02FFFFFF),
              window.number());
    for (const char* when : {"drawn", "laid out again"}) {
        const Drawn d = legend_of(window);
        ASSERT_EQ(d.fills.size(), 2u) << when;
        EXPECT_EQ(d.fills[0].fill_alpha, 128) << when << ": the background";
        EXPECT_EQ(d.fills[1].fill_alpha, 255) << when << ": the swatch";
        ASSERT_TRUE(window.resize(800, 600));
    }
    EXPECT_EQ(lu_plot_legend_opacity(1.5f), 0);
    EXPECT_EQ(lu_plot_legend_opacity(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(plot_state(window.number()).legend_alpha, 128) << "nothing changed";
    EXPECT_NE(window.errors().find("lu_plot_legend_opacity: the opacity 1.5 is not within 0 ... 1"),
              std::string::npos)
        << window.errors();
}

// Drawn with the drawing operations, the background takes its share of the window's own
// opacity, and the window's opacity comes back for the outline, samples and texts.
TEST_F(PlotLegendTest, WithoutBatchesTheBackgroundAloneIsTranslucent) {
    gallery::GalleryWindow window(640, 480, 96, false);
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 0), 0);
    ASSERT_EQ(lu_plot_legend_opacity(0.5f), window.number());
    ASSERT_EQ(lu_plot_legend_entry("a", kRed, 0, 0), window.number());
    ASSERT_EQ(lu_set_alpha(0.5f), window.number());
    ASSERT_EQ(lu_plot_legend_at(LU_PLOT_LEGEND_TOP | LU_PLOT_LEGEND_RIGHT, 0, 0, 1, 0x02FFFFFF),
              window.number());
    std::vector<std::uint8_t> alphas;
    for (const auto& op : window.picture().items)
        if (alphas.empty() ? op.item.alpha != 255 : op.item.alpha != alphas.back())
            alphas.push_back(op.item.alpha);
    EXPECT_EQ(alphas, (std::vector<std::uint8_t>{64, 128})) << "the background, then the rest";
    EXPECT_EQ(window.errors(), "");
}

TEST_F(PlotLegendTest, APlaceOfLuPlotLegendDrawsAsThatPositionDoes) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, LU_PLOT_ROOM_RIGHT), 0);
    ASSERT_NE(lu_plot_legend_entry("a", kRed, 0, 0), 0);
    ASSERT_NE(lu_plot_legend(10), 0);
    const Drawn place = legend_of(window);
    lu_send_command_b4();
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, LU_PLOT_ROOM_RIGHT), 0);
    ASSERT_NE(lu_plot_legend_entry("a", kRed, 0, 0), 0);
    ASSERT_NE(lu_plot_legend_at(LU_PLOT_LEGEND_OUTSIDE | LU_PLOT_LEGEND_RIGHT, 0, 0, 1,
                                0x02000000 | 0xFFFFFF),
              0);
    const Drawn placed = legend_of(window);
    ASSERT_EQ(place.texts.size(), 1u);
    ASSERT_EQ(placed.texts.size(), 1u);
    EXPECT_EQ(placed.texts[0].points, place.texts[0].points);
    EXPECT_EQ(placed.texts[0].text.rgb, 0u) << "black by default";
    EXPECT_EQ(placed.fills.size(), 1u) << "the white background";
}

TEST_F(PlotLegendTest, CallsThatCannotBeDrawnAreRefusedWithTheirCause) {
    gallery::GalleryWindow window(320, 240);
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 0), 0);
    EXPECT_EQ(lu_plot_legend_at(LU_PLOT_LEGEND_TOP, 0, 0, 1, -1), 0) << "no entries";
    EXPECT_EQ(lu_plot_legend_swatch("x", 36), 0);
    EXPECT_EQ(lu_plot_legend_text_colour(-2), 0);
    ASSERT_NE(lu_plot_legend_swatch("x", -1), 0);
    EXPECT_EQ(lu_plot_legend_at(LU_PLOT_LEGEND_OUTSIDE, 0, 0, 1, -1), 0);
    EXPECT_EQ(lu_plot_legend_at(LU_PLOT_LEGEND_LEFT | LU_PLOT_LEGEND_RIGHT, 0, 0, 1, -1), 0);
    EXPECT_EQ(lu_plot_legend_at(LU_PLOT_LEGEND_TOP, 0, 0, 0, -1), 0);
    EXPECT_EQ(lu_plot_legend_at(LU_PLOT_LEGEND_TOP, 200, 0, 1, -1), 0);
    EXPECT_EQ(lu_plot_legend_at(LU_PLOT_LEGEND_TOP, 0, 0, 1, 0x05000000), 0);
    const std::string errors = window.errors();
    for (const char* cause :
         {"lu_plot_legend_at: the legend has no entries", "lu_plot_legend_swatch: 36 is no colour",
          "lu_plot_legend_text_colour: -2 is no colour", "position 16 is none of the sixteen",
          "position 3 is none of the sixteen", "0 columns: there must be 1 ... 32",
          "the offset 200, 0 is not within", "83886080 is no colour value"})
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << " in " << errors;
    EXPECT_EQ(lu_plot_legend_at(LU_PLOT_LEGEND_TOP, 0, 0, 1, -1), window.number())
        << "the entry is still there after the refusals";
}

}  // namespace
}  // namespace lumora::plot
