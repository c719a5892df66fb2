// Frame styles through the public interface: the colours given reach every part of the
// frames made afterwards, survive a resize (the window process lays the frame out again
// from what the batch carries), and named styles set the grid; wrong values are refused.
#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <set>
#include <string>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "plotcore/items.h"
#include "tests/gallery/gallery_window.h"

namespace lumora::plot {
namespace {

struct Colours {
    std::set<std::uint32_t> texts, lines;
    std::set<plotcore::Dash> dashes;
};

// Visits every item of the window's batches.
template <typename Visit>
void each_item(gallery::GalleryWindow& window, Visit visit) {
    for (const auto& op : window.picture().items) {
        if (op.item.kind != luwnd::ItemKind::kBatch) continue;
        for (const plotcore::Item& item : *op.item.batch) visit(item);
    }
}

Colours colours_of(gallery::GalleryWindow& window) {
    Colours c;
    each_item(window, [&](const plotcore::Item& item) {
        if (item.kind == plotcore::ItemKind::kText) c.texts.insert(item.text.rgb);
        if (item.kind == plotcore::ItemKind::kSegments ||
            item.kind == plotcore::ItemKind::kPolyline) {
            c.lines.insert(item.stroke.rgb);
            c.dashes.insert(item.stroke.dash);
        }
    });
    return c;
}

// The colour each text was last drawn in.
std::map<std::string, std::uint32_t> text_colours(gallery::GalleryWindow& window) {
    std::map<std::string, std::uint32_t> colours;
    each_item(window, [&](const plotcore::Item& item) {
        if (item.kind == plotcore::ItemKind::kText) colours[item.text.bytes] = item.text.rgb;
    });
    return colours;
}

class PlotStyleTest : public ::testing::Test {
  protected:
    PlotStyleTest() { reset_plot_state(); }
    ~PlotStyleTest() override { reset_plot_state(); }
};

// Colour values of the RGB form, and the colours the window process resolves them to.
constexpr int rgb_value(int r, int g, int b) {
    return 0x02000000 | r | g << 8 | b << 16;
}
constexpr std::uint32_t resolved(int value) {
    return static_cast<std::uint32_t>((value & 0xFF) << 16 | (value & 0xFF00) |
                                      (value >> 16 & 0xFF));
}
const int kRed = rgb_value(200, 0, 0), kBlue = rgb_value(0, 0, 200), kGreen = rgb_value(0, 150, 0),
          kDark = rgb_value(50, 50, 50), kPale = rgb_value(190, 190, 190);

TEST_F(PlotStyleTest, TheColoursGivenReachEveryPartAndSurviveAResize) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_EQ(lu_plot_set_colours(kRed, kBlue, kGreen, kDark, kPale), window.number());
    ASSERT_NE(lu_plot_frame(0, 10, -1, 1, LU_PLOT_GRID | LU_PLOT_AXES), 0);
    ASSERT_NE(lu_plot_labels("x", "y", "title"), 0);
    const std::set<std::uint32_t> texts = {resolved(kBlue), resolved(kGreen), resolved(kDark)};
    const std::set<std::uint32_t> lines = {resolved(kRed), resolved(kPale)};
    Colours drawn = colours_of(window);
    EXPECT_EQ(drawn.texts, texts);
    EXPECT_EQ(drawn.lines, lines);
    ASSERT_TRUE(window.resize(800, 300));
    drawn = colours_of(window);
    EXPECT_EQ(drawn.texts, texts) << "laid out again in its colours";
    EXPECT_EQ(drawn.lines, lines);
    EXPECT_EQ(window.errors(), "");
}

TEST_F(PlotStyleTest, NamedStylesSetTheGridAndTheClassicOneIsTheDefault) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 10, -1, 1, LU_PLOT_GRID), 0);
    const Colours classic = colours_of(window);
    EXPECT_EQ(classic.dashes, std::set<plotcore::Dash>{plotcore::Dash::kSolid});
    lu_send_command_b4();
    ASSERT_EQ(lu_plot_style(LU_PLOT_STYLE_TECHNICAL), window.number());
    ASSERT_NE(lu_plot_frame(0, 10, -1, 1, LU_PLOT_GRID), 0);
    const Colours technical = colours_of(window);
    EXPECT_TRUE(technical.dashes.contains(plotcore::Dash::kDash)) << "the grid at ticks";
    EXPECT_TRUE(technical.dashes.contains(plotcore::Dash::kDot)) << "the grid at subticks";
    lu_send_command_b4();
    ASSERT_EQ(lu_plot_style(LU_PLOT_STYLE_CLASSIC), window.number());
    ASSERT_NE(lu_plot_frame(0, 10, -1, 1, LU_PLOT_GRID), 0);
    EXPECT_EQ(colours_of(window).lines, classic.lines);
    ASSERT_EQ(lu_plot_set_grid(5, 0), window.number());
    lu_send_command_b4();
    ASSERT_NE(lu_plot_frame(0, 10, -1, 1, LU_PLOT_GRID), 0);
    EXPECT_EQ(colours_of(window).lines, std::set<std::uint32_t>{0}) << "pen style 5: no grid";
}

