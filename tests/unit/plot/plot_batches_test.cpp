// The plotting layer's batches: how few commands a plot costs, positions at full
// precision, layers replaced where they stand, and sizes that follow the resolution.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "tests/gallery/gallery_window.h"

namespace lumora::plot {
namespace {

using luwnd::DrawItem;
using luwnd::ItemKind;

class PlotBatchesTest : public ::testing::Test {
  protected:
    explicit PlotBatchesTest(int width = 640, int height = 480, int dpi = 96)
        : window_(width, height, dpi) {
        reset_plot_state();
    }
    ~PlotBatchesTest() override { reset_plot_state(); }

    std::vector<DrawItem> batches() {
        std::vector<DrawItem> out;
        for (const auto& op : window_.picture().items)
            if (op.item.kind == ItemKind::kBatch) out.push_back(op.item);
        return out;
    }
    std::size_t commands() const { return window_.commands(); }

    std::vector<float> x_, y_;
    void curve(std::size_t n, float phase = 0) {
        x_.resize(n);
        y_.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            x_[i] = 10.0f * static_cast<float>(i) / static_cast<float>(n - 1);
            y_[i] = std::sin(x_[i] + phase);
        }
    }

    gallery::GalleryWindow window_;
};

TEST_F(PlotBatchesTest, AFrameWithLabelsAndALongCurveTakesAFewCommands) {
    curve(1000);
    const std::size_t before = commands();
    ASSERT_EQ(lu_plot_frame(0, 10, -1.2f, 1.2f, 0), window_.number());
    ASSERT_EQ(lu_plot_labels("x", "sin x", "a title"), window_.number());
    ASSERT_EQ(lu_plot_line(1000, x_.data(), y_.data()), window_.number());
    // The first plot of a window also asks for the plot block and the font widths.
    EXPECT_LE(commands() - before, 8u);
    const std::size_t again = commands();
    lu_send_command_b4();
    lu_plot_frame(0, 10, -1.2f, 1.2f, 0);
    lu_plot_labels("x", "sin x", "a title");
    lu_plot_line(1000, x_.data(), y_.data());
    EXPECT_LE(commands() - again, 4u);
    EXPECT_EQ(batches().size(), 3u);
}

TEST_F(PlotBatchesTest, DataKeepsItsFractionsOfAPixel) {
    curve(1000);
    lu_plot_frame(0, 10, -1.2f, 1.2f, 0);
    lu_plot_line(1000, x_.data(), y_.data());
    const DrawItem line = batches().back();
    std::size_t points = 0, off_grid = 0;
    for (const plotcore::Item& item : *line.batch) {
        if (item.kind != plotcore::ItemKind::kPolyline) continue;
        for (plotcore::PointF p : item.points) {
            ++points;
            for (float v : {p.x, p.y}) off_grid += std::fabs(v * 2 - std::round(v * 2)) > 1e-3f;
        }
    }
    EXPECT_EQ(points, 1000u);
    EXPECT_GT(off_grid, 1800u);  // of the 2000 coordinates
}

// Counts the batch items that belong to the element.
std::size_t of_element(const std::vector<DrawItem>& items, std::int32_t element) {
    std::size_t n = 0;
    for (const DrawItem& item : items) n += item.element == element ? 1 : 0;
    return n;
}

// The points of the first line in a batch.
std::vector<plotcore::PointF> line_points(const DrawItem& batch) {
    for (const plotcore::Item& item : *batch.batch) {
        if (item.kind == plotcore::ItemKind::kPolyline) return item.points;
    }
    return {};
}

// A later box that draws only a grid leaves the frame's black edges alone: no grey line
// lies on them, every other tick has its grid line.
TEST_F(PlotBatchesTest, AGridOnlyBoxLeavesTheBlackEdgesAlone) {
    ASSERT_EQ(lu_plot_frame(0, 360, -1.2f, 1.2f, 0), window_.number());
    const plotcore::Frame f = plot_state(window_.number()).frame;
    const std::size_t before = batches().size();
    ASSERT_EQ(lu_plot_box("g", 30, 0, "g", 0.2f, 0), window_.number());
    const std::vector<DrawItem> all = batches();
    ASSERT_EQ(all.size(), before + 1);
    // Batch coordinates: y downward, a pixel's centre at +0.5.
    const double left = f.box.x0 + 0.5, right = f.box.x1 + 0.5;
    const double top = 480 - f.box.y1 + 0.5, bottom = 480 - f.box.y0 + 0.5;
    int across = 0, up = 0;
    for (const plotcore::Item& item : *all.back().batch) {
        if (item.kind != plotcore::ItemKind::kSegments &&
            item.kind != plotcore::ItemKind::kPolyline)
            continue;
        for (std::size_t i = 0; i + 1 < item.points.size(); i += 2) {
            const plotcore::PointF a = item.points[i], b = item.points[i + 1];
            if (a.x == b.x) {
                ++up;
                EXPECT_GT(std::fabs(a.x - left), 0.5) << "on the left edge";
                EXPECT_GT(std::fabs(a.x - right), 0.5) << "on the right edge";
            } else {
                ++across;
                EXPECT_GT(std::fabs(a.y - top), 0.5) << "on the top edge";
                EXPECT_GT(std::fabs(a.y - bottom), 0.5) << "on the bottom edge";
            }
        }
    }
    EXPECT_EQ(up, 11) << "30 ... 330 degrees";
    EXPECT_EQ(across, 11) << "-1.0 ... 1.0";
}

TEST_F(PlotBatchesTest, ALayerIsReplacedWhereItStands) {
    curve(200);
    lu_plot_frame(0, 10, -1.2f, 1.2f, 0);
    ASSERT_EQ(lu_plot_layer(1), 1);
    lu_plot_line(200, x_.data(), y_.data());
    ASSERT_EQ(lu_plot_layer(0), 1);
    lu_plot_labels("x", "u", "after the layer");
    const std::vector<DrawItem> first = batches();
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[1].element, 1);
    for (int step = 1; step <= 5; ++step) {
        curve(200, 0.1f * static_cast<float>(step));
        lu_plot_layer(1);
        lu_plot_line(200, x_.data(), y_.data());
        lu_plot_layer(0);
    }
    const std::vector<DrawItem> now = batches();
    ASSERT_EQ(now.size(), 3u);
    EXPECT_EQ(now[1].element, 1);  // still between the frame and the labels
    EXPECT_NE(line_points(now[1]), line_points(first[1]));
    // Two calls in one layer: the second adds to the first.
    lu_plot_layer(1);
    lu_plot_line(200, x_.data(), y_.data());
    lu_plot_line(200, x_.data(), y_.data());
    lu_plot_layer(0);
    EXPECT_EQ(of_element(batches(), 1), 2u);
    // Chosen and left without drawing: empty.
    lu_plot_layer(1);
    lu_plot_layer(0);
    EXPECT_EQ(of_element(batches(), 1), 0u);
    EXPECT_EQ(batches().size(), 2u);
}

