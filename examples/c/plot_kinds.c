/*
 * plot_kinds: one small plot of each kind the plotting layer draws, on a page of sixteen
 * panels: lines with a legend, markers with error bars, log axes, a time axis, a step
 * line, a histogram, bars, a pie, a polar plot, box-and-whiskers, filled contours with a
 * colour bar, arrows over contour lines, hatched bars, a map through a plot transform, a
 * 3-D line and a 3-D surface. Each kind is one function, so that the
 * guide's pictures of the kinds are drawn by this very code. Every call is checked: the
 * program ends with status 1 and names the call that failed.
 *
 *   cc plot_kinds.c $(pkg-config --cflags --libs lumora) -lm -o plot_kinds
 */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

#define N 60
#define SIDE 24

static void ok(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "plot_kinds: %s failed\n", what);
        exit(1);
    }
}

/* sin and cos with a legend in the upper right corner. */
static void kind_lines(void) {
    float x[N], s[N], c[N];
    for (int i = 0; i < N; ++i) {
        x[i] = 6.2832f * (float)i / (N - 1);
        s[i] = sinf(x[i]);
        c[i] = cosf(x[i]);
    }
    ok(lu_plot_frame(0, 6.2832f, -1.2f, 1.2f, LU_PLOT_GRID), "lu_plot_frame");
    ok(lu_plot_labels("t", "", "lines"), "lu_plot_labels");
    ok(lu_plot_next_colour(), "lu_plot_next_colour");
    ok(lu_plot_line(N, x, s), "lu_plot_line");
    ok(lu_plot_legend_entry("sin t", -1, 0, 0), "lu_plot_legend_entry");
    ok(lu_plot_next_colour(), "lu_plot_next_colour");
    ok(lu_plot_line(N, x, c), "lu_plot_line");
    ok(lu_plot_legend_entry("cos t", -1, 0, 0), "lu_plot_legend_entry");
    ok(lu_plot_legend(1), "lu_plot_legend");
    ok(lu_set_pen(0, -1, -1, -1), "lu_set_pen"); /* black again, for the plots after */
}

/* Measurements with their errors: filled circles and vertical error bars. */
static void kind_errors(void) {
    const float x[] = {1, 2, 3, 4, 5, 6, 7};
    const float y[] = {2.1f, 3.9f, 6.2f, 7.8f, 10.1f, 12.2f, 13.8f};
    float low[7], high[7];
    for (int i = 0; i < 7; ++i) {
        low[i] = y[i] - 0.3f - 0.1f * (float)i;
        high[i] = y[i] + 0.3f + 0.1f * (float)i;
    }
    ok(lu_plot_frame(0, 8, 0, 16, 0), "lu_plot_frame");
    ok(lu_plot_labels("x", "y", "points, error bars"), "lu_plot_labels");
    ok(lu_plot_error_y(7, x, low, high), "lu_plot_error_y");
    ok(lu_plot_points(7, x, y, 13), "lu_plot_points");
}

/* A power law on log axes: decades numbered as powers of ten. */
static void kind_log(void) {
    float x[N], y[N];
    for (int i = 0; i < N; ++i) {
        x[i] = powf(10.0f, 3.0f * (float)i / (N - 1));
        y[i] = 0.5f * powf(x[i], 1.5f);
    }
    ok(lu_plot_frame(1, 1000, 0.1f, 1e5f, LU_PLOT_LOG_X | LU_PLOT_LOG_Y | LU_PLOT_GRID),
       "lu_plot_frame");
    ok(lu_plot_labels("f", "P", "log axes"), "lu_plot_labels");
    ok(lu_plot_line(N, x, y), "lu_plot_line");
}

/* A day of readings on a time axis: seconds after the time origin, on the UTC calendar. */
static void kind_time(void) {
    float t[N], v[N];
    for (int i = 0; i < N; ++i) {
        t[i] = 86400.0f * (float)i / (N - 1);
        v[i] = 15 + 6 * sinf(6.2832f * (t[i] / 86400.0f - 0.3f));
    }
    ok(lu_plot_set_time_origin(1.7e9), "lu_plot_set_time_origin");
    ok(lu_plot_frame(0, 86400, 5, 25, LU_PLOT_TIME_X), "lu_plot_frame");
    ok(lu_plot_labels("UTC", "deg C", "time axis"), "lu_plot_labels");
    ok(lu_plot_line(N, t, v), "lu_plot_line");
    ok(lu_plot_set_time_origin(0), "lu_plot_set_time_origin");
}

