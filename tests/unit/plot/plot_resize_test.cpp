// A window resized on screen shows its plots laid out anew for the new size, the same as a
// window of that size would show them, and later drawing lands in the frame as shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/colour_maps.h"
#include "client/plot/plot_state.h"
#include "tests/gallery/gallery_window.h"

namespace lumora::plot {
namespace {

using Batches = std::vector<plotcore::Items>;

constexpr float kClose = 0.01f;  // pixels: a line mapped with its frame, or drawn there

std::vector<float> curve_x(std::size_t n) {
    std::vector<float> x(n);
    for (std::size_t i = 0; i < n; ++i) x[i] = 10.0f * float(i) / float(n - 1);
    return x;
}

std::vector<float> curve_y(std::size_t n, float phase) {
    std::vector<float> y = curve_x(n);
    for (float& v : y) v = std::sin(v + phase);
    return y;
}

// Two panels with their frames, labels, a custom box, a line in a layer, a legend,
// contours of a field in the first frame and markers.
void draw_plots() {
    const std::vector<float> x = curve_x(200), y = curve_y(200, 0);
    ASSERT_NE(lu_plot_subpages(2, 1), 0);
    ASSERT_NE(lu_plot_frame(0, 10, -1.2f, 1.2f, LU_PLOT_GRID), 0);
    lu_plot_labels("time", "sin t", "A wave");
    std::vector<float> field(20 * 10);
    for (std::size_t i = 0; i < field.size(); ++i) {
        field[i] = std::sin(0.3f * float(i % 20)) * std::cos(0.4f * float(i / 20));
    }
    ASSERT_NE(lu_draw_contours(field.data(), 20, 10, 0, 0, -1.2f, 10, 1.2f, nullptr, -5, 0), 0);
    ASSERT_EQ(lu_plot_layer(1), lu_get_viewport(nullptr, nullptr, nullptr, nullptr));
    lu_plot_line(200, x.data(), y.data());
    lu_plot_layer(0);
    lu_plot_legend_entry("sin t", -1, 0, 0);
    lu_plot_legend_entry("samples", 3, -1, 13);
    ASSERT_NE(lu_plot_legend(4), 0);
    lu_plot_frame(1, 1000, 0.01f, 100, LU_PLOT_LOG_X | LU_PLOT_LOG_Y | LU_PLOT_NO_BOX);
    lu_plot_box("bcnstg", 0, 0, "bcnstv", 0, 0);
    lu_plot_labels("frequency", "power", "");
    const float px[] = {2, 20, 200}, py[] = {0.1f, 1, 10};
    lu_plot_points(3, px, py, 3);
}

Batches batches_of(gallery::GalleryWindow& window) {
    Batches out;
    for (const auto& op : window.picture().items) {
        if (op.item.kind == luwnd::ItemKind::kBatch) out.push_back(*op.item.batch);
    }
    return out;
}

bool near(float a, float b) {
    return std::fabs(a - b) <= kClose;
}
bool near(const plotcore::BoxF& a, const plotcore::BoxF& b) {
    return near(a.left, b.left) && near(a.top, b.top) && near(a.right, b.right) &&
           near(a.bottom, b.bottom);
}

// The same items, positions within kClose.
void expect_alike(const Batches& got, const Batches& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t b = 0; b < got.size(); ++b) {
        ASSERT_EQ(got[b].size(), want[b].size()) << "batch " << b;
        for (std::size_t i = 0; i < got[b].size(); ++i) {
            const plotcore::Item &g = got[b][i], &w = want[b][i];
            ASSERT_EQ(g.kind, w.kind) << b << ":" << i;
            EXPECT_EQ(g.stroke, w.stroke) << b << ":" << i;
            EXPECT_EQ(g.text, w.text) << b << ":" << i;
            EXPECT_EQ(g.marker, w.marker) << b << ":" << i;
            EXPECT_TRUE(near(g.clip, w.clip)) << b << ":" << i;
            EXPECT_TRUE(near(g.source.box, w.source.box)) << b << ":" << i;
            EXPECT_EQ(g.source.setup, w.source.setup) << b << ":" << i;
            EXPECT_EQ(g.source.labels, w.source.labels) << b << ":" << i;
            ASSERT_EQ(g.points.size(), w.points.size()) << b << ":" << i;
            for (std::size_t p = 0; p < g.points.size(); ++p) {
                EXPECT_TRUE(near(g.points[p].x, w.points[p].x) &&
                            near(g.points[p].y, w.points[p].y))
                    << b << ":" << i << ":" << p << " " << g.points[p].x << "," << g.points[p].y
                    << " vs " << w.points[p].x << "," << w.points[p].y;
            }
        }
    }
}

class PlotResizeTest : public ::testing::Test {
  protected:
    PlotResizeTest() { reset_plot_state(); }
    ~PlotResizeTest() override { reset_plot_state(); }