TEST_F(PlotBatchesTest, LayersAndFramesRefuseWhatTheyCannotDo) {
    EXPECT_EQ(lu_plot_layer(-1), 0);
    EXPECT_EQ(lu_plot_layer_in_window(9, 1), 0);
    EXPECT_EQ(lu_plot_end_frame(), 0);  // none begun
    EXPECT_EQ(lu_plot_begin_frame(), 1);
    EXPECT_EQ(lu_plot_begin_frame(), 1);
    EXPECT_EQ(lu_plot_end_frame(), 1);
    EXPECT_EQ(lu_plot_end_frame(), 1);
    EXPECT_EQ(lu_plot_end_frame(), 0);
    const std::string errors = window_.errors();
    EXPECT_NE(errors.find("lu_plot_layer: the layer must be"), std::string::npos) << errors;
    EXPECT_NE(errors.find("lu_plot_end_frame: no buffered frame was begun"), std::string::npos)
        << errors;
}

// What one frame with a title draws: the title's height and the box's line width.
struct FrameSizes {
    float title_height = 0, box_width = 0;
};

FrameSizes frame_sizes(const std::vector<DrawItem>& batches) {
    FrameSizes s;
    for (const DrawItem& b : batches) {
        for (const plotcore::Item& item : *b.batch) {
            if (item.kind == plotcore::ItemKind::kText && item.text.bytes == "the title")
                s.title_height = item.text.height;
            if (item.kind == plotcore::ItemKind::kPolyline && s.box_width == 0)
                s.box_width = item.stroke.width;
        }
    }
    return s;
}

class PlotBatchesAtTwiceTheResolution : public PlotBatchesTest {
  protected:
    // The default window size, which grows with the resolution.
    PlotBatchesAtTwiceTheResolution() : PlotBatchesTest(0, 0, 192) {}
};

void draw_titled_frame() {
    lu_plot_frame(0, 1, 0, 1, 0);
    lu_plot_labels("x", "y", "the title");
}

TEST_F(PlotBatchesAtTwiceTheResolution, TextsAndLinesAreTwiceAsLarge) {
    draw_titled_frame();
    const FrameSizes twice = frame_sizes(batches());
    FrameSizes once;
    {
        gallery::GalleryWindow normal(0, 0, 96);
        reset_plot_state();
        draw_titled_frame();
        std::vector<DrawItem> items;
        for (const auto& op : normal.picture().items)
            if (op.item.kind == ItemKind::kBatch) items.push_back(op.item);
        once = frame_sizes(items);
    }
    ASSERT_GT(once.title_height, 0);
    ASSERT_GT(once.box_width, 0);
    EXPECT_NEAR(twice.title_height, 2 * once.title_height, 1.0);  // heights are whole pixels
    EXPECT_FLOAT_EQ(twice.box_width, 2 * once.box_width);
}

