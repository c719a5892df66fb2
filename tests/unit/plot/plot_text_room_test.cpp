// Texts of a plot keep clear of each other and of the window's edges: a polar frame's
// title and numbers, and titles and labels too long for their room, which shrink to fit.
// The window process here measures every character 0.6 of the height wide with 0.8 of it
// above the baseline, so the texts' boxes follow from their items.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "tests/gallery/gallery_window.h"

namespace lumora::plot {
namespace {

struct TextBox {
    std::string text;
    float left, top, right, bottom, height;
    bool clear_of(const TextBox& o) const {
        return right <= o.left || o.right <= left || bottom <= o.top || o.bottom <= top;
    }
};

// The box of an unturned text item (batch coordinates, y downward).
TextBox box_of(const plotcore::Item& item) {
    const plotcore::TextLook& t = item.text;
    const float h = t.height, width = 0.6f * h * static_cast<float>(t.bytes.size());
    const float x = item.points[0].x, y = item.points[0].y;
    const float left = t.h_align == plotcore::HAlign::kLeft     ? x
                       : t.h_align == plotcore::HAlign::kCentre ? x - width / 2
                                                                : x - width;
    const float baseline = t.v_align == plotcore::VAlign::kTop        ? y + 0.8f * h
                           : t.v_align == plotcore::VAlign::kBaseline ? y
                                                                      : y - 0.2f * h;
    return {t.bytes, left, baseline - 0.8f * h, left + width, baseline + 0.2f * h, h};
}

std::vector<TextBox> texts_of(gallery::GalleryWindow& window) {
    std::vector<TextBox> out;
    for (const auto& op : window.picture().items) {
        if (op.item.kind != luwnd::ItemKind::kBatch) continue;
        for (const plotcore::Item& item : *op.item.batch)
            if (item.kind == plotcore::ItemKind::kText && item.text.angle == 0)
                out.push_back(box_of(item));
    }
    return out;
}

const TextBox& find(const std::vector<TextBox>& texts, const std::string& text) {
    static const TextBox none{};
    auto it =
        std::find_if(texts.begin(), texts.end(), [&](const TextBox& t) { return t.text == text; });
    EXPECT_NE(it, texts.end()) << text;
    return it == texts.end() ? none : *it;
}

class PlotTextRoomTest : public ::testing::Test {
  protected:
    PlotTextRoomTest() { reset_plot_state(); }
    ~PlotTextRoomTest() override { reset_plot_state(); }
};

TEST_F(PlotTextRoomTest, APolarFramesTitleAndNumbersStayClearOfEachOther) {
    for (const auto& size : {std::pair{640, 480}, std::pair{320, 240}, std::pair{400, 700}}) {
        SCOPED_TRACE(std::to_string(size.first) + "x" + std::to_string(size.second));
        reset_plot_state();
        gallery::GalleryWindow window(size.first, size.second);
        ASSERT_NE(lu_plot_polar_frame(1.0f), 0);
        ASSERT_NE(lu_plot_labels("x", "", "a polar title"), 0);
        const std::vector<TextBox> texts = texts_of(window);
        ASSERT_GE(texts.size(), 14u) << "12 spokes, radius numbers, the title";
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_GE(texts[i].left, 0) << texts[i].text;
            EXPECT_LE(texts[i].right, static_cast<float>(size.first)) << texts[i].text;
            EXPECT_GE(texts[i].top, 0) << texts[i].text;
            EXPECT_LE(texts[i].bottom, static_cast<float>(size.second)) << texts[i].text;
            for (std::size_t j = i + 1; j < texts.size(); ++j)
                EXPECT_TRUE(texts[i].clear_of(texts[j])) << texts[i].text << " / " << texts[j].text;
        }
        EXPECT_LT(find(texts, "a polar title").bottom, find(texts, "90").top);
        EXPECT_GT(find(texts, "x").top, find(texts, "270").bottom);
    }
}

TEST_F(PlotTextRoomTest, LongTitlesAndLabelsShrinkToStayInTheirPanel) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_subpages(2, 2), 0);
    const std::string title = "A title much too long for a quarter of the window, it goes on";
    const std::string label = "an x label that is also far longer than its panel is wide";
    for (int panel = 1; panel <= 2; ++panel) {
        ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 0), 0);
        ASSERT_NE(lu_plot_labels(label.c_str(), "y", title.c_str()), 0);
    }
    const std::vector<TextBox> texts = texts_of(window);
    const TextBox& short_y = find(texts, "1.0");
    std::vector<TextBox> titles, labels;
    for (const TextBox& t : texts) {
        if (t.text == title) titles.push_back(t);
        if (t.text == label) labels.push_back(t);
    }
    ASSERT_EQ(titles.size(), 2u);
    ASSERT_EQ(labels.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const float panel_left = 320.0f * static_cast<float>(i), panel_right = panel_left + 320;
        for (const TextBox& t : {titles[i], labels[i]}) {
            EXPECT_GE(t.left, panel_left) << t.text;
            EXPECT_LE(t.right, panel_right) << t.text;
            EXPECT_GT(t.right - t.left, 0.9f * 320) << "shrunk no more than needed";
        }
        EXPECT_LT(labels[i].height, short_y.height);
    }
}

