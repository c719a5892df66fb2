/*
 * plot_misuse: calls the plotting layer, the fields, the 3-D view, cursor input, opacity,
 * colour conversions, plot transforms, gridding and arrow styles the ways a new user gets
 * wrong and prints "<case> <result>" for each on its output; the library says why on the
 * error stream. Then it draws a frame and a line as it should, to show that nothing was
 * lost. Run it without a screen and without scripted events: a wait for the cursor then
 * cannot be answered and must give up at once.
 */
#include <math.h>
#include <stdio.h>

#include "lumora.h"

static void show(const char* name, int result) {
    printf("%s %d\n", name, result);
    fflush(stdout);
}

static const float x[] = {1, 2, 3}, y[] = {1, 4, 9}, z[] = {0, 1, 2};
static const float field[] = {0, 1, 2, 3, 4, 5};

/* The calls that need a window, before there is one. */
static void without_window(void) {
    float cx, cy;
    int key, kind;
    show("no_window_line", lu_plot_line(3, x, y));
    show("no_window_frame", lu_plot_frame(0, 1, 0, 1, 0));
    show("no_window_view3d", lu_plot_view3d(1, 1, 1, 0, 1, 0, 1, 0, 1, 30, 40, 0));
    show("no_window_alpha", lu_set_alpha(0.5f));
    show("no_window_cursor", lu_get_cursor(&cx, &cy, &key));
    show("no_window_poll", lu_poll_event(&kind, &cx, &cy, &key));
    show("no_window_transform", lu_set_plot_transform_code(LU_TRANSFORM_POLAR, 0, 0));
    show("no_window_arrow", lu_set_arrow_style(LU_ARROW_TRIANGLE, 0, NULL, NULL, 1, 0));
}

/* The 3-D calls on a frame without a view, then the view's and the data's mistakes. */
static void in_3d(void) {
    static const float rise[] = {0, 1}, flat[] = {1, 1}, heights[] = {0, 1, 2, 3};
    show("line3d_without_view", lu_plot_line3d(3, x, y, z));
    show("box3d_without_view", lu_plot_box3d("bnt", "x", 0, 0, "bnt", "y", 0, 0, "bnt", "z", 0, 0));
    show("surface_without_view", lu_plot_surface3d(heights, 2, 2, LU_ROW_MAJOR, rise, rise, 0));
    show("view3d_nan_range", lu_plot_view3d(1, 1, 1, 0, 1, 0, 1, NAN, 1, 30, 40, 0));
    show("view3d_no_width", lu_plot_view3d(0, 1, 1, 0, 1, 0, 1, 0, 1, 30, 40, 0));
    show("view3d_options", lu_plot_view3d(1, 1, 1, 0, 1, 0, 1, 0, 1, 30, 40, 99));
    show("view3d_altitude", lu_plot_view3d(1, 1, 1, 0, 1, 0, 1, 0, 1, INFINITY, 40, 0));
    if (lu_plot_view3d(2, 2, 2, 0, 4, 0, 10, 0, 2, 30, 40, 0) == 0) return;
    show("line3d_single_point", lu_plot_line3d(1, x, y, z));
    show("line3d_null_array", lu_plot_line3d(3, x, y, NULL));
    show("points3d_marker", lu_plot_points3d(3, x, y, z, 7));
    show("surface_one_row", lu_plot_surface3d(heights, 1, 4, LU_ROW_MAJOR, rise, heights, 0));
    show("surface_flat_axis", lu_plot_surface3d(heights, 2, 2, LU_ROW_MAJOR, flat, rise, 0));
    show("surface_options", lu_plot_surface3d(heights, 2, 2, LU_ROW_MAJOR, rise, rise, 1));
    show("mesh_options",
         lu_plot_mesh3d(heights, 2, 2, LU_ROW_MAJOR, rise, rise, LU_SURFACE_FACETS));
    show("mesh_huge_grid",
         lu_plot_mesh3d(heights, 100000, 100000, LU_ROW_MAJOR, rise, rise, LU_MESH_X));
}

/* Cursor input without a screen or scripted events, and opacity out of its range. */
static void cursor_and_opacity(void) {
    float cx, cy;
    int key;
    show("cursor_band", lu_get_cursor_band(9, 0, 0, &cx, &cy, &key));
    show("cursor_anchor", lu_get_cursor_band(LU_BAND_LINE, NAN, 0, &cx, &cy, &key));
    show("cursor_no_events", lu_get_cursor(&cx, &cy, &key));
    show("cursor_closed_window", lu_get_cursor_in_window(7, &cx, &cy, &key));
    show("alpha_nan", lu_set_alpha(NAN));
    show("alpha_two", lu_set_alpha(2));
}

