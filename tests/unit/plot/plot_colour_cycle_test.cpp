// A window's own colour cycle: pie slices, bar series, the next colour and the colour of
// an index take its colours in turn, the default comes back with none, and wrong cycles are
// refused with their cause.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "tests/gallery/gallery_window.h"
#include "tests/unit/plot/plot_items_drawn.h"

namespace lumora::plot {
namespace {

class PlotColourCycleTest : public ::testing::Test {
  protected:
    PlotColourCycleTest() : window_(640, 480) { reset_plot_state(); }
    ~PlotColourCycleTest() override { reset_plot_state(); }

    // The fill colours of the filled polygons drawn, in order.
    std::vector<std::uint32_t> fills() {
        std::vector<std::uint32_t> out;
        for (const plotcore::Item& p :
             batch_items_of(window_.picture(), plotcore::ItemKind::kPolygon))
            if (p.filled) out.push_back(p.fill_rgb);
        return out;
    }
    bool told(const std::string& cause) const {
        return window_.errors().find(cause) != std::string::npos;
    }
    gallery::GalleryWindow window_;
};

TEST_F(PlotColourCycleTest, SlicesAndSeriesTakeTheWindowsColoursInTurn) {
    const int cycle[] = {lu_make_rgb_colour(255, 0, 0), lu_make_rgb_colour(0, 200, 0)};
    ASSERT_EQ(lu_plot_colour_cycle(2, cycle), window_.number());
    const float shares[] = {1, 1, 1};
    ASSERT_NE(lu_plot_pie(3, shares), 0);
    EXPECT_EQ(fills(), (std::vector<std::uint32_t>{0xFF0000, 0x00C800, 0xFF0000}));
    EXPECT_EQ(lu_plot_colour(1), cycle[1]);
    EXPECT_EQ(lu_plot_colour(-1), cycle[1]) << "taken modulo the length";
    ASSERT_NE(lu_plot_frame(0, 4, 0, 4, 0), 0);
    EXPECT_EQ(lu_plot_next_colour(), cycle[0]);
    EXPECT_EQ(lu_plot_next_colour(), cycle[1]);
    EXPECT_EQ(lu_plot_next_colour(), cycle[0]);
}

TEST_F(PlotColourCycleTest, NoColoursBringBackTheDefaultAndWrongCyclesChangeNothing) {
    const int defaults[] = {lu_plot_colour(0), lu_plot_colour(1)};
    const int red = lu_make_rgb_colour(255, 0, 0);
    ASSERT_EQ(lu_plot_colour_cycle(1, &red), window_.number());
    EXPECT_EQ(lu_plot_colour(5), red);
    EXPECT_EQ(lu_plot_colour_cycle(65, &red), 0);
    EXPECT_TRUE(told("n = 65: a cycle has 1 ... 64 colours (0: the default)"));
    EXPECT_EQ(lu_plot_colour_cycle(1, nullptr), 0);
    EXPECT_TRUE(told("the array of colours is a null pointer"));
    const int none = -1;
    EXPECT_EQ(lu_plot_colour_cycle(1, &none), 0);
    EXPECT_TRUE(told("-1 is no colour value"));
    EXPECT_EQ(lu_plot_colour(0), red) << "the refused calls changed nothing";
    ASSERT_EQ(lu_plot_colour_cycle(0, nullptr), window_.number());
    EXPECT_EQ(lu_plot_colour(0), defaults[0]);
    EXPECT_EQ(lu_plot_colour(1), defaults[1]);
}

}  // namespace
}  // namespace lumora::plot
