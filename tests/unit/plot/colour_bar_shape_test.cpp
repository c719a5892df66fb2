// Colour bars shorter than their side, with their caps inside that length, numbers on the
// near side or both, and titles on either side or beyond an end; a full-length bar drawn
// this way is the bar it always was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/colour_maps.h"
#include "client/plot/plot_state.h"
#include "plotcore/items.h"
#include "plotcore/layout_items.h"
#include "tests/gallery/gallery_window.h"

namespace lumora::plot {
namespace {

const float kLevels[] = {0, 1, 2, 3, 4};
constexpr int kLevelCount = 5;

// The items of the window's last colour-bar strip, and the strip's box (page pixels).
struct Strip {
    plotcore::BoxF box;
    std::vector<plotcore::Item> items;
    float top = 1e9f, bottom = -1e9f;  // of the bar's outline and caps
    // The anchor of a text; fails the test when there is none.
    plotcore::PointF text(const std::string& bytes) const {
        for (const plotcore::Item& i : items)
            if (i.kind == plotcore::ItemKind::kText && i.text.bytes == bytes) return i.points[0];
        ADD_FAILURE() << "no text " << bytes;
        return {};
    }
    int count(const std::string& bytes) const {
        return static_cast<int>(std::count_if(items.begin(), items.end(), [&](const auto& i) {
            return i.kind == plotcore::ItemKind::kText && i.text.bytes == bytes;
        }));
    }
};

Strip last_strip(gallery::GalleryWindow& window) {
    Strip s;
    for (const auto& op : window.picture().items) {
        if (op.item.kind != luwnd::ItemKind::kBatch) continue;
        bool in_strip = false;
        for (const plotcore::Item& item : *op.item.batch) {
            if (plotcore::is_layout_kind(item.kind)) {
                in_strip = item.kind == plotcore::ItemKind::kBeside;
                if (in_strip) s = {item.source.box, {}};
            } else if (in_strip) {
                s.items.push_back(item);
            }
        }
    }
    for (const plotcore::Item& i : s.items) {
        const bool outline = i.kind == plotcore::ItemKind::kPolyline && i.points.size() >= 4;
        const bool cap = i.kind == plotcore::ItemKind::kPolygon && i.points.size() == 3;
        if (!outline && !cap) continue;
        for (const plotcore::PointF& p : i.points) {
            s.top = std::min(s.top, p.y);
            s.bottom = std::max(s.bottom, p.y);
        }
    }
    return s;
}

class ColourBarShapeTest : public ::testing::Test {
  protected:
    ColourBarShapeTest() { reset(); }
    ~ColourBarShapeTest() override { reset(); }
    static void reset() {
        reset_plot_state();
        current_colour_map() = ColourMap{};
    }
    // A frame with room on the right and a map over the levels.
    static void frame() {
        ASSERT_NE(lu_plot_frame(0, 1, 0, 1, LU_PLOT_ROOM_RIGHT | LU_PLOT_ROOM_LEFT), 0);
        ASSERT_NE(lu_set_colour_map(LU_MAP_SEQUENTIAL, 0, 4), 0);
    }
};

// Half the side, centred on it; with both caps inside, the caps' tips end where the half
// ends, so the bar itself is shorter by two bar widths.
TEST_F(ColourBarShapeTest, AShortBarIsCentredAndItsCapsStayWithinItsLength) {
    gallery::GalleryWindow window(640, 480);
    frame();
    const int caps = LU_BAR_CAP_UNDER | LU_BAR_CAP_OVER;
    ASSERT_EQ(lu_draw_colour_bar_shaped(LU_BAR_RIGHT, 0.02f, 0.04f, 0.5f, kLevels, kLevelCount,
                                        caps | LU_BAR_CAPS_INSIDE, "t"),
              window.number());
    const Strip inside = last_strip(window);
    const float side = inside.box.bottom - inside.box.top;
    const float middle = (inside.box.top + inside.box.bottom) / 2;
    EXPECT_NEAR(inside.bottom - inside.top, side / 2, 1.0f) << "caps' tip to tip";
    EXPECT_NEAR((inside.top + inside.bottom) / 2, middle, 1.0f);
    lu_send_command_b4();
    ASSERT_EQ(lu_draw_colour_bar_shaped(LU_BAR_RIGHT, 0.02f, 0.04f, 0.5f, kLevels, kLevelCount,
                                        caps, "t"),
              window.number());
    const Strip outside = last_strip(window);
    const float across = outside.box.right - outside.box.left;
    EXPECT_NEAR(outside.bottom - outside.top, side / 2 + 2 * across, 1.0f)
        << "caps beyond the half";
    EXPECT_LT(inside.text("0").y, outside.text("0").y) << "the low end moved up by a cap";
    EXPECT_EQ(window.errors(), "");
}

// Numbers facing the frame's box, or on both sides; the title near, or beyond each end.
TEST_F(ColourBarShapeTest, NumbersAndTitleStandWhereTheOptionsPutThem) {
    gallery::GalleryWindow window(640, 480);
    frame();
    int result = 0;
    const int side = LU_BAR_RIGHT, count = kLevelCount;
    const int near = LU_BAR_NUMBERS_NEAR | LU_BAR_TITLE_NEAR;
    const float gap = 0.1f, width = 0.04f, length = 1;
    ASSERT_EQ(lu_draw_colour_bar_shaped_(&result, &side, &gap, &width, &length, kLevels, &count,
                                         &near, "title", 5),
              window.number());
    EXPECT_EQ(result, window.number());
    Strip s = last_strip(window);
    EXPECT_LT(s.text("2").x, s.box.left) << "numbers left of a bar right of the box";
    EXPECT_LT(s.text("title").x, s.text("2").x) << "the title beyond them";
    lu_send_command_b4();
    ASSERT_NE(lu_draw_colour_bar_shaped(LU_BAR_LEFT, 0.1f, 0.04f, 1, kLevels, kLevelCount,
                                        LU_BAR_NUMBERS_BOTH | LU_BAR_TITLE_LOW_END, "low"),
              0);
    s = last_strip(window);
    EXPECT_EQ(s.count("2"), 2) << "a number on each side";
    EXPECT_GT(s.text("low").y, s.bottom) << "below the low end";
    EXPECT_GT(s.text("low").x, s.box.left);
    EXPECT_LT(s.text("low").x, s.box.right);
    lu_send_command_b4();
    ASSERT_NE(lu_draw_colour_bar_shaped(LU_BAR_BELOW, 0.02f, 0.04f, 0.6f, kLevels, kLevelCount,
                                        LU_BAR_CAP_OVER | LU_BAR_TITLE_HIGH_END, "high"),
              0);
    s = last_strip(window);
    float right_end = -1e9f;
    for (const plotcore::Item& i : s.items)
        if (i.kind == plotcore::ItemKind::kPolygon && i.points.size() == 3)
            for (const plotcore::PointF& p : i.points) right_end = std::max(right_end, p.x);
    EXPECT_GT(s.text("high").x, right_end) << "right of the cap's tip";
    EXPECT_EQ(window.errors(), "");
}

// The drawing operations put the near numbers where the batches do.
TEST_F(ColourBarShapeTest, WithoutBatchesTheNearNumbersStandOnTheSameSide) {
    for (bool batches : {true, false}) {
        gallery::GalleryWindow window(640, 480, 96, batches);
        lu_set_viewport(0.3f, 0.2f, 0.7f, 0.8f);
        lu_set_world(0, 0, 1, 1);
        ASSERT_NE(lu_set_colour_map(LU_MAP_SEQUENTIAL, 0, 4), 0);
        ASSERT_NE(lu_draw_colour_bar_shaped(LU_BAR_RIGHT, 0.1f, 0.04f, 0.5f, kLevels, kLevelCount,
                                            LU_BAR_NUMBERS_NEAR, nullptr),
                  0);
        int edge = 0, number_x = 0;  // the viewport's right edge, the number's anchor
        lu_world_to_device(1, 0, &edge, nullptr);
        for (const luwnd::render::PaintItem& op : window.picture().items) {
            if (op.item.kind == luwnd::ItemKind::kText && op.item.text == "2")
                number_x = op.item.coords[0];
            if (op.item.kind != luwnd::ItemKind::kBatch) continue;
            for (const plotcore::Item& i : *op.item.batch)
                if (i.kind == plotcore::ItemKind::kText && i.text.bytes == "2")
                    number_x = static_cast<int>(i.points[0].x);
        }
        const int gap = static_cast<int>(0.1 * std::min(640, 480));  // pixels
        EXPECT_GT(number_x, edge) << batches << ": beyond the viewport";
        EXPECT_LT(number_x, edge + gap) << batches << ": before the bar at the gap";
        EXPECT_EQ(window.errors(), "") << batches;
        reset();
    }
}

// A full-length bar with the caps alone draws exactly what lu_draw_colour_bar_at draws.
TEST_F(ColourBarShapeTest, AFullLengthBarIsTheBarItAlwaysWas) {
    gallery::GalleryWindow window(640, 480);
    frame();
    ASSERT_NE(lu_draw_colour_bar_at(LU_BAR_LEFT, 0.02f, 0.04f, kLevels, kLevelCount,
                                    LU_BAR_CAP_UNDER, "t"),
              0);
    const Strip at = last_strip(window);
    lu_send_command_b4();
    ASSERT_NE(lu_draw_colour_bar_shaped(LU_BAR_LEFT, 0.02f, 0.04f, 1, kLevels, kLevelCount,
                                        LU_BAR_CAP_UNDER, "t"),
              0);
    const Strip shaped = last_strip(window);
    EXPECT_EQ(shaped.box, at.box);
    EXPECT_EQ(shaped.items, at.items);
}

TEST_F(ColourBarShapeTest, OptionsAndLengthsThatAreNoneAreRefusedWithTheirCause) {
    gallery::GalleryWindow window(640, 480);
    frame();
    const std::size_t before = window.commands();
    const struct {
        float length;
        int options;
        const char* cause;
    } refused[] = {
        {1, LU_BAR_NUMBERS_NEAR | LU_BAR_NUMBERS_BOTH, "the options 24 are no sum of LU_BAR_"},
        {1, LU_BAR_TITLE_LOW_END | LU_BAR_TITLE_HIGH_END, "the options 192 are no sum"},
        {1, 256, "the options 256"},
        {1, -1, "the options -1"},
        {0, 0, "the length 0 is not within 0.01 ... 1 of the side"},
        {1.5f, 0, "the length 1.5 is not within"},
        {std::numeric_limits<float>::quiet_NaN(), 0, "the length NaN"},
    };
    for (const auto& r : refused) {
        EXPECT_EQ(lu_draw_colour_bar_shaped(LU_BAR_RIGHT, 0.02f, 0.04f, r.length, kLevels,
                                            kLevelCount, r.options, "t"),
                  0)
            << r.cause;
        EXPECT_NE(window.errors().find("lu_draw_colour_bar_shaped: " + std::string(r.cause)),
                  std::string::npos)
            << r.cause << " in:\n"
            << window.errors();
    }
    EXPECT_EQ(lu_draw_colour_bar_shaped(7, 0.02f, 0.04f, 1, nullptr, 0, 0, nullptr), 0);
    EXPECT_EQ(window.commands(), before) << "nothing sent";
}

}  // namespace
}  // namespace lumora::plot
