/*
 * plot_misuse: calls the plotting layer and the fields the ways a new user gets wrong and
 * prints "<case> <result>" for each on its output; the library says why on the error
 * stream. Then it draws a frame and a line as it should, to show that nothing was lost.
 */
#include <math.h>
#include <stdio.h>

#include "lumora.h"

static void show(const char* name, int result) {
    printf("%s %d\n", name, result);
    fflush(stdout);
}

int main(void) {
    static const float x[] = {1, 2, 3}, y[] = {1, 4, 9}, zeros[] = {0, 0}, plus_minus[] = {1, -1};
    static const float field[] = {0, 1, 2, 3, 4, 5};
    show("no_window_line", lu_plot_line(3, x, y));
    show("no_window_frame", lu_plot_frame(0, 1, 0, 1, 0));
    if (lu_open_window(0) == 0) return 2;
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
    show("good_line", lu_plot_line(3, x, y));
    lu_quit();
    return 0;
}
