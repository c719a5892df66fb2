// Twin axes through the public interface: the twin's numbers and label stand beside its
// edge, the data after it take its scale, the title keeps clear of a twin x axis, a
// resize lays the twin out again, and calls that cannot be drawn are refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "plotcore/items.h"
#include "tests/gallery/gallery_window.h"

namespace lumora::plot {
namespace {

struct Placed {
    std::string text;
    float x = 0, y = 0;  // page pixels, y downward
};

std::vector<Placed> texts_of(gallery::GalleryWindow& window) {
    std::vector<Placed> texts;
    for (const auto& op : window.picture().items) {
        if (op.item.kind != luwnd::ItemKind::kBatch) continue;
        for (const plotcore::Item& item : *op.item.batch) {
            if (item.kind == plotcore::ItemKind::kText)
                texts.push_back({item.text.bytes, item.points[0].x, item.points[0].y});
        }
    }
    return texts;
}

const Placed* find(const std::vector<Placed>& texts, const std::string& text) {
    const auto it =
        std::find_if(texts.begin(), texts.end(), [&](const Placed& p) { return p.text == text; });
    return it != texts.end() ? &*it : nullptr;
}

// The points of the last line drawn (two-point lines travel as segments).
std::vector<plotcore::PointF> last_line(gallery::GalleryWindow& window) {
    std::vector<plotcore::PointF> points;
    for (const auto& op : window.picture().items) {
        if (op.item.kind != luwnd::ItemKind::kBatch) continue;
        for (const plotcore::Item& item : *op.item.batch)
            if (item.kind == plotcore::ItemKind::kPolyline ||
                item.kind == plotcore::ItemKind::kSegments)
                points = item.points;
    }
    return points;
}

class PlotTwinTest : public ::testing::Test {
  protected:
    PlotTwinTest() { reset_plot_state(); }
    ~PlotTwinTest() override { reset_plot_state(); }
};

TEST_F(PlotTwinTest, ATwinYAxisNumbersTheRightEdgeAndScalesTheDataAfterIt) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 10, -1, 1, LU_PLOT_ROOM_TWIN_Y), 0);
    const float x[] = {0, 10}, level[] = {0.5f, 0.5f}, twin_level[] = {75, 75};
    ASSERT_NE(lu_plot_line(2, x, level), 0);
    const float before = last_line(window).at(0).y;
    ASSERT_EQ(lu_plot_set_number_format(LU_PLOT_TWIN_NUMBERS, "%g%%"), window.number());
    ASSERT_EQ(lu_plot_twin_y(0, 100, 0, "share"), window.number());
    ASSERT_NE(lu_plot_line(2, x, twin_level), 0);
    EXPECT_NEAR(last_line(window).at(0).y, before, 0.01) << "75 of 0 ... 100 is 0.5 of -1 ... 1";
    const Frame& f = plot_state(window.number()).frame;
    const std::vector<Placed> texts = texts_of(window);
    const Placed* top = find(texts, "100%");
    const Placed* label = find(texts, "share");
    ASSERT_NE(top, nullptr);
    ASSERT_NE(label, nullptr);
    EXPECT_GT(top->x, f.box.x1) << "right of the box";
    EXPECT_GT(label->x, top->x) << "the label beyond the numbers";
    EXPECT_LT(label->x, 640);
    EXPECT_NE(find(texts, "-1.0"), nullptr) << "the frame's own numbers stay on the left";
    ASSERT_TRUE(window.resize(900, 400));
    const std::vector<Placed> again = texts_of(window);
    ASSERT_NE(find(again, "100%"), nullptr) << "laid out again with its format";
    EXPECT_GT(find(again, "share")->x, 640) << "beside the wider box";
    EXPECT_EQ(window.errors(), "");
}