/* Colour conversions, transforms, gridding, fields on grids and arrow styles. */
static void conversions_and_grids(void) {
    static const float xs[] = {0, 1}, falling[] = {0, 2, 1}, infinite[] = {0, 1, 0, INFINITY, 0, 1};
    static const float shape[] = {0.5f};
    float h, l, sat, values[4];
    show("hls_colour_number", lu_colour_to_hls(5, &h, &l, &sat));
    show("hsv_not_a_colour", lu_colour_to_hsv(-5, &h, &sat, &l));
    show("transform_code", lu_set_plot_transform_code(99, 0, 0));
    show("transform_latitude", lu_set_plot_transform_code(LU_TRANSFORM_ORTHOGRAPHIC, 0, 95));
    show("grid_two_samples",
         lu_grid_data(xs, xs, xs, 2, xs, 2, xs, 2, LU_ROW_MAJOR, LU_GRID_LINEAR, 0, values));
    show("grid_null_array",
         lu_grid_data(xs, NULL, xs, 2, xs, 2, xs, 2, LU_ROW_MAJOR, LU_GRID_NEAREST, 0, values));
    show("grid_method",
         lu_grid_data(xs, xs, xs, 2, xs, 2, xs, 2, LU_ROW_MAJOR, LU_GRID_AXES, 0, values));
    show("grid_no_side",
         lu_grid_data(xs, xs, xs, 2, xs, 0, xs, 2, LU_ROW_MAJOR, LU_GRID_NEAREST, 0, values));
    show("on_grid_null", lu_draw_contours_on_grid(field, 2, 3, LU_ROW_MAJOR, NULL, falling,
                                                  LU_GRID_AXES, NULL, 5, 0));
    show("on_grid_code",
         lu_fill_contours_on_grid(field, 2, 3, LU_ROW_MAJOR, xs, falling, 5, NULL, 5));
    show("on_grid_axis",
         lu_fill_contours_on_grid(field, 2, 3, LU_ROW_MAJOR, xs, falling, LU_GRID_AXES, NULL, 5));
    show("on_grid_infinite", lu_draw_vectors_on_grid(field, field, 2, 3, LU_ROW_MAJOR, infinite,
                                                     infinite, LU_GRID_POINTS, 0));
    show("arrow_shape", lu_set_arrow_style(9, 0, NULL, NULL, 0, 0));
    show("arrow_points", lu_set_arrow_style(0, 1, shape, shape, 0, 0));
    show("arrow_head", lu_set_arrow_style(LU_ARROW_TRIANGLE, 0, NULL, NULL, 1, NAN));
}

int main(void) {
    static const float zeros[] = {0, 0}, plus_minus[] = {1, -1};
    without_window();
    if (lu_open_window(0) == 0) return 2;
    show("view3d_before_frame", lu_plot_view3d(1, 1, 1, 0, 1, 0, 1, 0, 1, 30, 40, 0));
    show("line_before_frame", lu_plot_line(3, x, y));
    show("line_before_frame_again", lu_plot_line(3, x, y));
    show("points_before_frame", lu_plot_points(3, x, y, 1));
    show("labels_before_frame", lu_plot_labels("x", "y", "title"));
    show("legend_before_frame", lu_plot_legend(1));
    show("log_axis_from_zero", lu_plot_frame(0, 10, 1, 2, LU_PLOT_LOG_X));
    show("not_a_number", lu_plot_frame(0, 1, NAN, 1, 0));
    show("no_subpages", lu_plot_subpages(0, 0));
    show("no_such_panel", lu_plot_advance(5));
    show("text_scale", lu_plot_set_text_scale(-1));
    if (lu_plot_frame(0, 4, 0, 10, 0) == 0) return 3;
    show("single_point", lu_plot_line(1, x, y));
    show("null_array", lu_plot_line(3, NULL, y));
    show("bad_marker", lu_plot_points(3, x, y, 7));
    show("empty_legend", lu_plot_legend(1));
    show("legend_corner", lu_plot_legend(12));
    show("legend_style", lu_plot_legend_entry("data", -1, 12, 0));
    show("no_bins", lu_plot_histogram(3, y, 0, 10, 0, 0));
    show("backward_range", lu_plot_histogram(3, y, 10, 0, 5, 0));
    show("no_slices", lu_plot_pie(0, y));
    show("empty_pie", lu_plot_pie(2, zeros));
    show("negative_slice", lu_plot_pie(2, plus_minus));
    show("no_bars", lu_plot_bars(0, 1, y, 0));
    show("polar_radius", lu_plot_polar_frame(0));
    show("field_side", lu_draw_contours(field, 0, 3, LU_ROW_MAJOR, 0, 0, 1, 1, NULL, 5, 0));
    show("field_layout", lu_fill_contours(field, 2, 3, 7, 0, 0, 1, 1, NULL, 5));
    show("field_corners",
         lu_draw_contours(field, 2, 3, LU_ROW_MAJOR, 0, 0, INFINITY, 1, NULL, 5, 0));
    show("colour_bar_width", lu_draw_colour_bar(0.02f, 0, NULL, 0));
    show("colour_map", lu_set_colour_map(9, 0, 1));
    in_3d();
    cursor_and_opacity();
    conversions_and_grids();
    show("good_line", lu_plot_line(3, x, y));
    lu_quit();
    return 0;
}