TEST_F(PlotTextRoomTest, ATitleThatFitsIsCentredOnTheBoxAtItsSize) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 0), 0);
    ASSERT_NE(lu_plot_labels("", "", "short"), 0);
    const std::vector<TextBox> texts = texts_of(window);
    const TextBox& t = find(texts, "short");
    const plotcore::Frame& f = plot_state(window.number()).frame;
    EXPECT_NEAR((t.left + t.right) / 2, (f.box.x0 + f.box.x1) / 2 + 0.5, 0.01);
    EXPECT_EQ(t.height, static_cast<float>(std::round(f.text_height * 1.15)));
}

// A title of its own size keeps it in text heights through a resize, and a large one
// takes room above the box rather than leave the window or cover the box.
TEST_F(PlotTextRoomTest, ATitleOfItsOwnSizeKeepsItAndItsRoom) {
    for (const float size : {1.3f, 4.0f}) {
        SCOPED_TRACE(size);
        reset_plot_state();
        gallery::GalleryWindow window(640, 480);
        int result = 0;
        ASSERT_EQ(lu_plot_title_size_(&result, &size), window.number());
        EXPECT_EQ(result, window.number());
        ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 0), 0);
        ASSERT_NE(lu_plot_labels("", "", "big"), 0);
        for (const auto& [width, height] : {std::pair{640, 480}, std::pair{800, 300}}) {
            if (width != 640) {
                ASSERT_TRUE(window.resize(width, height));
            }
            const std::vector<TextBox> texts = texts_of(window);
            const TextBox &title = find(texts, "big"), &number = find(texts, "1.0");
            EXPECT_EQ(title.height, std::round(number.height * size)) << width;
            EXPECT_GE(title.top, 0) << width;
            EXPECT_LT(title.bottom, number.top) << width << ": above the box's top number";
        }
    }
}

TEST_F(PlotTextRoomTest, ATitleSizeOutOfRangeIsRefusedAndChangesNothing) {
    gallery::GalleryWindow window(320, 240);
    EXPECT_EQ(lu_plot_title_size(0.2f), 0);
    EXPECT_EQ(lu_plot_title_size(4.5f), 0);
    EXPECT_EQ(lu_plot_title_size(std::nanf("")), 0);
    EXPECT_NE(window.errors().find("lu_plot_title_size: the size 0.2 is not within 0.25 ... 4"),
              std::string::npos)
        << window.errors();
    EXPECT_EQ(plot_state(window.number()).title_size, plotcore::kDefaultTitleSize);
}

