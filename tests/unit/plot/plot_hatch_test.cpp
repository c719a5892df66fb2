// Hatched fills through the public interface: bars, pie slices, legend swatches and
// polygons carry their patterns to the window process, which keeps their angle and spacing
// in pixels on a resize; a window without plot batches draws the same lines; refusals
// change nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "tests/gallery/gallery_window.h"
#include "tests/unit/plot/plot_items_drawn.h"

namespace lumora::plot {
namespace {

constexpr float kDegree = std::numbers::pi_v<float> / 180;
const float kValues[] = {3, 5, 2, 4};
const int kPatterns[] = {LU_HATCH_HORIZONTAL, LU_HATCH_UP_45, LU_HATCH_CROSSED,
                         LU_HATCH_CROSSED_45};

// A frame for the bars and the polygon, drawn before the scene so that a window without
// batches can be erased of it.
void frame() {
    ASSERT_NE(lu_plot_subpages(2, 1), 0);
    ASSERT_NE(lu_plot_frame(0, 5, 0, 6, 0), 0);
}

// Hatched bars (lines of their own), a hatched polygon, then a pie with patterns in turn
// and a legend of hatched swatches.
void scene() {
    const float angles[] = {20, 110}, spacings[] = {6, 11};
    ASSERT_NE(lu_plot_hatch_lines(2, angles, spacings), 0);
    ASSERT_NE(lu_plot_bars(4, 1, kValues, 0), 0);
    const float x[] = {0.5f, 4.5f, 2.5f}, y[] = {5.5f, 5.5f, 3};
    ASSERT_NE(lu_plot_fill(3, x, y), 0);
    ASSERT_NE(lu_plot_hatch_cycle(4, kPatterns), 0);
    ASSERT_NE(lu_plot_pie(4, kValues), 0);
    for (int k = 0; k < 4; ++k) ASSERT_NE(lu_plot_legend_swatch("slice", k + 1), 0);
    ASSERT_NE(lu_plot_legend_at(LU_PLOT_LEGEND_LEFT | LU_PLOT_LEGEND_BOTTOM, 0, 0, 2, -1), 0);
}

std::vector<plotcore::Item> hatches_of(gallery::GalleryWindow& window) {
    return batch_items_of(window.picture(), plotcore::ItemKind::kHatch);
}

class PlotHatchTest : public ::testing::Test {
  protected:
    PlotHatchTest() { reset_plot_state(); }
    ~PlotHatchTest() override { reset_plot_state(); }
};

TEST_F(PlotHatchTest, FillsCarryTheirPatternsGrownWithTheResolution) {
    for (int dpi : {96, 192}) {
        reset_plot_state();
        gallery::GalleryWindow window(640, 480, dpi);
        frame();
        scene();
        EXPECT_EQ(window.errors(), "");
        const std::vector<plotcore::Item> h = hatches_of(window);
        ASSERT_EQ(h.size(), 4u + 1 + 4 + 4) << "bars, the polygon, slices, swatches";
        const float scale = float(dpi) / 96;
        const plotcore::Hatch own = {{20 * kDegree, 6 * scale}, {110 * kDegree, 11 * scale}};
        for (std::size_t i = 0; i < 5; ++i) {
            ASSERT_EQ(h[i].hatch.size(), 2u) << i;
            for (std::size_t s = 0; s < 2; ++s) {
                EXPECT_NEAR(h[i].hatch[s].angle, own[s].angle, 1e-6) << i;
                EXPECT_FLOAT_EQ(h[i].hatch[s].spacing, own[s].spacing) << i;
            }
            EXPECT_FLOAT_EQ(h[i].stroke.width, scale);
        }
        // Slice k and swatch k take pattern k of the cycle.
        for (std::size_t k = 0; k < 4; ++k) {
            const plotcore::Hatch want = plotcore::hatch_pattern(kPatterns[k], 8 * scale);
            EXPECT_EQ(h[5 + k].hatch, want) << "slice " << k;
            EXPECT_EQ(h[9 + k].hatch, want) << "swatch " << k;
        }
    }
}

TEST_F(PlotHatchTest, AResizeKeepsAngleAndSpacingAndLaysTheShapesOut) {
    const auto drawn_at = [](int width, int height, bool resize) {
        reset_plot_state();
        gallery::GalleryWindow window(resize ? 640 : width, resize ? 480 : height);
        frame();
        scene();
        if (resize) {
            EXPECT_TRUE(window.resize(width, height));
        }
        EXPECT_EQ(window.errors(), "");
        return hatches_of(window);
    };
    const std::vector<plotcore::Item> before = drawn_at(640, 480, false);
    const std::vector<plotcore::Item> resized = drawn_at(900, 520, true);
    const std::vector<plotcore::Item> fresh = drawn_at(900, 520, false);
    ASSERT_EQ(resized.size(), before.size());
    ASSERT_EQ(fresh.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(resized[i].hatch, before[i].hatch) << i;
        EXPECT_EQ(resized[i].stroke.width, before[i].stroke.width) << i;
        EXPECT_NE(resized[i].points, before[i].points) << i << " stayed where it was";
        ASSERT_EQ(resized[i].points.size(), fresh[i].points.size()) << i;
        for (std::size_t p = 0; p < fresh[i].points.size(); ++p) {
            EXPECT_NEAR(resized[i].points[p].x, fresh[i].points[p].x, 0.01) << i << ":" << p;
            EXPECT_NEAR(resized[i].points[p].y, fresh[i].points[p].y, 0.01) << i << ":" << p;
        }
    }
}

// The lines each road draws: lu_draw_line's one by one, or a batch's hatch items.
std::vector<int> hatch_lines(const std::vector<luwnd::DrawItem>& items) {
    std::vector<int> out;
    for (const luwnd::DrawItem& item : items)
        if (item.kind == luwnd::ItemKind::kLine)
            out.insert(out.end(), item.coords.begin(), item.coords.begin() + 4);
    return out;
}

TEST_F(PlotHatchTest, BothRoadsDrawTheSameLines) {
    std::vector<int> roads[2];
    for (bool batches : {true, false}) {
        reset_plot_state();
        gallery::GalleryWindow window(640, 480, 96, batches);
        frame();
        lu_send_command_b4();  // erases the window: what follows draws no other lines
        scene();
        EXPECT_EQ(window.errors(), "") << batches;
        roads[batches ? 0 : 1] = hatch_lines(items_drawn(window.picture()));
    }
    ASSERT_GT(roads[0].size(), 4u * 200) << "too few lines";
    // The shapes' edges meet within a pixel (polygons' points are placed at the pixel's
    // centre in a batch, on whole pixels by the drawing operations), so that the lines'
    // ends, where a line at 20 or 30 degrees crosses an edge, meet within 3; a line that
    // grazes a corner may be there on one road only.
    for (int from : {0, 1}) {
        const std::vector<int>&a = roads[from], &b = roads[1 - from];
        std::size_t unmatched = 0;
        for (std::size_t i = 0; i + 3 < a.size(); i += 4) {
            bool found = false;
            for (std::size_t k = 0; k + 3 < b.size() && !found; k += 4) {
                found = true;
                for (std::size_t c = 0; c < 4; ++c)
                    found = found && std::abs(a[i + c] - b[k + c]) <= 3;
            }
            unmatched += found ? 0 : 1;
        }
        EXPECT_LE(unmatched, a.size() / 4 / 100)
            << "of " << a.size() / 4 << " lines, road " << from;
    }
}

TEST_F(PlotHatchTest, RefusalsSayWhyAndChangeNothing) {
    gallery::GalleryWindow window(640, 480);
    frame();
    ASSERT_NE(lu_plot_hatch(LU_HATCH_VERTICAL), 0);
    const float nan = std::nanf("");
    const float good[] = {30, 8}, bad_angle[] = {nan}, thin[] = {0.4f}, wide[] = {1001};
    const int nine[] = {1, 9};
    int result = -1;
    const int n = 1;
    EXPECT_EQ(lu_plot_hatch(9), 0);
    EXPECT_EQ(lu_plot_hatch(-1), 0);
    EXPECT_EQ(lu_plot_hatch_lines(3, good, good), 0);
    EXPECT_EQ(lu_plot_hatch_lines(1, bad_angle, good + 1), 0);
    EXPECT_EQ(lu_plot_hatch_lines(1, good, thin), 0);
    EXPECT_EQ(lu_plot_hatch_lines_(&result, &n, good, wide), 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(lu_plot_hatch_lines(1, nullptr, good), 0);
    EXPECT_EQ(lu_plot_hatch_cycle(0, nine), 0);
    EXPECT_EQ(lu_plot_hatch_cycle(2, nine), 0);
    EXPECT_EQ(lu_plot_fill(2, good, good), 0);
    const std::string errors = window.errors();
    for (const char* cause :
         {"lu_plot_hatch: pattern 9 is not 0 ... 8", "pattern -1 is not 0 ... 8",
          "a pattern has 1 or 2 sets of lines", "angle NaN is not a finite number",
          "spacing 0.4 is not within 0.5 ... 1000 pixels", "spacing 1001",
          "lu_plot_hatch_cycle: n = 0", "lu_plot_hatch_cycle: pattern 9",
          "lu_plot_fill: a polygon needs at least 3 points"})
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << " in " << errors;
    ASSERT_NE(lu_plot_bars(4, 1, kValues, 0), 0);
    const std::vector<plotcore::Item> h = hatches_of(window);
    ASSERT_EQ(h.size(), 4u);
    for (const plotcore::Item& item : h)
        EXPECT_EQ(item.hatch, plotcore::hatch_pattern(LU_HATCH_VERTICAL, 8)) << "as it was";
    ASSERT_NE(lu_plot_hatch(LU_HATCH_SOLID), 0);
    ASSERT_NE(lu_plot_bars(4, 1, kValues, 0), 0);
    EXPECT_EQ(hatches_of(window).size(), 4u) << "solid bars again";
}

}  // namespace
}  // namespace lumora::plot
