// Number formats through the public interface: the axes, a time axis, contour labels and
// colour-bar numbers of what is drawn afterwards take them, a resize keeps them (the
// window process lays the frame out again from what the batch carries), and formats that
// printf or the calendar cannot take are refused with their cause.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "plotcore/items.h"
#include "tests/gallery/gallery_window.h"

namespace lumora::plot {
namespace {

std::vector<std::string> texts_of(gallery::GalleryWindow& window) {
    std::vector<std::string> texts;
    for (const auto& op : window.picture().items) {
        if (op.item.kind != luwnd::ItemKind::kBatch) continue;
        for (const plotcore::Item& item : *op.item.batch)
            if (item.kind == plotcore::ItemKind::kText) texts.push_back(item.text.bytes);
    }
    return texts;
}

int count_matching(const std::vector<std::string>& texts, const char* pattern) {
    const std::regex re(pattern);
    int n = 0;
    for (const std::string& t : texts) n += std::regex_match(t, re) ? 1 : 0;
    return n;
}

class PlotFormatTest : public ::testing::Test {
  protected:
    PlotFormatTest() { reset_plot_state(); }
    ~PlotFormatTest() override { reset_plot_state(); }
};

TEST_F(PlotFormatTest, AxisNumbersTakeTheirFormatsAndKeepThemThroughAResize) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_EQ(lu_plot_set_number_format(LU_PLOT_X_NUMBERS, "%.2f"), window.number());
    ASSERT_EQ(lu_plot_set_number_format(LU_PLOT_Y_NUMBERS, "%g V"), window.number());
    ASSERT_NE(lu_plot_frame(-1, 1, 0, 5e-6f, 0), 0);
    std::vector<std::string> texts = texts_of(window);
    const int x_numbers = count_matching(texts, "-?[0-9]\\.[0-9]{2}");
    const int y_numbers = count_matching(texts, "[0-9.e-]+ V");
    EXPECT_GE(x_numbers, 3);
    EXPECT_GE(y_numbers, 3);
    EXPECT_EQ(count_matching(texts, "0\\.00"), 1) << "zero once, without a sign";
    EXPECT_EQ(count_matching(texts, "-?[0-9]"), 0) << "no common exponent beside the y numbers";
    ASSERT_TRUE(window.resize(900, 300));
    texts = texts_of(window);
    EXPECT_GE(count_matching(texts, "-?[0-9]\\.[0-9]{2}"), 3) << "laid out again in the format";
    EXPECT_GE(count_matching(texts, "[0-9.e-]+ V"), 3);
    lu_send_command_b4();
    ASSERT_EQ(lu_plot_set_number_format(LU_PLOT_X_NUMBERS | LU_PLOT_Y_NUMBERS, nullptr),
              window.number());
    ASSERT_NE(lu_plot_frame(-1, 1, 0, 5e-6f, 0), 0);
    EXPECT_EQ(count_matching(texts_of(window), ".* V|-?[0-9]\\.[0-9]{2}"), 0)
        << "NULL gives back the chosen numbers";
    EXPECT_EQ(window.errors(), "");
}

TEST_F(PlotFormatTest, LogAndTimeAxesPrintTheirValuesInTheFormat) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_EQ(lu_plot_set_number_format(LU_PLOT_Y_NUMBERS, "%g"), window.number());
    ASSERT_EQ(lu_plot_set_time_format("%d %b"), window.number());
    ASSERT_EQ(lu_plot_set_time_origin(1796860800.0), window.number());  // 2026-12-10
    ASSERT_NE(lu_plot_frame(0, 6 * 86400.0f, 1e-3f, 1e3f, LU_PLOT_TIME_X | LU_PLOT_LOG_Y), 0);
    const std::vector<std::string> texts = texts_of(window);
    EXPECT_EQ(count_matching(texts, "(1[0-6]) Dec"),
              static_cast<int>(texts.size()) - count_matching(texts, "[0-9.]+"))
        << "every x number a day of December";
    EXPECT_GE(count_matching(texts, "1[0-6] Dec"), 3);
    EXPECT_EQ(count_matching(texts, "0\\.001"), 1);
    EXPECT_EQ(count_matching(texts, "1000"), 1);
    ASSERT_TRUE(window.resize(700, 500));
    EXPECT_EQ(texts_of(window).size(), texts.size()) << "nothing lost in a new layout";
    EXPECT_EQ(window.errors(), "");
}