/* A step line: each value holds until the next point. */
static void kind_step(void) {
    const float x[] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    const float y[] = {1, 3, 2, 5, 4, 4, 6, 3, 3};
    ok(lu_plot_frame(0, 8, 0, 7, 0), "lu_plot_frame");
    ok(lu_plot_labels("day", "jobs", "step line"), "lu_plot_labels");
    ok(lu_plot_step(9, x, y), "lu_plot_step");
}

/* Uniform numbers in [0, 1) from a fixed seed, the same on every platform. */
static float uniform(unsigned long* seed) {
    *seed = (*seed * 1103515245UL + 12345UL) & 0x7fffffffUL;
    return (float)(*seed % 1000000UL) / 1000000.0f;
}

/* A histogram of sums of uniform numbers, in its own frame. */
static void kind_histogram(void) {
    float data[1000];
    unsigned long seed = 7;
    for (int i = 0; i < 1000; ++i)
        data[i] = uniform(&seed) + uniform(&seed) + uniform(&seed) + uniform(&seed);
    ok(lu_plot_histogram(1000, data, 0, 4, 20, LU_PLOT_HIST_FRAME | LU_PLOT_HIST_FILLED),
       "lu_plot_histogram");
    ok(lu_plot_labels("sum", "count", "histogram"), "lu_plot_labels");
}

/* Three series over four groups, side by side. */
static void kind_bars(void) {
    const float values[] = {3, 5, 2, 4, 2, 4, 3, 5, 1, 2, 4, 3};
    ok(lu_plot_frame(0.4f, 4.6f, 0, 6, 0), "lu_plot_frame");
    ok(lu_plot_labels("quarter", "units", "bars"), "lu_plot_labels");
    ok(lu_plot_bars(4, 3, values, 0), "lu_plot_bars");
}

static void kind_pie(void) {
    const float shares[] = {35, 25, 20, 12, 8};
    ok(lu_plot_pie_labelled(5, shares, 90, LU_PLOT_PIE_CLOCKWISE, "oak|beech|ash|pine|elm"),
       "lu_plot_pie_labelled");
    ok(lu_plot_labels("", "", "pie"), "lu_plot_labels");
}

/* A rose r = cos 3 theta in a polar frame. */
static void kind_polar(void) {
    float theta[181], r[181];
    for (int i = 0; i < 181; ++i) {
        theta[i] = 3.14159265f * (float)i / 180;
        r[i] = fabsf(cosf(3 * theta[i]));
    }
    ok(lu_plot_polar_frame(1), "lu_plot_polar_frame");
    ok(lu_plot_polar_line(181, theta, r), "lu_plot_polar_line");
}

/* Three samples as boxes and whiskers, one with values beyond the whiskers. */
static void kind_box_whisker(void) {
    float a[40], b[40], c[40];
    unsigned long seed = 3;
    for (int i = 0; i < 40; ++i) {
        a[i] = 4 + 2 * uniform(&seed);
        b[i] = 5 + 4 * uniform(&seed) * uniform(&seed);
        c[i] = 3 + 2 * uniform(&seed);
    }
    c[0] = 9.5f;
    c[1] = 0.5f;
    ok(lu_plot_frame(0.4f, 3.6f, 0, 10, 0), "lu_plot_frame");
    ok(lu_plot_labels("sample", "value", "box and whiskers"), "lu_plot_labels");
    ok(lu_plot_box_whisker(1, 0.5f, 40, a), "lu_plot_box_whisker");
    ok(lu_plot_box_whisker(2, 0.5f, 40, b), "lu_plot_box_whisker");
    ok(lu_plot_box_whisker(3, 0.5f, 40, c), "lu_plot_box_whisker");
}

