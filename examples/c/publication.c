/*
 * publication: four panels with what a figure for a paper asks of its axes.
 *
 * A filter's response on a log frequency axis with its phase on a twin axis; a week of
 * hourly readings on a time axis numbered "10 Dec", with a legend in one row below the
 * box; filled contours labelled in a format of their own beside a colour bar with end
 * caps and a title; bars with a legend of filled boxes and coloured texts beside the box.
 * Every call is checked: the program ends with status 1 and names the call that failed.
 *
 *   cc publication.c $(pkg-config --cflags --libs lumora) -lm -o publication
 */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

#define POINTS 200
#define HOURS (7 * 24)
#define SIDE 40

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "publication: %s failed\n", what);
        exit(1);
    }
}

/* A second-order low-pass filter at 1 kHz: gain in dB and phase in degrees. */
static void response(void) {
    static float f[POINTS], gain[POINTS], phase[POINTS];
    for (int i = 0; i < POINTS; ++i) {
        f[i] = powf(10.0f, 1.0f + 4.0f * (float)i / (POINTS - 1));
        const float u = f[i] / 1000.0f;
        gain[i] = -10.0f * log10f((1 - u * u) * (1 - u * u) + 2 * u * u);
        phase[i] = -atan2f(1.41421356f * u, 1 - u * u) * 57.2957795f;
    }
    check(lu_plot_frame(10.0f, 1e5f, -80.0f, 5.0f,
                        LU_PLOT_LOG_X | LU_PLOT_GRID | LU_PLOT_ROOM_TWIN_Y),
          "lu_plot_frame (response)");
    check(lu_plot_labels("frequency (Hz)", "gain (dB)", "Low-pass, $f_c = 1\\,\\mathrm{kHz}$"),
          "lu_plot_labels (response)");
    check(lu_plot_next_colour(), "lu_plot_next_colour");
    check(lu_plot_line(POINTS, f, gain), "lu_plot_line (gain)");
    check(lu_plot_set_number_format(LU_PLOT_TWIN_NUMBERS, "%g deg"), "lu_plot_set_number_format");
    check(lu_plot_twin_y(-180.0f, 0.0f, 0, "phase $\\varphi$"), "lu_plot_twin_y");
    check(lu_plot_next_colour(), "lu_plot_next_colour");
    check(lu_plot_line(POINTS, f, phase), "lu_plot_line (phase)");
}

/* Hourly temperature and dew point for a week from 2026-12-07. */
static void week(void) {
    static float t[HOURS], air[HOURS], dew[HOURS];
    for (int i = 0; i < HOURS; ++i) {
        t[i] = 3600.0f * (float)i;
        air[i] = 4.0f + 5.0f * sinf(6.2831853f * ((float)i / 24.0f - 0.375f)) + 0.02f * (float)i;
        dew[i] = air[i] - 3.0f - 1.5f * cosf(6.2831853f * (float)i / 24.0f);
    }
    check(lu_plot_set_time_origin(1796601600.0), "lu_plot_set_time_origin");
    check(lu_plot_set_time_format("%d %b"), "lu_plot_set_time_format");
    check(lu_plot_set_number_format(LU_PLOT_Y_NUMBERS, "%+.0f"), "lu_plot_set_number_format");
    check(lu_plot_frame(0.0f, (float)(HOURS * 3600), -6.0f, 14.0f, LU_PLOT_TIME_X | LU_PLOT_AXES),
          "lu_plot_frame (week)");
    check(lu_plot_labels("", "$^\\circ\\mathrm{C}$", "A week in December"),
          "lu_plot_labels (week)");
    check(lu_plot_next_colour(), "lu_plot_next_colour");
    check(lu_plot_line(HOURS, t, air), "lu_plot_line (air)");
    check(lu_plot_legend_entry("air", -1, 0, 0), "lu_plot_legend_entry");
    check(lu_plot_next_colour(), "lu_plot_next_colour");
    check(lu_plot_line(HOURS, t, dew), "lu_plot_line (dew point)");
    check(lu_plot_legend_entry("dew point", -1, 2, 0), "lu_plot_legend_entry");
    check(lu_plot_legend_at(LU_PLOT_LEGEND_OUTSIDE | LU_PLOT_LEGEND_BOTTOM, 0, 0, 2, -1),
          "lu_plot_legend_at (week)");
    check(lu_plot_set_number_format(LU_PLOT_Y_NUMBERS, NULL), "lu_plot_set_number_format");
}