TEST_F(PlotTwinTest, ATwinXAxisStandsBetweenTheBoxAndTheTitleInEitherOrder) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, LU_PLOT_ROOM_TWIN_X), 0);
    ASSERT_NE(lu_plot_labels("time", "", "title"), 0);
    ASSERT_EQ(lu_plot_twin_x(1, 1000, LU_PLOT_LOG_X, "frequency"), window.number());
    const std::vector<Placed> texts = texts_of(window);
    const Placed* title = find(texts, "title");
    const Placed* label = find(texts, "frequency");
    const Frame& f = plot_state(window.number()).frame;
    ASSERT_NE(title, nullptr);
    ASSERT_NE(label, nullptr);
    const float box_top = static_cast<float>(480 - f.box.y1);
    EXPECT_LT(label->y, box_top - f.text_height) << "above the twin's numbers";
    EXPECT_LT(title->y, label->y - f.text_height) << "the title above the twin's label";
    EXPECT_TRUE(f.log_x) << "the data after it go on its log scale";
    EXPECT_NEAR(f.wx2, 3, 1e-9);
    lu_send_command_b4();
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, LU_PLOT_ROOM_TWIN_X), 0);
    ASSERT_EQ(lu_plot_twin_x(1, 1000, LU_PLOT_LOG_X, "frequency"), window.number());
    ASSERT_NE(lu_plot_labels("time", "", "title"), 0);
    EXPECT_NEAR(find(texts_of(window), "title")->y, title->y, 0.01) << "labelled after the twin";
    EXPECT_EQ(window.errors(), "");
}

// Numbers with a common exponent keep it on the right of the box too, and the title
// clears numbers drawn above the box.
TEST_F(PlotTwinTest, NumbersRightOfOrAboveTheBoxKeepTheirExponent) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, LU_PLOT_ROOM_TWIN_Y), 0);
    ASSERT_EQ(lu_plot_twin_y(0, 5e-6f, 0, "small"), window.number());
    const Frame& f = plot_state(window.number()).frame;
    const std::vector<Placed> twin_texts = texts_of(window);
    const Placed* exponent = find(twin_texts, "-6");
    ASSERT_NE(exponent, nullptr) << "the exponent of 1e-6 ... 5e-6";
    EXPECT_GT(exponent->x, f.box.x1);
    lu_send_command_b4();
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 0), 0);
    ASSERT_NE(lu_plot_box("bcnstm", 0, 0, "bcnst", 0, 0), 0);
    ASSERT_NE(lu_plot_labels("", "", "title"), 0);
    const std::vector<Placed> texts = texts_of(window);
    const Placed* title = find(texts, "title");
    ASSERT_NE(title, nullptr);
    const Frame& g = plot_state(window.number()).frame;
    const float box_top = static_cast<float>(480 - g.box.y1);
    EXPECT_LT(title->y, box_top - 1.3 * g.text_height) << "above the numbers on top";
}

// A twin of its own style: a fixed step and subticks (the phase of a Bode plot in steps of
// 30 degrees) and its numbers and label in the colour of its curve, kept through a resize.
TEST_F(PlotTwinTest, ATwinTakesItsOwnStepSubticksAndColours) {
    gallery::GalleryWindow window(640, 480);
    const int green = lu_make_rgb_colour(0, 128, 0), blue = lu_make_rgb_colour(0, 0, 200);
    ASSERT_NE(lu_plot_frame(0, 10, 0, 1, LU_PLOT_ROOM_TWIN_Y), 0);
    ASSERT_EQ(lu_plot_twin_style(30, 3, blue, green), window.number());
    ASSERT_EQ(lu_plot_twin_y(-95, 5, 0, "phase"), window.number());
    auto check = [&](const char* when) {
        std::uint32_t numbers_rgb = 0, frame_rgb = 0, label_rgb = 0;
        int numbers = 0;
        for (const auto& op : window.picture().items) {
            if (op.item.kind != luwnd::ItemKind::kBatch) continue;
            for (const plotcore::Item& item : *op.item.batch) {
                if (item.kind != plotcore::ItemKind::kText) continue;
                const std::string& t = item.text.bytes;
                if (t == "-90" || t == "-60" || t == "-30") {
                    ++numbers;
                    numbers_rgb = item.text.rgb;
                }
                EXPECT_NE(t, "-80") << when << ": the step is 30, not chosen";
                if (t == "phase") label_rgb = item.text.rgb;
                if (t == "0.5") frame_rgb = item.text.rgb;
            }
        }
        EXPECT_EQ(numbers, 3) << when;
        EXPECT_NE(numbers_rgb, frame_rgb) << when << ": the twin's numbers in their own colour";
        EXPECT_NE(label_rgb, numbers_rgb) << when;
        EXPECT_NE(label_rgb, frame_rgb) << when;
    };
    check("drawn");
    ASSERT_TRUE(window.resize(800, 500));
    check("laid out again");
    EXPECT_EQ(window.errors(), "");
}

