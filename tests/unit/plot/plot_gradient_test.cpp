// Gradient fills through the public interface: a polygon or the frame's box filled from
// one colour to another or along the colour map travels as one gradient item, keeps its
// axis on a resize, is drawn in bands a pixel wide where the window takes no batches,
// and refused arguments change nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/colour_maps.h"
#include "client/plot/plot_state.h"
#include "tests/gallery/gallery_window.h"
#include "tests/unit/plot/plot_items_drawn.h"

namespace lumora::plot {
namespace {

const int kRed = lu_make_rgb_colour(255, 0, 0), kBlue = lu_make_rgb_colour(0, 0, 255);
const float kX[] = {1, 9, 9, 1}, kY[] = {1, 1, 5, 5};

std::vector<plotcore::Item> gradients_of(gallery::GalleryWindow& window) {
    return batch_items_of(window.picture(), plotcore::ItemKind::kGradient);
}

// The axis's direction in degrees counterclockwise on the page.
double axis_degrees(const plotcore::Gradient& g) {
    return std::atan2(-(g.to.y - g.from.y), g.to.x - g.from.x) * 180 / std::numbers::pi;
}

class PlotGradientTest : public ::testing::Test {
  protected:
    PlotGradientTest() { reset_plot_state(); }
    ~PlotGradientTest() override {
        reset_plot_state();
        lu_set_colour_map(LU_MAP_SEQUENTIAL, 0, 1);
    }
};

TEST_F(PlotGradientTest, TwoColoursTravelAsOneItemAlongTheAngle) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 10, 0, 6, 0), 0);
    ASSERT_NE(lu_plot_gradient_opacity(1, 0.2f), 0);
    ASSERT_EQ(lu_plot_fill_gradient(4, kX, kY, 30, kRed, kBlue), window.number());
    const double xd[] = {2, 8, 5}, yd[] = {1, 1, 5};
    int result = 0, n = 3;
    double angle = -90;
    const int from = 3, to = kBlue;  // colour entry 3 as it is now
    ASSERT_NE(lu_plot_fill_gradient_d_(&result, &n, xd, yd, &angle, &from, &to), 0);
    EXPECT_EQ(result, window.number());
    EXPECT_EQ(window.errors(), "");
    const std::vector<plotcore::Item> g = gradients_of(window);
    ASSERT_EQ(g.size(), 2u);
    EXPECT_EQ(g[0].points.size(), 4u);
    EXPECT_EQ(g[0].gradient.stops,
              (std::vector<plotcore::GradientStop>{{0, 0xFF0000, 255}, {1, 0x0000FF, 51}}));
    EXPECT_NEAR(axis_degrees(g[0].gradient), 30, 0.01);
    EXPECT_NEAR(axis_degrees(g[1].gradient), -90, 0.01);
    int r = 0, gr = 0, b = 0;
    ASSERT_NE(lu_get_colour_entry(3, &r, &gr, &b), 0);
    EXPECT_EQ(g[1].gradient.stops[0].rgb, std::uint32_t(r << 16 | gr << 8 | b));
    // The first stop on the polygon's first corner that way, the last on its last:
    // pointing down, the triangle's apex and then its base.
    EXPECT_NEAR(g[1].gradient.from.y, g[1].points[2].y, 1e-3);
    EXPECT_NEAR(g[1].gradient.to.y, g[1].points[0].y, 1e-3);
}

TEST_F(PlotGradientTest, TheColourMapGivesEveryColourAtItsPlace) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 10, 0, 6, 0), 0);
    ASSERT_NE(lu_set_colour_map(-LU_MAP_VIRIDIS, 5, 7), 0);
    ASSERT_NE(lu_plot_fill_gradient_map(4, kX, kY, 0), 0);
    const std::vector<plotcore::Item> g = gradients_of(window);
    ASSERT_EQ(g.size(), 1u);
    const std::vector<plotcore::GradientStop>& stops = g[0].gradient.stops;
    ASSERT_EQ(stops.size(), std::size_t(kMapSteps));
    for (std::size_t i : {std::size_t(0), std::size_t(100), stops.size() - 1}) {
        const double t = double(i) / (kMapSteps - 1);
        EXPECT_FLOAT_EQ(stops[i].offset, float(t)) << i;
        EXPECT_EQ(stops[i].rgb, map_colour(-LU_MAP_VIRIDIS, t)) << i;
    }
    EXPECT_NE(stops.front().rgb, stops.back().rgb);
}