TEST_F(PlotTextRoomTest, ABoxGivenLaterToAFrameWithoutOneKeepsItsNumbersInTheWindow) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 80000, 0, 1, LU_PLOT_NO_BOX), 0);
    ASSERT_NE(lu_plot_box("bcnst", 0, 0, "bcnst", 0, 0), 0);
    const std::vector<TextBox> texts = texts_of(window);
    const TextBox& last = find(texts, "80000");
    EXPECT_LE(last.right, 640.0f) << "the last x number";
    for (const TextBox& t : texts) {
        EXPECT_GE(t.left, 0) << t.text;
        EXPECT_LE(t.right, 640.0f) << t.text;
    }
}

// A colour bar beside a frame numbers its values as the frame's axes do: in their size,
// with a common exponent, without crowding.
TEST_F(PlotTextRoomTest, ColourBarNumbersLookLikeTheAxesNumbers) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, LU_PLOT_ROOM_RIGHT), 0);
    const double h = plot_state(window.number()).frame.text_height;
    const std::size_t axes = texts_of(window).size();
    ASSERT_NE(lu_set_colour_map(LU_MAP_SEQUENTIAL, 0, 2.6e-20f), 0);
    ASSERT_NE(lu_draw_colour_bar(0.02f, 0.04f, nullptr, 0), 0);
    std::vector<float> levels;
    for (int i = 0; i <= 11; ++i) levels.push_back(static_cast<float>(i) * 0.25f - 1);
    ASSERT_NE(lu_draw_colour_bar(0.15f, 0.04f, levels.data(), 12), 0);
    const std::vector<TextBox> all = texts_of(window);
    const std::vector<TextBox> bar(all.begin() + static_cast<std::ptrdiff_t>(axes), all.end());
    ASSERT_GE(bar.size(), 6u);
    bool exponent = false;
    for (std::size_t i = 0; i < bar.size(); ++i) {
        exponent = exponent || bar[i].text == "-20";
        if (bar[i].text == "-20") continue;
        EXPECT_FLOAT_EQ(bar[i].height, static_cast<float>(h)) << bar[i].text;
        EXPECT_LE(bar[i].text.size(), 5u) << bar[i].text;
        for (std::size_t j = i + 1; j < bar.size(); ++j)
            EXPECT_TRUE(bar[i].clear_of(bar[j])) << bar[i].text << " / " << bar[j].text;
    }
    EXPECT_TRUE(exponent) << "x10^-20 above the bar";
    EXPECT_NE(
        std::find_if(bar.begin(), bar.end(), [](const TextBox& t) { return t.text == "1.75"; }),
        bar.end())
        << "the last level, labelled with the decimals of the levels' spacing";
}

// The farthest a pie's polygon points reach from the frame's centre, in pixels.
float pie_reach(gallery::GalleryWindow& window, float cx, float cy) {
    float reach = 0;
    for (const auto& op : window.picture().items) {
        if (op.item.kind != luwnd::ItemKind::kBatch) continue;
        for (const plotcore::Item& item : *op.item.batch)
            if (item.kind == plotcore::ItemKind::kPolygon)
                for (plotcore::PointF p : item.points)
                    reach = std::max(reach, std::hypot(p.x - cx, p.y - cy));
    }
    return reach;
}