/* Two hills and a valley: side x side values over -3 ... 3, in Fortran's order. */
static void hills(float* z, int side) {
    for (int j = 0; j < side; ++j) {
        for (int i = 0; i < side; ++i) {
            const float x = -3 + 6 * ((float)i + 0.5f) / (float)side;
            const float y = -3 + 6 * ((float)j + 0.5f) / (float)side;
            z[i + j * side] = expf(-(x - 1) * (x - 1) - (y - 1) * (y - 1)) +
                              0.7f * expf(-(x + 1.2f) * (x + 1.2f) - y * y) -
                              0.8f * expf(-(x - 0.5f) * (x - 0.5f) - (y + 1.5f) * (y + 1.5f));
        }
    }
}

/* Filled contours in the diverging colour map, with a colour bar of their levels. */
static void kind_filled_contours(void) {
    static float z[SIDE * SIDE];
    const float levels[] = {-0.8f, -0.6f, -0.4f, -0.2f, 0, 0.2f, 0.4f, 0.6f, 0.8f, 1.0f};
    hills(z, SIDE);
    ok(lu_plot_frame(-3, 3, -3, 3, LU_PLOT_ROOM_RIGHT), "lu_plot_frame");
    ok(lu_plot_labels("x", "y", "filled contours"), "lu_plot_labels");
    ok(lu_set_colour_map(LU_MAP_DIVERGING, -1, 1), "lu_set_colour_map");
    ok(lu_fill_contours(z, SIDE, SIDE, LU_COLUMN_MAJOR, -3, -3, 3, 3, levels, 10),
       "lu_fill_contours");
    /* The bar's numbers are in the text font: a third of the frame's world unit high. */
    ok(lu_set_font(0.33f, 0, 0, 0, 0, NULL), "lu_set_font");
    ok(lu_draw_colour_bar(0.02f, 0.03f, levels, 10), "lu_draw_colour_bar");
}

/* The slope of the hills as arrows (on a coarser grid) over their contour lines. */
static void kind_arrows(void) {
    enum { COARSE = SIDE / 2 };
    static float z[SIDE * SIDE], c[COARSE * COARSE], u[COARSE * COARSE], v[COARSE * COARSE];
    hills(z, SIDE);
    hills(c, COARSE);
    for (int j = 0; j < COARSE; ++j) {
        for (int i = 0; i < COARSE; ++i) {
            const int k = i + j * COARSE;
            u[k] = i + 1 < COARSE ? c[k + 1] - c[k] : c[k] - c[k - 1];
            v[k] = j + 1 < COARSE ? c[k + COARSE] - c[k] : c[k] - c[k - COARSE];
        }
    }
    ok(lu_plot_frame(-3, 3, -3, 3, LU_PLOT_EQUAL), "lu_plot_frame");
    ok(lu_plot_labels("x", "y", "contours, arrows"), "lu_plot_labels");
    ok(lu_draw_contours(z, SIDE, SIDE, LU_COLUMN_MAJOR, -3, -3, 3, 3, NULL, -8, 0),
       "lu_draw_contours");
    ok(lu_draw_vectors(u, v, COARSE, COARSE, LU_COLUMN_MAJOR, -3, -3, 3, 3, 0), "lu_draw_vectors");
}

/* The bars of kind_bars hatched: each series in a pattern of its own. */
static void kind_hatched(void) {
    const float values[] = {3, 5, 2, 4, 2, 4, 3, 5, 1, 2, 4, 3};
    const int patterns[] = {LU_HATCH_UP_45, LU_HATCH_HORIZONTAL, LU_HATCH_CROSSED_45};
    ok(lu_plot_frame(0.4f, 4.6f, 0, 6, 0), "lu_plot_frame");
    ok(lu_plot_labels("quarter", "units", "hatched bars"), "lu_plot_labels");
    ok(lu_plot_hatch_cycle(3, patterns), "lu_plot_hatch_cycle");
    ok(lu_plot_bars(4, 3, values, 0), "lu_plot_bars");
    ok(lu_plot_hatch(LU_HATCH_SOLID), "lu_plot_hatch");
}

/* Meridians and parallels every 30 degrees drawn in longitude and latitude through the
 * orthographic transform: the globe seen from above 20 E, 40 N, inside its outline (a
 * circle of radius 180 / pi in the world, drawn without the transform). */