TEST_F(PlotFormatTest, ContourLabelsAndColourBarNumbersTakeTheirFormats) {
    gallery::GalleryWindow window(640, 480);
    constexpr int kSide = 30;
    std::vector<float> z;
    for (int i = 0; i < kSide; ++i)
        for (int j = 0; j < kSide; ++j) z.push_back(float(i + j) / (2 * kSide - 2) - 0.5f);
    const float levels[] = {-0.4f, -0.2f, 0, 0.2f, 0.4f};
    ASSERT_EQ(lu_plot_set_number_format(LU_PLOT_CONTOUR_NUMBERS | LU_PLOT_BAR_NUMBERS, "%+.2f"),
              window.number());
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, LU_PLOT_ROOM_RIGHT), 0);
    ASSERT_NE(lu_draw_contours(z.data(), kSide, kSide, LU_ROW_MAJOR, 0, 0, 1, 1, levels, 5, 1), 0);
    ASSERT_NE(lu_draw_colour_bar(0.03f, 0.05f, levels, 5), 0);
    const std::vector<std::string> texts = texts_of(window);
    EXPECT_GE(count_matching(texts, "[+-]0\\.[024]0"), 3 + 5) << "labels and the bar's five";
    EXPECT_EQ(count_matching(texts, "[+]0\\.40"), 1) << "the bar's top";
    EXPECT_EQ(count_matching(texts, "-0\\.00"), 0);
    EXPECT_EQ(window.errors(), "");
}

TEST_F(PlotFormatTest, FormatsThatCannotBeTakenAreRefusedWithTheirCause) {
    EXPECT_EQ(lu_plot_set_number_format(LU_PLOT_X_NUMBERS, "%.2f"), 0) << "no window";
    gallery::GalleryWindow window(320, 240);
    EXPECT_EQ(lu_plot_set_number_format(LU_PLOT_X_NUMBERS, "%s"), 0);
    EXPECT_EQ(lu_plot_set_number_format(LU_PLOT_Y_NUMBERS, "%f %f"), 0);
    EXPECT_EQ(lu_plot_set_number_format(32, "%f"), 0);
    EXPECT_EQ(lu_plot_set_number_format(0, "%f"), 0);
    EXPECT_EQ(lu_plot_set_time_format("%H:%Q"), 0);
    EXPECT_EQ(lu_plot_set_number_format(LU_PLOT_X_NUMBERS, "(EN10.3)"), 0);
    const std::string long_format = "%f" + std::string(100000, 'x');
    EXPECT_EQ(lu_plot_set_number_format(LU_PLOT_X_NUMBERS, long_format.c_str()), 0);
    const std::string errors = window.errors();
    EXPECT_LT(errors.size(), 2000u) << "a long format is quoted cut short";
    for (const char* cause : {"lu_plot_set_number_format: the number format \"%s\" has the "
                              "conversion %s",
                              "\"%f %f\" has more than one conversion", "32 names no numbers",
                              "lu_plot_set_time_format: the time format \"%H:%Q\" has the "
                              "conversion %Q",
                              "the Fortran format \"(EN10.3)\" has the edit descriptor EN10.3",
                              "xxxx...\" has more than 64 bytes"})
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << " in " << errors;
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 0), 0);
    EXPECT_EQ(count_matching(texts_of(window), "0\\.[0-9]{6}"), 0) << "nothing refused was kept";
    lu_send_command_b4();
    ASSERT_EQ(lu_plot_set_number_format(LU_PLOT_Y_NUMBERS, "('y=', F4.2)"), window.number());
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, 0), 0);
    EXPECT_GE(count_matching(texts_of(window), "y=[01]\\.[0-9]{2}"), 3) << "a Fortran format";
}

}  // namespace
}  // namespace lumora::plot