// Three subticks between the 30-degree ticks make one more tick mark per interval than two.
TEST_F(PlotTwinTest, ATwinsSubticksAreItsOwn) {
    auto ticks_with = [](int subticks) {
        gallery::GalleryWindow window(640, 480);
        EXPECT_NE(lu_plot_frame(0, 10, 0, 1, LU_PLOT_ROOM_TWIN_Y | LU_PLOT_NO_BOX), 0);
        EXPECT_EQ(lu_plot_twin_style(30, subticks, -1, -1), window.number());
        EXPECT_EQ(lu_plot_twin_y(-90, 0, 0, ""), window.number());
        std::size_t marks = 0;
        for (const auto& op : window.picture().items) {
            if (op.item.kind != luwnd::ItemKind::kBatch) continue;
            for (const plotcore::Item& item : *op.item.batch)
                if (item.kind == plotcore::ItemKind::kSegments) marks += item.points.size() / 2;
        }
        return marks;
    };
    const std::size_t three = ticks_with(3), two = ticks_with(2);
    EXPECT_EQ(three - two, 3u) << "three intervals of 30 degrees, one more subtick in each";
}

TEST_F(PlotTwinTest, ATwinStyleOutOfBoundsIsRefusedAndChangesNothing) {
    gallery::GalleryWindow window(320, 240);
    ASSERT_EQ(lu_plot_twin_style(30, 3, -1, -1), window.number());
    EXPECT_EQ(lu_plot_twin_style(-1, 0, -1, -1), 0);
    EXPECT_EQ(lu_plot_twin_style(std::numeric_limits<float>::quiet_NaN(), 0, -1, -1), 0);
    EXPECT_EQ(lu_plot_twin_style(0, 101, -1, -1), 0);
    EXPECT_EQ(lu_plot_twin_style(0, 0, -7, -1), 0);
    EXPECT_EQ(lu_plot_twin_style(0, 0, -1, 0x05000000), 0);
    const plotcore::TwinLook kept = plot_state(window.number()).twin_look;
    EXPECT_EQ(kept.step, 30);
    EXPECT_EQ(kept.subticks, 3);
    const std::string errors = window.errors();
    for (const char* cause :
         {"lu_plot_twin_style: the step -1 is not 0 (chosen)",
          "subticks is 101, not within 0 ... 100", "-7 is no colour value (-1: the frame's own)"})
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << " in " << errors;
}

TEST_F(PlotTwinTest, TwinsThatCannotBeDrawnAreRefusedWithTheirCause) {
    gallery::GalleryWindow window(320, 240);
    EXPECT_EQ(lu_plot_twin_y(0, 1, 0, "y"), 0) << "no frame";
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 0), 0);
    EXPECT_EQ(lu_plot_twin_y(0, 1, 0, "y"), 0) << "no room";
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, LU_PLOT_ROOM_TWIN_Y | LU_PLOT_ROOM_TWIN_X), 0);
    EXPECT_EQ(lu_plot_twin_y(-1, 10, LU_PLOT_LOG_Y, "y"), 0);
    EXPECT_EQ(lu_plot_twin_x(-3e38f, 3e38f, 0, "x"), 0) << "wider than single precision";
    EXPECT_EQ(lu_plot_twin_y(0, 1, 0, "y"), window.number());
    EXPECT_EQ(lu_plot_twin_y(0, 2, 0, "y"), 0) << "a second twin y";
    EXPECT_EQ(lu_plot_twin_x(5, 5, 0, nullptr), window.number()) << "equal ends widened";
    const std::string errors = window.errors();
    for (const char* cause :
         {"lu_plot_twin_y: the frame leaves no room for a twin y axis: make it with "
          "LU_PLOT_ROOM_TWIN_Y",
          "the twin y axis is logarithmic but its range -1 ... 10 does not lie above 0",
          "the twin x range reaches beyond single precision",
          "the frame has its twin y axis already"})
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << " in " << errors;
}

}  // namespace
}  // namespace lumora::plot