    // The batches of a window of the size with the plots drawn, and after `then`.
    template <class Then>
    static Batches drawn_at(int width, int height, Then then) {
        reset_plot_state();
        gallery::GalleryWindow window(width, height);
        draw_plots();
        then(window);
        EXPECT_EQ(window.errors(), "");
        return batches_of(window);
    }
};

TEST_F(PlotResizeTest, AResizedWindowShowsItsPlotsAsAWindowOfThatSize) {
    for (const auto& size : {std::pair{900, 500}, std::pair{300, 700}, std::pair{641, 479}}) {
        const Batches fresh = drawn_at(size.first, size.second, [](auto&) {});
        const Batches resized = drawn_at(640, 480, [&](gallery::GalleryWindow& w) {
            ASSERT_TRUE(w.resize(size.first, size.second));
        });
        expect_alike(resized, fresh);
    }
}

// A plot drawn translucently stays so when it is laid out again.
TEST_F(PlotResizeTest, LaidOutAgainAPlotKeepsItsOpacity) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_set_alpha(0.25f), 0);
    draw_plots();
    const auto opacities = [&] {
        std::vector<int> out;
        for (const auto& op : window.picture().items)
            if (op.item.kind == luwnd::ItemKind::kBatch) out.push_back(op.item.alpha);
        return out;
    };
    const std::vector<int> before = opacities();
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(std::count(before.begin(), before.end(), 64), std::ptrdiff_t(before.size()));
    ASSERT_TRUE(window.resize(900, 500));
    EXPECT_EQ(opacities(), before);
}

TEST_F(PlotResizeTest, ResizingBackGivesTheFirstPicture) {
    const Batches first = drawn_at(640, 480, [](auto&) {});
    const Batches back = drawn_at(640, 480, [](gallery::GalleryWindow& w) {
        ASSERT_TRUE(w.resize(250, 900));
        ASSERT_TRUE(w.resize(640, 480));
    });
    expect_alike(back, first);
}

TEST_F(PlotResizeTest, DrawingAfterAResizeLandsInTheFrameAsShown) {
    const auto replace_line = [](gallery::GalleryWindow&) {
        const std::vector<float> x = curve_x(200), y = curve_y(200, 0.5f);
        // Into the current frame, the second panel's.
        lu_plot_layer(1);
        lu_plot_line(200, x.data(), y.data());
        lu_plot_layer(0);
        const float px[] = {5, 50};
        const float py[] = {1, 5};
        lu_plot_points(2, px, py, 1);
    };
    const Batches fresh = drawn_at(800, 600, replace_line);
    const Batches resized = drawn_at(640, 480, [&](gallery::GalleryWindow& w) {
        ASSERT_TRUE(w.resize(800, 600));
        replace_line(w);
    });
    expect_alike(resized, fresh);
}

// A drawing operation in the frame's world after a resize lands where it lands in a window
// of the new size: the window's view follows the frame as laid out anew.
TEST_F(PlotResizeTest, DrawingOperationsInTheFrameFollowIt) {
    struct Seen {
        std::array<float, 8> view_world{};
        std::array<std::int32_t, 4> line{};
    };
    const auto drawn = [](int width, int height, bool resize) {
        reset_plot_state();
        gallery::GalleryWindow window(resize ? 640 : width, resize ? 480 : height);
        draw_plots();
        if (resize) {
            EXPECT_TRUE(window.resize(width, height));
        }
        Seen seen;
        float* v = seen.view_world.data();
        lu_get_viewport(&v[0], &v[1], &v[2], &v[3]);
        lu_get_world(&v[4], &v[5], &v[6], &v[7]);
        EXPECT_NE(lu_draw_line(2, 0.1f, 500, 50), 0);
        const luwnd::render::Picture picture = window.picture();
        const luwnd::DrawItem& line = picture.items.back().item;
        EXPECT_EQ(line.kind, luwnd::ItemKind::kLine);
        std::copy_n(line.coords.begin(), 4, seen.line.begin());
        return seen;
    };
    for (const auto& size : {std::pair{900, 500}, std::pair{300, 700}}) {
        const Seen fresh = drawn(size.first, size.second, false);
        const Seen resized = drawn(size.first, size.second, true);
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_NEAR(resized.view_world[i], fresh.view_world[i], 1e-5) << i;
        }
        EXPECT_EQ(resized.line, fresh.line);
    }
}