TEST_F(PlotStyleTest, PolarFramesPiesAndLegendsTakeTheStyleToo) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_EQ(lu_plot_set_colours(kRed, kBlue, kGreen, kDark, kPale), window.number());
    ASSERT_NE(lu_plot_polar_frame(1.0f), 0);
    Colours drawn = colours_of(window);
    EXPECT_EQ(drawn.texts, std::set<std::uint32_t>{resolved(kBlue)}) << "the numbers";
    EXPECT_EQ(drawn.lines, (std::set<std::uint32_t>{resolved(kRed), resolved(kPale)}))
        << "the outer ring and the grid";
    lu_send_command_b4();
    const float values[] = {1, 2};
    ASSERT_NE(lu_plot_pie_labelled(2, values, 0, 0, "a|b"), 0);
    ASSERT_NE(lu_plot_legend_entry("c", kRed, 0, 0), 0);
    ASSERT_NE(lu_plot_legend(1), 0);
    drawn = colours_of(window);
    EXPECT_EQ(drawn.texts, std::set<std::uint32_t>{resolved(kGreen)}) << "slice and legend texts";
    EXPECT_TRUE(drawn.lines.contains(resolved(kRed))) << "slice outlines and the legend's box";
    EXPECT_FALSE(drawn.lines.contains(0u)) << "nothing left black";
    EXPECT_EQ(window.errors(), "");
}

// Each label in a colour of its own, the others in the frame's; a resize keeps them, and
// -1 everywhere brings the frame's colours back.
TEST_F(PlotStyleTest, EachLabelTakesItsOwnColourAndKeepsItThroughAResize) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_EQ(lu_plot_set_colours(-1, kBlue, kGreen, kDark, -1), window.number());
    int result = 0;
    const int x_label = kRed, y_label = -1, title = kPale;
    ASSERT_EQ(lu_plot_label_colours_(&result, &x_label, &y_label, &title), window.number());
    EXPECT_EQ(result, window.number());
    ASSERT_NE(lu_plot_frame(0, 10, -1, 1, 0), 0);
    ASSERT_NE(lu_plot_labels("xl", "yl", "tt"), 0);
    for (const char* when : {"drawn", "laid out again"}) {
        std::map<std::string, std::uint32_t> drawn = text_colours(window);
        EXPECT_EQ(drawn["xl"], resolved(kRed)) << when;
        EXPECT_EQ(drawn["yl"], resolved(kGreen)) << when << ": the frame's label colour";
        EXPECT_EQ(drawn["tt"], resolved(kPale)) << when;
        EXPECT_EQ(drawn["10"], resolved(kBlue)) << when << ": the numbers as they were";
        ASSERT_TRUE(window.resize(800, 300));
    }
    lu_send_command_b4();
    ASSERT_EQ(lu_plot_label_colours(-1, -1, -1), window.number());
    ASSERT_NE(lu_plot_frame(0, 10, -1, 1, 0), 0);
    ASSERT_NE(lu_plot_labels("xl", "yl", "tt"), 0);
    std::map<std::string, std::uint32_t> drawn = text_colours(window);
    EXPECT_EQ(drawn["xl"], resolved(kGreen));
    EXPECT_EQ(drawn["yl"], resolved(kGreen));
    EXPECT_EQ(drawn["tt"], resolved(kDark));
    EXPECT_EQ(window.errors(), "");
}

// Straight lines and rings (lines of many points) drawn in each colour, and the texts.
struct Strokes {
    std::map<std::uint32_t, int> lines, rings;
    std::set<std::string> texts;
};