TEST_F(PlotGradientTest, TheBackgroundFillsTheBoxAndFollowsAResize) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 10, 0, 6, 0), 0);
    ASSERT_NE(lu_plot_background_gradient(90, kRed, kBlue), 0);
    std::vector<plotcore::Item> g = gradients_of(window);
    ASSERT_EQ(g.size(), 1u);
    float top = 1e9f, bottom = -1e9f;
    for (plotcore::PointF p : g[0].points) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    EXPECT_FLOAT_EQ(g[0].gradient.from.y, bottom) << "red at the bottom of the box";
    EXPECT_FLOAT_EQ(g[0].gradient.to.y, top);
    ASSERT_TRUE(window.resize(800, 300));
    g = gradients_of(window);
    ASSERT_EQ(g.size(), 1u);
    top = 1e9f, bottom = -1e9f;
    for (plotcore::PointF p : g[0].points) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    EXPECT_LT(bottom, 300.0f);
    EXPECT_NEAR(g[0].gradient.from.y, bottom, 0.01) << "the axis moves with the box";
    EXPECT_NEAR(g[0].gradient.to.y, top, 0.01);
}

TEST_F(PlotGradientTest, WithoutBatchesBandsAPixelWideGoFromColourToColour) {
    gallery::GalleryWindow window(640, 480, 96, false);
    ASSERT_NE(lu_plot_frame(0, 10, 0, 6, 0), 0);
    lu_send_command_b4();
    ASSERT_NE(lu_plot_fill_gradient(4, kX, kY, 0, kRed, kBlue), 0);
    EXPECT_EQ(window.errors(), "");
    std::vector<luwnd::DrawItem> bands;
    for (const luwnd::render::PaintItem& op : window.picture().items)
        if (op.item.kind == luwnd::ItemKind::kPolygon) bands.push_back(op.item);
    // The box is about 574 pixels across 0 ... 10, the polygon 8 of them.
    ASSERT_GT(bands.size(), 400u);
    ASSERT_LT(bands.size(), 520u);
    EXPECT_GE(bands.front().rgb >> 16 & 0xFF, 250u) << "red first";
    EXPECT_LE(bands.front().rgb & 0xFF, 5u);
    EXPECT_GE(bands.back().rgb & 0xFF, 250u) << "blue last";
    const std::uint32_t mid = bands[bands.size() / 2].rgb;
    EXPECT_NEAR(double(mid >> 16 & 0xFF), 128, 3);
    EXPECT_NEAR(double(mid & 0xFF), 128, 3);
    std::int32_t pen = 0;
    lu_get_pen(&pen, nullptr, nullptr, nullptr);
    EXPECT_NE(pen, int(bands.back().rgb)) << "the pen is put back";
}

TEST_F(PlotGradientTest, RefusalsSayWhyAndDrawNothing) {
    gallery::GalleryWindow window(640, 480);
    EXPECT_EQ(lu_plot_gradient_opacity(1.5f, 1), 0);
    ASSERT_NE(lu_plot_frame(0, 10, 0, 6, 0), 0);
    EXPECT_EQ(lu_plot_fill_gradient(2, kX, kY, 0, kRed, kBlue), 0);
    EXPECT_EQ(lu_plot_fill_gradient(4, nullptr, kY, 0, kRed, kBlue), 0);
    EXPECT_EQ(lu_plot_fill_gradient(4, kX, kY, std::nanf(""), kRed, kBlue), 0);
    EXPECT_EQ(lu_plot_fill_gradient(4, kX, kY, 0, 36, kBlue), 0);
    EXPECT_EQ(lu_plot_fill_gradient(4, kX, kY, 0, kRed, 0x01000005), 0);
    EXPECT_EQ(lu_plot_fill_gradient_map(-5, kX, kY, 0), 0);
    EXPECT_EQ(lu_plot_background_gradient(INFINITY, kRed, kBlue), 0);
    EXPECT_EQ(lu_plot_gradient_opacity(0.5f, std::nanf("")), 0);
    const std::string errors = window.errors();
    for (const char* cause :
         {"lu_plot_gradient_opacity: opacities 1.5 and 1 are not both within 0 ... 1",
          "lu_plot_fill_gradient: a polygon needs at least 3 points, not n = 2",
          "an array of values is a null pointer", "angle NaN is not a finite number",
          "colour 36 is neither an RGB colour value nor a colour entry 0 ... 35",
          "colour 16777221 is neither", "lu_plot_fill_gradient_map: a polygon needs",
          "lu_plot_background_gradient: angle infinity", "opacities 0.5 and NaN"})
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << " in " << errors;
    EXPECT_TRUE(gradients_of(window).empty());
    ASSERT_NE(lu_plot_fill_gradient(4, kX, kY, 0, kRed, kBlue), 0);
    ASSERT_EQ(gradients_of(window).size(), 1u);
    EXPECT_EQ(gradients_of(window)[0].gradient.stops[1].alpha, 255) << "the opacity as it was";
}

}  // namespace
}  // namespace lumora::plot