// The black outer ring of a polar frame moves with its frame: where a window of the new
// size draws it.
TEST_F(PlotResizeTest, APolarGridMovesWithItsFrame) {
    const auto draw = [](gallery::GalleryWindow&) { ASSERT_NE(lu_plot_polar_frame(2), 0); };
    // The outer ring: the black polyline of a full circle.
    const auto moved = [](const Batches& batches) {
        std::vector<plotcore::PointF> points;
        for (const plotcore::Items& batch : batches) {
            for (const plotcore::Item& item : batch) {
                const bool ring = item.kind == plotcore::ItemKind::kPolyline &&
                                  item.points.size() == 181 && item.stroke.rgb == 0;
                const bool band = item.kind == plotcore::ItemKind::kPolygon && item.filled;
                if (ring || band)
                    points.insert(points.end(), item.points.begin(), item.points.end());
            }
        }
        return points;
    };
    const auto drawn = [&](int width, int height, auto then) {
        reset_plot_state();
        gallery::GalleryWindow window(width, height);
        lu_plot_subpages(2, 1);
        draw(window);
        then(window);
        EXPECT_EQ(window.errors(), "");
        return moved(batches_of(window));
    };
    const std::vector<plotcore::PointF> fresh = drawn(1000, 400, [](auto&) {});
    const std::vector<plotcore::PointF> resized =
        drawn(640, 480, [](gallery::GalleryWindow& w) { ASSERT_TRUE(w.resize(1000, 400)); });
    ASSERT_EQ(fresh.size(), 181u);
    ASSERT_EQ(resized.size(), fresh.size());
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        EXPECT_NEAR(resized[i].x, fresh[i].x, 0.05) << i;
        EXPECT_NEAR(resized[i].y, fresh[i].y, 0.05) << i;
    }
}

// The batches that hold a strip beside a frame, without their texts when asked.
Batches strips_of(const Batches& batches, bool texts) {
    Batches out;
    for (const plotcore::Items& batch : batches) {
        const bool strip = std::any_of(batch.begin(), batch.end(), [](const plotcore::Item& i) {
            return i.kind == plotcore::ItemKind::kBeside;
        });
        if (!strip) continue;
        out.emplace_back();
        std::copy_if(batch.begin(), batch.end(), std::back_inserter(out.back()),
                     [texts](const plotcore::Item& i) {
                         return texts || i.kind != plotcore::ItemKind::kText;
                     });
    }
    return out;
}

// Colour bars beside a frame (a map's strip and bands of levels) stay beside its box, on
// whichever side: where a window of the new size draws them (left of the box and below
// it, beyond numbers laid out again). Bars other than right ones are drawn titled. Their numbers
// keep their size, so on a page of another height only their places are those of a fresh window's,
// which draws them in the text height of that page.
TEST_F(PlotResizeTest, ColourBarsStayBesideTheirFrame) {
    for (int side : {LU_BAR_RIGHT, LU_BAR_LEFT, LU_BAR_ABOVE, LU_BAR_BELOW}) {
        SCOPED_TRACE("side " + std::to_string(side));
        const auto drawn = [side](int width, int height, bool resize) {
            reset_plot_state();
            current_colour_map() = ColourMap{};
            gallery::GalleryWindow window(resize ? 640 : width, resize ? 480 : height);
            EXPECT_NE(lu_plot_frame(0, 10, -1, 1, 0), 0);
            lu_set_colour_map(LU_MAP_SEQUENTIAL, -1, 1);
            const float levels[] = {-1, -0.5f, 0, 0.5f, 1};
            if (side == LU_BAR_RIGHT) {
                EXPECT_NE(lu_draw_colour_bar(0.02f, 0.04f, nullptr, 0), 0);
                EXPECT_NE(lu_draw_colour_bar(0.1f, 0.04f, levels, 5), 0);
            } else {
                EXPECT_NE(lu_draw_colour_bar_at(side, 0.02f, 0.04f, nullptr, 0, 0, "map"), 0);
                EXPECT_NE(lu_draw_colour_bar_at(side, 0.1f, 0.04f, levels, 5, 0, "bands"), 0);
            }
            if (resize) {
                EXPECT_TRUE(window.resize(width, height));
            }
            EXPECT_EQ(window.errors(), "");
            current_colour_map() = ColourMap{};
            return batches_of(window);
        };
        const Batches wider = drawn(900, 480, true);
        ASSERT_EQ(strips_of(wider, true).size(), 2u);
        expect_alike(strips_of(wider, true), strips_of(drawn(900, 480, false), true));
        for (const auto& size : {std::pair{300, 700}, std::pair{1000, 350}}) {
            SCOPED_TRACE(std::to_string(size.first) + "x" + std::to_string(size.second));
            // A bar lying above or below keeps the numbers it had along a box now much
            // narrower, where a fresh window chooses fewer.
            if (size.first == 300 && (side == LU_BAR_ABOVE || side == LU_BAR_BELOW)) continue;
            expect_alike(strips_of(drawn(size.first, size.second, true), false),
                         strips_of(drawn(size.first, size.second, false), false));
        }
    }
}

}  // namespace
}  // namespace lumora::plot