TEST_F(PlotTextRoomTest, PieLabelsStandOutsideTheirSlicesWithinThePanel) {
    const float values[] = {1, 1, 1, 1};
    for (int options : {0, LU_PLOT_PIE_CLOCKWISE}) {
        reset_plot_state();
        gallery::GalleryWindow window(400, 300);
        ASSERT_NE(lu_plot_pie_labelled(4, values, 90, options | LU_PLOT_PIE_PERCENT,
                                       "first|second|$\\alpha_3$"),
                  0);
        const plotcore::Frame& f = plot_state(window.number()).frame;
        const float cx = static_cast<float>(f.px(0)) + 0.5f;
        const float cy = 300 - static_cast<float>(f.py(0)) + 0.5f;
        const float reach = pie_reach(window, cx, cy);
        const std::vector<TextBox> texts = texts_of(window);
        const TextBox& first = find(texts, "first 25%");
        const TextBox& bare = find(texts, "25%");
        EXPECT_NE(find(texts, "3").text, "") << "the subscript of the third label";
        // Four quarters from the top: the first one's middle is upper left, clockwise
        // upper right; the fourth has no text but its share.
        const float middle = (first.left + first.right) / 2;
        if (options == 0) {
            EXPECT_LT(middle, cx);
            EXPECT_GT(bare.left, cx) << "the fourth quarter is lower right";
        } else {
            EXPECT_GT(middle, cx);
            EXPECT_LT(bare.right, cx);
        }
        EXPECT_LT(first.bottom, cy);
        for (const TextBox& t : texts) {
            EXPECT_GE(t.left, 0) << t.text;
            EXPECT_LE(t.right, 400.0f) << t.text;
            EXPECT_GE(t.top, 0) << t.text;
            EXPECT_LE(t.bottom, 300.0f) << t.text;
            // No corner of a label lies on the pie.
            for (float x : {t.left, t.right})
                for (float y : {t.top, t.bottom})
                    EXPECT_GT(std::hypot(x - cx, y - cy), reach) << t.text;
        }
    }
}

TEST_F(PlotTextRoomTest, APieShrinksForLongLabelsAndOnlyForThem) {
    const float values[] = {3, 1};
    gallery::GalleryWindow window(400, 300);
    ASSERT_NE(lu_plot_pie(2, values), 0);
    const plotcore::Frame f = plot_state(window.number()).frame;
    const float cx = static_cast<float>(f.px(0)) + 0.5f;
    const float cy = 300 - static_cast<float>(f.py(0)) + 0.5f;
    const float plain = pie_reach(window, cx, cy);
    lu_send_command_b4();
    reset_plot_state();
    ASSERT_NE(lu_plot_pie_labelled(2, values, 90, 0, nullptr), 0);
    EXPECT_FLOAT_EQ(pie_reach(window, cx, cy), plain) << "no labels: the pie of lu_plot_pie";
    lu_send_command_b4();
    reset_plot_state();
    ASSERT_NE(lu_plot_pie_labelled(2, values, 0, 0, "a rather long label|another long one"), 0);
    EXPECT_LT(pie_reach(window, cx, cy), 0.8f * plain);
    EXPECT_EQ(lu_plot_pie_labelled(2, values, NAN, 0, "a|b"), 0);
    // Short labels beside the pie take the room across the panel, not the pie's.
    lu_send_command_b4();
    reset_plot_state();
    const float sales[] = {10, 32, 12, 30, 16};
    ASSERT_NE(lu_plot_pie_labelled(5, sales, 0, 0, "Maurice|Geoffrey|Alan|Rafael|Vince"), 0);
    EXPECT_GT(pie_reach(window, cx, cy), 0.8f * plain);
    EXPECT_NE(window.errors().find("lu_plot_pie_labelled: the start angle"), std::string::npos)
        << window.errors();
}

TEST_F(PlotTextRoomTest, ANumberedFrameAfterAPolarOneHasNoPolarRoom) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 256), 0) << "an option bit of the library's own";
    ASSERT_NE(lu_plot_labels("", "", "title"), 0);
    const std::vector<TextBox> plain = texts_of(window);
    lu_send_command_b4();
    reset_plot_state();
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 0), 0);
    ASSERT_NE(lu_plot_labels("", "", "title"), 0);
    const std::vector<TextBox> want = texts_of(window);
    ASSERT_EQ(plain.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(plain[i].text, want[i].text);
        EXPECT_EQ(plain[i].top, want[i].top) << want[i].text;
    }
}

}  // namespace
}  // namespace lumora::plot