static void kind_transform(void) {
    float lon[N], lat[N];
    ok(lu_plot_frame(-60, 60, -60, 60, LU_PLOT_EQUAL | LU_PLOT_NO_BOX), "lu_plot_frame");
    ok(lu_plot_labels("", "", "plot transform"), "lu_plot_labels");
    ok(lu_set_plot_transform_code(LU_TRANSFORM_ORTHOGRAPHIC, 20, 40), "lu_set_plot_transform_code");
    for (int m = -180; m < 180; m += 30) {
        for (int i = 0; i < N; ++i) {
            lon[i] = (float)m;
            lat[i] = -90 + 180 * (float)i / (N - 1);
        }
        ok(lu_plot_line(N, lon, lat), "lu_plot_line");
    }
    for (int p = -60; p <= 60; p += 30) {
        for (int i = 0; i < N; ++i) {
            lon[i] = -180 + 360 * (float)i / (N - 1);
            lat[i] = (float)p;
        }
        ok(lu_plot_line(N, lon, lat), "lu_plot_line");
    }
    ok(lu_set_plot_transform_code(0, 0, 0), "lu_set_plot_transform_code");
    for (int i = 0; i < N; ++i) {
        lon[i] = 57.2958f * cosf(6.2832f * (float)i / (N - 1));
        lat[i] = 57.2958f * sinf(6.2832f * (float)i / (N - 1));
    }
    ok(lu_plot_line(N, lon, lat), "lu_plot_line");
}

/* Three turns of a helix in a 3-D view, its box numbered on the edges facing the viewer. */
static void kind_line3d(void) {
    float x[N], y[N], z[N];
    for (int i = 0; i < N; ++i) {
        const float t = 3 * 6.2832f * (float)i / (N - 1);
        x[i] = cosf(t);
        y[i] = sinf(t);
        z[i] = t / 6.2832f;
    }
    ok(lu_plot_frame(-1, 1, -0.9f, 1.1f, LU_PLOT_NO_BOX), "lu_plot_frame");
    ok(lu_plot_view3d(1.1f, 1.1f, 1, -1, 1, -1, 1, 0, 3, 30, 40, 0), "lu_plot_view3d");
    ok(lu_plot_box3d("bnt", "x", 0, 0, "bnt", "y", 0, 0, "bcnt", "z", 0, 0), "lu_plot_box3d");
    ok(lu_plot_labels(NULL, NULL, "3-D line"), "lu_plot_labels");
    ok(lu_plot_line3d(N, x, y, z), "lu_plot_line3d");
}

/* The hills of the contour plots as a surface in the colours of its height. */
static void kind_surface3d(void) {
    static float z[SIDE * SIDE];
    float axis[SIDE];
    hills(z, SIDE);
    for (int i = 0; i < SIDE; ++i) axis[i] = -3 + 6 * ((float)i + 0.5f) / (float)SIDE;
    ok(lu_plot_frame(-1, 1, -0.9f, 1.1f, LU_PLOT_NO_BOX), "lu_plot_frame");
    ok(lu_plot_view3d(1.2f, 1.2f, 0.8f, -3, 3, -3, 3, -1, 1.2f, 35, 40, 0), "lu_plot_view3d");
    ok(lu_plot_box3d("bnt", "x", 0, 0, "bnt", "y", 0, 0, "bcnt", "z", 0, 0), "lu_plot_box3d");
    ok(lu_plot_labels(NULL, NULL, "3-D surface"), "lu_plot_labels");
    ok(lu_set_colour_map(LU_MAP_VIRIDIS, -1, 1.2f), "lu_set_colour_map");
    ok(lu_plot_surface3d(z, SIDE, SIDE, LU_COLUMN_MAJOR, axis, axis, LU_SURFACE_FACETS),
       "lu_plot_surface3d");
}

#ifndef PLOT_KINDS_NO_MAIN
int main(void) {
    void (*const kinds[])(void) = {
        kind_lines,           kind_errors, kind_log,     kind_time,      kind_step,
        kind_histogram,       kind_bars,   kind_pie,     kind_polar,     kind_box_whisker,
        kind_filled_contours, kind_arrows, kind_hatched, kind_transform, kind_line3d,
        kind_surface3d};
    ok(lu_open_window(0), "lu_open_window");
    ok(lu_plot_subpages(4, 4), "lu_plot_subpages");
    for (size_t k = 0; k < sizeof kinds / sizeof kinds[0]; ++k) kinds[k]();
    lu_quit();
    return 0;
}
#endif