// A window closed and opened again under the same number gets a plot block of its own,
// and two windows plotting in turn each draw into their own.
TEST_F(PlotBatchesTest, WindowsOpenedAgainAndSideBySideTakeTheirOwnBlocks) {
    curve(50);
    const int first = window_.number();
    ASSERT_EQ(lu_plot_frame(0, 10, -1, 1, 0), first);
    const int second = lu_open_window(0);
    ASSERT_GT(second, 0);
    ASSERT_NE(second, first);
    for (int round = 0; round < 3; ++round) {
        for (int window : {first, second}) {
            ASSERT_EQ(lu_select_window(window), window);
            ASSERT_EQ(lu_plot_frame(0, 10, -1, 1, 0), window);
            ASSERT_EQ(lu_plot_line(50, x_.data(), y_.data()), window);
        }
    }
    ASSERT_EQ(lu_close_window(second), first);
    const int again = lu_open_window(0);
    ASSERT_EQ(again, second);
    ASSERT_EQ(lu_plot_frame(0, 10, -1, 1, 0), again);
    EXPECT_EQ(lu_plot_line(50, x_.data(), y_.data()), again);
    lu_select_window(first);
    EXPECT_EQ(batches().size(), 7u);  // its first frame, then three frames and three lines
    EXPECT_EQ(window_.errors(), "");
}

}  // namespace
}  // namespace lumora::plot

namespace lumora::plot {
namespace {

// The opacity reaches the window once per change and applies to the plot drawn after it,
// its batch and the window commands' drawing alike.
TEST_F(PlotBatchesTest, PlotsDrawnAfterAnOpacityTakeIt) {
    curve(100);
    ASSERT_EQ(lu_plot_frame(0, 10, -1.2f, 1.2f, 0), window_.number());
    std::size_t before = commands();
    ASSERT_EQ(lu_set_alpha(1.0f), window_.number());
    EXPECT_EQ(commands(), before);  // a new window is opaque already
    ASSERT_EQ(lu_set_alpha(0.5f), window_.number());
    int result = 0;
    const float same = 0.5f;
    ASSERT_EQ(lu_set_alpha_(&result, &same), window_.number());
    EXPECT_EQ(result, window_.number());
    EXPECT_EQ(commands(), before + 1);
    ASSERT_EQ(lu_plot_line(100, x_.data(), y_.data()), window_.number());
    lu_draw_line(0, 0, 1, 1);
    const std::vector<DrawItem> drawn = batches();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].alpha, 255);
    EXPECT_EQ(drawn[1].alpha, 128);
    EXPECT_EQ(window_.picture().items.back().item.alpha, 128);
    before = commands();
    EXPECT_EQ(lu_set_alpha(1.5f), 0);
    EXPECT_EQ(lu_set_alpha(std::nanf("")), 0);
    EXPECT_EQ(lu_set_alpha(-0.01f), 0);
    EXPECT_EQ(lu_set_alpha_in_window(window_.number() + 1, 0.5f), 0);
    EXPECT_EQ(commands(), before);
}

TEST_F(PlotBatchesTest, PlotsDrawnAfterACompositingModeTakeIt) {
    curve(100);
    ASSERT_EQ(lu_plot_frame(0, 10, -1.2f, 1.2f, 0), window_.number());
    int result = 0;
    const int mode = LU_COMPOSE_REPLACE;
    ASSERT_EQ(lu_set_compositing_(&result, &mode), window_.number());
    EXPECT_EQ(result, window_.number());
    ASSERT_EQ(lu_plot_line(100, x_.data(), y_.data()), window_.number());
    ASSERT_EQ(lu_set_compositing_in_window(window_.number(), LU_COMPOSE_XOR), window_.number());
    ASSERT_EQ(lu_plot_line(100, x_.data(), y_.data()), window_.number());
    const std::vector<DrawItem> drawn = batches();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].compose, LU_COMPOSE_OVER);
    EXPECT_EQ(drawn[1].compose, LU_COMPOSE_REPLACE);
    EXPECT_EQ(drawn[2].compose, LU_COMPOSE_XOR);
    const std::size_t before = commands();
    EXPECT_EQ(lu_set_compositing(3), 0);
    EXPECT_EQ(lu_set_compositing(-1), 0);
    EXPECT_EQ(lu_set_compositing_in_window(window_.number() + 1, LU_COMPOSE_OVER), 0);
    EXPECT_EQ(commands(), before);
    const std::string errors = window_.errors();
    const std::string closed = "lu_set_compositing_in_window: window " +
                               std::to_string(window_.number() + 1) + " is not open";
    for (const std::string& cause :
         {std::string("lu_set_compositing: mode 3 is not LU_COMPOSE_OVER, LU_COMPOSE_REPLACE or "
                      "LU_COMPOSE_XOR"),
          std::string("mode -1 is not"), closed})
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << " in " << errors;
}

}  // namespace
}  // namespace lumora::plot