Strokes strokes_of(gallery::GalleryWindow& window) {
    Strokes s;
    each_item(window, [&](const plotcore::Item& item) {
        const int points = static_cast<int>(item.points.size());
        if (item.kind == plotcore::ItemKind::kSegments) s.lines[item.stroke.rgb] += points / 2;
        if (item.kind == plotcore::ItemKind::kPolyline)
            ++(points > 2 ? s.rings : s.lines)[item.stroke.rgb];
        if (item.kind == plotcore::ItemKind::kText) s.texts.insert(item.text.bytes);
    });
    return s;
}

// Rings every 0.1 in one colour, spokes every 45 degrees in another, numbered where they
// fit; the default brings back the frame's own grid exactly.
TEST_F(PlotStyleTest, APolarGridTakesItsStepsAndColours) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_EQ(lu_plot_set_colours(kRed, kBlue, -1, -1, -1), window.number());
    ASSERT_NE(lu_plot_polar_frame(1.0f), 0);
    const Strokes plain = strokes_of(window);
    lu_send_command_b4();
    int result = 0;
    const float ring_step = 0.1f;
    const int spoke_step = 45, rings = kGreen, spokes = kPale;
    ASSERT_EQ(lu_plot_polar_grid_(&result, &ring_step, &spoke_step, &rings, &spokes),
              window.number());
    EXPECT_EQ(result, window.number());
    ASSERT_NE(lu_plot_polar_frame(1.0f), 0);
    const Strokes grid = strokes_of(window);
    EXPECT_EQ(grid.rings.at(resolved(kGreen)), 9) << "0.1 ... 0.9 inside the outer ring";
    EXPECT_EQ(grid.rings.at(resolved(kRed)), 1) << "the outer ring in the box's colour";
    EXPECT_EQ(grid.lines.at(resolved(kPale)), 8);
    for (const char* number : {"45", "315", "0.5", "1.0"})
        EXPECT_TRUE(grid.texts.contains(number)) << number;
    EXPECT_FALSE(grid.texts.contains("0.1")) << "numbered only as often as the numbers fit";
    lu_send_command_b4();
    ASSERT_EQ(lu_plot_polar_grid(0, 0, -1, -1), window.number());
    ASSERT_NE(lu_plot_polar_frame(1.0f), 0);
    const Strokes again = strokes_of(window);
    EXPECT_EQ(again.lines, plain.lines);
    EXPECT_EQ(again.rings, plain.rings);
    EXPECT_EQ(again.texts, plain.texts);
    EXPECT_TRUE(plain.texts.contains("330"));
    EXPECT_EQ(window.errors(), "");
}

// The item of each kind drawn last in a colour, counted in drawing order.
std::map<std::uint32_t, std::size_t> last_drawn(gallery::GalleryWindow& window) {
    std::map<std::uint32_t, std::size_t> last;
    std::size_t n = 0;
    each_item(window, [&](const plotcore::Item& item) {
        ++n;
        if (item.kind == plotcore::ItemKind::kSegments ||
            item.kind == plotcore::ItemKind::kPolyline)
            last[item.stroke.rgb] = n;
    });
    return last;
}