/* A hill and a hollow, filled between levels 0.2 apart, labelled in one decimal (a bar of 0.03 with
 * numbers of four characters leaves its title room beside it in the room LU_PLOT_ROOM_RIGHT makes).
 */
static void field(void) {
    static float z[SIDE * SIDE];
    for (int i = 0; i < SIDE; ++i) {
        for (int j = 0; j < SIDE; ++j) {
            const float x = -2 + 4.0f * ((float)i + 0.5f) / SIDE,
                        y = -2 + 4.0f * ((float)j + 0.5f) / SIDE;
            z[i * SIDE + j] = 1.2f * expf(-(x - 0.7f) * (x - 0.7f) - y * y) -
                              expf(-(x + 0.8f) * (x + 0.8f) - (y - 0.5f) * (y - 0.5f));
        }
    }
    static const float levels[] = {-0.8f, -0.6f, -0.4f, -0.2f, 0, 0.2f, 0.4f, 0.6f, 0.8f, 1.0f};
    check(lu_plot_frame(-2.0f, 2.0f, -2.0f, 2.0f, LU_PLOT_ROOM_RIGHT), "lu_plot_frame (field)");
    check(lu_plot_labels("x", "y", "Filled contours"), "lu_plot_labels (field)");
    check(lu_set_colour_map(LU_MAP_DIVERGING, -1.0f, 1.0f), "lu_set_colour_map");
    check(lu_set_colour_map_extremes(lu_make_rgb_colour(40, 0, 90), lu_make_rgb_colour(120, 0, 0),
                                     -1),
          "lu_set_colour_map_extremes");
    check(lu_fill_contours(z, SIDE, SIDE, LU_ROW_MAJOR, -2, -2, 2, 2, levels, 10),
          "lu_fill_contours");
    check(lu_plot_set_number_format(LU_PLOT_CONTOUR_NUMBERS | LU_PLOT_BAR_NUMBERS, "%.1f"),
          "lu_plot_set_number_format");
    check(lu_draw_contours(z, SIDE, SIDE, LU_ROW_MAJOR, -2, -2, 2, 2, levels, 10, 1),
          "lu_draw_contours");
    check(lu_draw_colour_bar_labelled(0.02f, 0.03f, levels, 10, LU_BAR_CAP_UNDER | LU_BAR_CAP_OVER,
                                      "height (m)"),
          "lu_draw_colour_bar_labelled");
}

/* Energy by source in three years, with a legend of boxes in the bars' colours. */
static void bars(void) {
    static const float share[] = {12, 15, 19, 22, 25, 27, 30, 29, 31};
    static const char* names[] = {"solar", "wind", "hydro"};
    check(lu_plot_frame(0.4f, 3.6f, 0.0f, 35.0f, LU_PLOT_ROOM_RIGHT), "lu_plot_frame (bars)");
    check(lu_plot_box("bcst", 0, 0, "", 0, 0), "lu_plot_box");
    check(lu_plot_labels("2024 ... 2026", "share (%)", "Sources"), "lu_plot_labels (bars)");
    check(lu_plot_bars(3, 3, share, 0), "lu_plot_bars");
    check(lu_plot_legend_text_colour(-1), "lu_plot_legend_text_colour");
    for (int k = 0; k < 3; ++k)
        check(lu_plot_legend_swatch(names[k], lu_plot_colour(k)), "lu_plot_legend_swatch");
    check(lu_plot_legend_at(LU_PLOT_LEGEND_OUTSIDE | LU_PLOT_LEGEND_RIGHT | LU_PLOT_LEGEND_TOP, 0,
                            0, 1, -1),
          "lu_plot_legend_at (bars)");
}

int main(void) {
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_subpages(2, 2), "lu_plot_subpages");
    response();
    week();
    field();
    bars();
    lu_quit();
    return 0;
}
