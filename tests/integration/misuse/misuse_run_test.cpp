// A program that misuses the plotting layer, the fields, the 3-D view, cursor input,
// opacity, colour conversions, transforms, gridding and arrow styles gets, for each
// mistake, the result 0 and one message naming the call and the cause (a mistake repeated
// in a loop is told once), and goes on drawing afterwards: natively, and under Wine. A
// wait for the cursor without a screen or scripted events gives up at once.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "../support/child_process.h"

namespace lumora::test {
namespace {

namespace fs = std::filesystem;

// Each case of the program: the message it must give (the call and a part of the cause).
struct Expected {
    const char* name;
    const char* message;
};

const Expected kCases[] = {
    {"no_window_line", "lu_plot_line: no window is open: call lu_open_window first"},
    {"no_window_frame", "lu_plot_frame: no window is open: call lu_open_window first"},
    {"no_window_view3d", "lu_plot_view3d: no window is open: call lu_open_window first"},
    {"no_window_alpha", "lu_set_alpha: no window is open: call lu_open_window first"},
    {"no_window_cursor", "lu_get_cursor: no window is open: call lu_open_window first"},
    {"no_window_poll", "lu_poll_event: no window is open: call lu_open_window first"},
    {"no_window_transform",
     "lu_set_plot_transform_code: no window is open: call lu_open_window first"},
    {"no_window_arrow", "lu_set_arrow_style: no window is open: call lu_open_window first"},
    {"view3d_before_frame", "lu_plot_view3d: window 1 has no frame: call lu_plot_frame first"},
    {"line_before_frame", "lu_plot_line: window 1 has no frame: call lu_plot_frame first"},
    {"points_before_frame", "lu_plot_points: window 1 has no frame: call lu_plot_frame first"},
    {"labels_before_frame", "lu_plot_labels: window 1 has no frame: call lu_plot_frame first"},
    {"legend_before_frame", "lu_plot_legend: window 1 has no frame: call lu_plot_frame first"},
    {"log_axis_from_zero",
     "lu_plot_frame: the x axis is logarithmic but its range 0 ... 10 does "
     "not lie above 0"},
    {"not_a_number", "lu_plot_frame: the y range NaN ... 1 is not two finite numbers"},
    {"no_subpages", "lu_plot_subpages: 0 x 0 panels: there must be 1 ... 16 across and down"},
    {"no_such_panel", "lu_plot_advance: there is no panel 5: the window has 1 (0: the next)"},
    {"text_scale", "lu_plot_set_text_scale: the scale -1 is not within 0.25 ... 4"},
    {"single_point",
     "lu_plot_line: a line needs at least 2 points, not n = 1 (lu_plot_points "
     "draws single points)"},
    {"null_array", "lu_plot_line: an array of values is a null pointer"},
    {"bad_marker", "lu_plot_points: marker 7 is not a marker code: 1 ... 6, or 11 ... 16 filled"},
    {"empty_legend", "lu_plot_legend: the legend has no entries: call lu_plot_legend_entry first"},
    {"legend_corner", "lu_plot_legend: place 12 is not 1 ... 4 (corners)"},
    {"legend_style", "lu_plot_legend_entry: line style 12 is not -1 (no line) or 0 ... 9"},
    {"no_bins", "lu_plot_histogram: bins = 0: there must be 1 ... 10000 bins"},
    {"backward_range",
     "lu_plot_histogram: the range 10 ... 0 is not two finite numbers, the "
     "first below the second"},
    {"no_slices", "lu_plot_pie: n = 0: a pie has 1 ... 64 slices"},
    {"empty_pie", "lu_plot_pie: the values add up to no pie: all are 0"},
    {"negative_slice", "lu_plot_pie: value 2 (-1) is not a finite number of 0 or more"},
    {"no_bars", "lu_plot_bars: 0 groups of 1 series: there must be 1 ... 1000 groups of 1 ... 32"},
    {"polar_radius", "lu_plot_polar_frame: the radius 0 is not a finite number above 0"},
    {"field_side", "lu_draw_contours: a field of 0 x 3 values: both sides need 1 or more"},
    {"field_layout", "lu_fill_contours: layout 7 is not LU_ROW_MAJOR (0) or LU_COLUMN_MAJOR (1)"},
    {"field_corners", "lu_draw_contours: the field's corners x1, y1, x2, y2 are not all finite"},
    {"colour_bar_width",
     "lu_draw_colour_bar: the gap 0.02 and width 0 must be finite numbers, "
     "the width above 0"},
    {"colour_map", "lu_set_colour_map: map 9 is not 0 (the current one)"},
    {"line3d_without_view",
     "lu_plot_line3d: window 1's frame has no 3-D view: call lu_plot_view3d first"},
    {"box3d_without_view",
     "lu_plot_box3d: window 1's frame has no 3-D view: call lu_plot_view3d first"},
    {"surface_without_view",
     "lu_plot_surface3d: window 1's frame has no 3-D view: call lu_plot_view3d first"},
    {"view3d_nan_range", "lu_plot_view3d: the z range NaN ... 1 is not finite"},
    {"view3d_no_width", "lu_plot_view3d: the base width 0 is not a finite number above 0"},
    {"view3d_options", "lu_plot_view3d: options 99 are not a sum of LU_VIEW3D_LOG_X, _Y and _Z"},
    {"view3d_altitude",
     "lu_plot_view3d: the altitude infinity is not above 0 and at most 90 degrees"},
    {"line3d_single_point",
     "lu_plot_line3d: a line needs at least 2 points, not n = 1 (lu_plot_points3d draws "
     "single points)"},
    {"line3d_null_array", "lu_plot_line3d: an array of values is a null pointer"},
    {"points3d_marker", "lu_plot_points3d: marker 7 is not a marker code"},
    {"surface_one_row", "lu_plot_surface3d: a grid of 1 x 4 points: both sides need 2 or more"},
    {"surface_flat_axis", "lu_plot_surface3d: the grid's x values do not strictly rise or fall"},
    {"surface_options",
     "lu_plot_surface3d: options 1 are not a sum of LU_SURFACE_FACETS, LU_SURFACE_MAP_RANGE, "
     "LU_SURFACE_SIDES and LU_SURFACE_LIT"},
    {"mesh_options",
     "lu_plot_mesh3d: options 8 are not LU_MESH_X, LU_MESH_Y or their sum, with any of "
     "LU_MESH_COLOURED, LU_SURFACE_MAP_RANGE and LU_SURFACE_SIDES added"},
    {"mesh_huge_grid", "lu_plot_mesh3d: a field of more than 67108864 values"},
    {"cursor_band",
     "lu_get_cursor_band: band 9 is none of LU_BAND_NONE ... LU_BAND_CROSS_HAIR (0 ... 7)"},
    {"cursor_anchor", "lu_get_cursor_band: the anchor NaN, 0 is not a point"},
    {"cursor_no_events",
     "lu_get_cursor: no event can come: there is no screen and no scripted event left"},
    {"cursor_closed_window", "lu_get_cursor_in_window: window 7 is not open"},
    {"alpha_nan", "lu_set_alpha: the opacity NaN is not within 0 ... 1"},
    {"alpha_two", "lu_set_alpha: the opacity 2 is not within 0 ... 1"},
    {"hls_colour_number", "lu_colour_to_hls: the colour (5) is not an RGB colour value"},
    {"hsv_not_a_colour", "lu_colour_to_hsv: the colour (-5) is not an RGB colour value"},
    {"transform_code", "lu_set_plot_transform_code: transform 99 is none of LU_TRANSFORM_POLAR"},
    {"transform_latitude",
     "lu_set_plot_transform_code: transform 24 with p1 = 0, p2 = 95: the centre's latitude p2 "
     "must be -90 ... 90"},
    {"grid_two_samples",
     "lu_grid_data: the samples need three places not on one line to interpolate between"},
    {"grid_null_array", "lu_grid_data: one of the arrays is a null pointer"},
    {"grid_method", "lu_grid_data: method 1 is none of LU_GRID_NEAREST"},
    {"grid_no_side", "lu_grid_data: a grid of 0 x 2 points: each side at least 1"},
    {"on_grid_null", "lu_draw_contours_on_grid: the grid's positions xg are a null pointer"},
    {"on_grid_code",
     "lu_fill_contours_on_grid: grid 5 is not LU_GRID_AXES (1) or LU_GRID_POINTS (2)"},
    {"on_grid_axis",
     "lu_fill_contours_on_grid: the grid's y positions are neither strictly rising nor "
     "strictly falling"},
    {"on_grid_infinite", "lu_draw_vectors_on_grid: the grid's x positions hold an infinity"},
    {"arrow_shape",
     "lu_set_arrow_style: shape 9 is none of 0 (points), LU_ARROW_BARBS ... LU_ARROW_WHOLE"},
    {"arrow_points", "lu_set_arrow_style: a shape of 1 points is not 2 ... 64 points"},
    {"arrow_head", "lu_set_arrow_style: the head NaN is not 0 (scaled) or a size of up to 1000"},
};

class PlotMisuseRun : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = temp_path("misuse");
        fs::remove_all(dir_);
        ASSERT_TRUE(fs::create_directory(dir_));
        set_environment("LUMORA_NAMESPACE", ("pm" + std::to_string(this_process_id())).c_str());
        set_environment("LUMORA_HEADLESS", "1");
        set_environment("LUMORADIR", native_path(LUWND_DIR).c_str());
        set_environment("LUMORA_OUTPUT", dir_.c_str());
        set_environment("LUMORA_TRACE", nullptr);
        // No scripted clicks: the cursor case must find that none can come.
        set_environment("LUMORA_EVENTS", nullptr);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    std::string dir_;
};

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST_F(PlotMisuseRun, EachMistakeIsToldOnceAndRefusedAndDrawingGoesOn) {
    ChildProcess child;
    ChildOptions options;
    options.argv = {native_path(PLOT_MISUSE_PATH)};
    options.stdout_file = temp_path("misuse-out");
    options.stderr_file = temp_path("misuse-err");
    ASSERT_TRUE(child.start(options));
    ASSERT_EQ(child.wait(60000), 0) << read_text_file(options.stderr_file);
    std::map<std::string, int> results;
    for (const std::string& line : lines_of(read_text_file(options.stdout_file))) {
        std::istringstream fields(line);
        std::string name;
        int result = -1;
        if (fields >> name >> result) results[name] = result;
    }
    const std::vector<std::string> messages = lines_of(read_text_file(options.stderr_file));
    for (const Expected& c : kCases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(results.contains(c.name)) << "the program stopped before this case";
        EXPECT_EQ(results[c.name], 0);
        int told = 0;
        for (const std::string& m : messages) told += m.rfind(c.message, 0) == 0;
        EXPECT_EQ(told, 1) << "wanted: " << c.message;
    }
    EXPECT_EQ(results["line_before_frame_again"], 0);
    EXPECT_EQ(messages.size(), std::size(kCases)) << read_text_file(options.stderr_file);
    EXPECT_GT(results["good_line"], 0) << "the program could not draw after its mistakes";
}

}  // namespace
}  // namespace lumora::test