// The spokes go over the rings and the outer circle when asked, the radius numbers can be
// left out, and the grid's own settings leave both options alone.
TEST_F(PlotStyleTest, PolarOptionsOrderTheSpokesAndDropTheRadiusNumbers) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_EQ(lu_plot_set_colours(kRed, -1, -1, -1, -1), window.number());
    ASSERT_EQ(lu_plot_polar_grid(0.1f, 0, kGreen, kBlue), window.number());
    ASSERT_NE(lu_plot_polar_frame(1.0f), 0);
    std::map<std::uint32_t, std::size_t> order = last_drawn(window);
    EXPECT_LT(order.at(resolved(kBlue)), order.at(resolved(kGreen))) << "spokes under rings";
    EXPECT_TRUE(strokes_of(window).texts.contains("0.5"));
    lu_send_command_b4();
    int result = 0;
    const int options = LU_POLAR_SPOKES_OVER_RINGS | LU_POLAR_NO_RADIUS_NUMBERS;
    ASSERT_EQ(lu_plot_polar_options_(&result, &options), window.number());
    EXPECT_EQ(result, window.number());
    ASSERT_EQ(lu_plot_polar_grid(0.1f, 0, kGreen, kBlue), window.number());
    ASSERT_NE(lu_plot_polar_frame(1.0f), 0);
    order = last_drawn(window);
    EXPECT_GT(order.at(resolved(kBlue)), order.at(resolved(kRed))) << "over the outer circle";
    const Strokes s = strokes_of(window);
    EXPECT_EQ(s.lines.at(resolved(kBlue)), 12);
    for (const char* gone : {"0.5", "1.0"}) EXPECT_FALSE(s.texts.contains(gone)) << gone;
    EXPECT_TRUE(s.texts.contains("330")) << "the spokes keep their numbers";
    EXPECT_EQ(lu_plot_polar_options(4), 0);
    EXPECT_EQ(lu_plot_polar_options(-1), 0);
    EXPECT_EQ(plot_state(window.number()).polar_grid.options, options) << "nothing changed";
    EXPECT_NE(window.errors().find("lu_plot_polar_options: the options 4 are no sum"),
              std::string::npos)
        << window.errors();
}

// A ring step too small for its radius leaves the inner rings out; the numbers stay.
TEST_F(PlotStyleTest, TooManyRingsAreLeftOut) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_EQ(lu_plot_polar_grid(1e-6f, 0, kGreen, -1), window.number());
    ASSERT_NE(lu_plot_polar_frame(1.0f), 0);
    const Strokes grid = strokes_of(window);
    EXPECT_FALSE(grid.rings.contains(resolved(kGreen)));
    EXPECT_TRUE(grid.texts.contains("0.5"));
    EXPECT_EQ(window.errors(), "");
}

TEST_F(PlotStyleTest, WrongValuesAreRefusedWithTheirCause) {
    EXPECT_EQ(lu_plot_style(0), 0) << "no window";
    gallery::GalleryWindow window(320, 240);
    EXPECT_EQ(lu_plot_set_colours(-2, -1, -1, -1, -1), 0);
    EXPECT_EQ(lu_plot_set_colours(-1, 0x03000000, -1, -1, -1), 0);
    EXPECT_EQ(lu_plot_set_colours(-1, -1, 36, -1, -1), 0);
    EXPECT_EQ(lu_plot_set_grid(10, 0), 0);
    EXPECT_EQ(lu_plot_set_grid(0, 2), 0);
    EXPECT_EQ(lu_plot_style(3), 0);
    ASSERT_EQ(lu_plot_label_colours(kRed, -1, -1), window.number());
    EXPECT_EQ(lu_plot_label_colours(-1, -2, -1), 0);
    EXPECT_EQ(lu_plot_label_colours(-1, -1, 0x03000000), 0);
    EXPECT_EQ(lu_plot_label_colours(36, -1, -1), 0);
    EXPECT_EQ(plot_state(window.number()).label_colours.x, kRed);
    ASSERT_EQ(lu_plot_label_colours(-1, -1, -1), window.number());
    EXPECT_EQ(lu_plot_polar_grid(-0.1f, 0, -1, -1), 0);
    EXPECT_EQ(lu_plot_polar_grid(std::numeric_limits<float>::infinity(), 0, -1, -1), 0);
    EXPECT_EQ(lu_plot_polar_grid(0, 361, -1, -1), 0);
    EXPECT_EQ(lu_plot_polar_grid(0, -30, -1, -1), 0);
    EXPECT_EQ(lu_plot_polar_grid(0, 0, -1, 36), 0);
    EXPECT_EQ(plot_state(window.number()).polar_grid.spoke_step, 30) << "nothing changed";
    const std::string errors = window.errors();
    for (const char* cause :
         {"lu_plot_set_colours: -2 is no colour value", "lu_plot_set_grid: the line style 10",
          "lu_plot_style: there is no style 3", "lu_plot_label_colours: -2 is no colour value",
          "lu_plot_polar_grid: the ring step -0.1 is not 0",
          "lu_plot_polar_grid: the spoke step 361", "lu_plot_polar_grid: 36 is no colour value"})
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << " in " << errors;
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 0), 0);
    EXPECT_EQ(colours_of(window).lines, std::set<std::uint32_t>{0})
        << "nothing refused changed the style";
}

}  // namespace
}  // namespace lumora::plot
