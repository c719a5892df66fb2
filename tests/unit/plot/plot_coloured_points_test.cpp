// Points each in its own colour and size: colours from the colour map on both roads,
// points outside the box or of no size left out, many points in a few commands, and sizes
// that follow the frame's text when the window is resized.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/colour_maps.h"
#include "client/plot/plot_state.h"
#include "plotcore/items.h"
#include "tests/gallery/gallery_window.h"
#include "tests/unit/plot/plot_items_drawn.h"

namespace lumora::plot {
namespace {

class ColouredPointsTest : public ::testing::TestWithParam<bool> {
  protected:
    ColouredPointsTest() : window_(640, 480, 96, GetParam()) { start(); }
    ~ColouredPointsTest() override { start(); }
    static void start() {
        reset_plot_state();
        current_colour_map() = {};
    }
    std::vector<luwnd::DrawItem> markers() {
        std::vector<luwnd::DrawItem> out;
        for (const luwnd::DrawItem& item : items_drawn(window_.picture()))
            if (item.kind == luwnd::ItemKind::kMarker) out.push_back(item);
        return out;
    }
    gallery::GalleryWindow window_;
};

TEST_P(ColouredPointsTest, EachPointTakesTheColourOfItsValue) {
    ASSERT_NE(lu_plot_frame(0, 10, 0, 10, 0), 0);
    ASSERT_EQ(lu_set_colour_map(LU_MAP_GREY, 0, 1), 1);
    const float x[] = {1, 2, 11, 3, 4, 5}, y[] = {1, 2, 5, 4, 4, 5};
    const float values[] = {0, 1, 0.5f, NAN, 2, 0.5f};
    const float sizes[] = {1, 2, 1, 0.5f, 1, 0};
    ASSERT_EQ(lu_plot_points_coloured(6, x, y, values, sizes, 13), window_.number());
    const std::vector<luwnd::DrawItem> drawn = markers();
    // Outside the box (x = 11) and of size 0 are left out; above the range: the last colour.
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0].rgb, 0x000000u);
    EXPECT_EQ(drawn[1].rgb, 0xFFFFFFu);
    EXPECT_EQ(drawn[2].rgb, 0xFF0000u) << "NaN in the grey map";
    EXPECT_EQ(drawn[3].rgb, 0xFFFFFFu);
    EXPECT_LT(drawn[0].coords[0], drawn[1].coords[0]);
    EXPECT_GT(drawn[0].coords[1], drawn[1].coords[1]) << "y grows upward";
    // Without sizes every point is drawn; the double form draws the same points.
    const double dx[] = {1, 2}, dy[] = {1, 2}, dv[] = {0, 1};
    ASSERT_EQ(lu_plot_points_coloured_d(2, dx, dy, dv, nullptr, 3), window_.number());
    const std::vector<luwnd::DrawItem> more = markers();
    ASSERT_EQ(more.size(), 6u);
    EXPECT_EQ(more[4].coords, drawn[0].coords);
    EXPECT_EQ(more[5].rgb, 0xFFFFFFu);
}

TEST_P(ColouredPointsTest, CallsThatCannotDrawAreRefusedWithTheirCause) {
    const float x[] = {1}, y[] = {1}, v[] = {0};
    EXPECT_EQ(lu_plot_points_coloured(1, x, y, v, nullptr, 3), 0) << "no frame";
    ASSERT_NE(lu_plot_frame(0, 10, 0, 10, 0), 0);
    EXPECT_EQ(lu_plot_points_coloured(1, x, y, nullptr, nullptr, 3), 0);
    EXPECT_EQ(lu_plot_points_coloured(0, x, y, v, nullptr, 3), 0);
    EXPECT_EQ(lu_plot_points_coloured(1, x, y, v, nullptr, 7), 0);
    EXPECT_TRUE(markers().empty());
    const std::string errors = window_.errors();
    for (const char* cause : {"lu_plot_points_coloured: window 1 has no frame",
                              "lu_plot_points_coloured: an array of values is a null pointer",
                              "n = 0: there are no points to draw", "marker 7 is not a marker"})
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << " in " << errors;
    int result = -1;
    const int n = 1, marker = 3;
    lu_plot_points_coloured_(&result, &n, x, y, v, nullptr, &marker);
    EXPECT_EQ(result, window_.number());
}

INSTANTIATE_TEST_SUITE_P(Roads, ColouredPointsTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& road) {
                             return road.param ? "Batches" : "DrawingOperations";
                         });

// The coloured markers of the window's batches.
std::vector<plotcore::Item> coloured_items(gallery::GalleryWindow& window) {
    return batch_items_of(window.picture(), plotcore::ItemKind::kColouredMarkers);
}

TEST(ColouredPoints, AHundredThousandPointsTakeAFewCommandsAndFollowAResize) {
    reset_plot_state();
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 0), 0);
    ASSERT_EQ(lu_set_colour_map(LU_MAP_VIRIDIS, 0, 1), 1);
    constexpr int kPoints = 100000;
    std::vector<float> x(kPoints), y(kPoints), v(kPoints), s(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        x[i] = static_cast<float>(i) / kPoints;
        y[i] = 0.5f + 0.4f * std::sin(static_cast<float>(i) * 0.001f);
        v[i] = y[i];
        s[i] = 0.5f + static_cast<float>(i % 3) * 0.5f;
    }
    const std::size_t before = window.commands();
    ASSERT_EQ(lu_plot_points_coloured(kPoints, x.data(), y.data(), v.data(), s.data(), 13),
              window.number());
    EXPECT_LE(window.commands() - before, 4u);
    std::size_t points = 0;
    std::vector<float> sizes;
    for (const plotcore::Item& item : coloured_items(window)) {
        points += item.points.size();
        sizes.insert(sizes.end(), item.sizes.begin(), item.sizes.end());
    }
    ASSERT_EQ(points, static_cast<std::size_t>(kPoints));
    EXPECT_NEAR(sizes[1] / sizes[0], 2.0f, 1e-4f);
    // 640 x 480 has 18-pixel text; 320 x 240 has 10: the markers shrink with it.
    ASSERT_TRUE(window.resize(320, 240));
    std::vector<float> resized;
    for (const plotcore::Item& item : coloured_items(window))
        resized.insert(resized.end(), item.sizes.begin(), item.sizes.end());
    ASSERT_EQ(resized.size(), sizes.size());
    EXPECT_NEAR(resized[0], sizes[0] * 10.0f / 18.0f, 0.01f);
    EXPECT_NEAR(resized[2], sizes[2] * 10.0f / 18.0f, 0.01f);
    reset_plot_state();
}

}  // namespace
}  // namespace lumora::plot
