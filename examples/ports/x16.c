/* x16: PLplot's example 16 in Lumora's idiom: the "bogon density" -sin 7x cos 7y + x^2 - y^2
 * as filled contours of twenty bands with a colour bar, on an even grid through -1 ... 1
 * in grey, on a grid distorted along each axis alone from blue to yellow, on a grid
 * distorted in both directions at once in the diverging map with the streamlines
 * -cos 7x sin 7y + 2xy over it, and again with the bands' borders drawn; last a
 * "tokamak" field exp(-r^2) cos 5 pi r cos 5 theta on a polar grid in grey. Each page is a
 * window of its own. Every call is checked: a failed one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kX = 35, kY = 46, kBands = 20 };
enum { kPerimeter = 100 };

static const double kPi = 3.14159265358979323846;

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x16: %s failed\n", what);
        exit(1);
    }
}

static int colour(int red, int green, int blue) {
    return lu_make_rgb_colour(red, green, blue);
}

/* The fields and grids, row-major: value (i, j) at [i * kY + j]. */
static double z[kX * kY], w[kX * kY];
static double even_x[kX], even_y[kY], axis_x[kX], axis_y[kY];
static double grid_x[kX * kY], grid_y[kX * kY];
static double edges[kBands + 1];
static float bar_edges[kBands + 1];

static void range_of(const double* v, int n, double* low, double* high) {
    *low = *high = v[0];
    for (int k = 1; k < n; ++k) {
        *low = fmin(*low, v[k]);
        *high = fmax(*high, v[k]);
    }
}

static void make_fields(void) {
    const double distort = 0.4;
    for (int i = 0; i < kX; ++i) {
        const double xx = (double)(i - kX / 2) / (double)(kX / 2);
        const double x = -1.0 + 2.0 * i / (kX - 1), argx = x * kPi / 2;
        even_x[i] = x;
        axis_x[i] = x + distort * cos(argx);
        for (int j = 0; j < kY; ++j) {
            const double yy = (double)(j - kY / 2) / (double)(kY / 2) - 1.0;
            const double y = -1.0 + 2.0 * j / (kY - 1), argy = y * kPi / 2;
            z[i * kY + j] = -sin(7 * xx) * cos(7 * yy) + xx * xx - yy * yy;
            w[i * kY + j] = -cos(7 * xx) * sin(7 * yy) + 2 * xx * yy;
            even_y[j] = y;
            axis_y[j] = y - distort * cos(argy);
            grid_x[i * kY + j] = x + distort * cos(argx) * cos(argy);
            grid_y[i * kY + j] = y - distort * cos(argx) * cos(argy);
        }
    }
}

/* Band edges evenly through the field's range, which the colour map spans. */
static void make_levels(const double* v, int n) {
    double low = 0, high = 0;
    range_of(v, n, &low, &high);
    for (int k = 0; k <= kBands; ++k) {
        edges[k] = low + (high - low) * k / kBands;
        bar_edges[k] = (float)edges[k];
    }
    check(lu_set_colour_map(0, (float)low, (float)high), "lu_set_colour_map (range)");
}

static void open_page(int map) {
    check(lu_open_window(0), "lu_open_window");
    check(lu_set_colour_map(map, 0, 1), "lu_set_colour_map");
}

static void bar_and_labels(const char* title) {
    check(lu_set_pen(colour(0, 0, 0), 0, 0, -1), "lu_set_pen");
    check(lu_draw_colour_bar_labelled(0.02f, 0.04f, bar_edges, kBands + 1, 0, "Magnitude"),
          "lu_draw_colour_bar_labelled");
    check(lu_plot_labels("distance", "altitude", title), "lu_plot_labels");
}

/* The bogon density on a grid, filled in twenty bands of the map. */
static void density_page(int map, const double* xg, const double* yg, int grid) {
    open_page(map);
    make_levels(z, kX * kY);
    check(lu_plot_frame(-1.0f, 1.0f, -1.0f, 1.0f, LU_PLOT_ROOM_RIGHT), "lu_plot_frame");
    check(lu_fill_contours_on_grid_double(z, kX, kY, LU_ROW_MAJOR, xg, yg, grid, edges, kBands + 1),
          "lu_fill_contours_on_grid_double");
}

static void streamlines_page(void) {
    density_page(LU_MAP_DIVERGING, grid_x, grid_y, LU_GRID_POINTS);
    check(lu_set_pen(colour(0, 0, 0), 0, 0, -1), "lu_set_pen");
    /* As PLplot does, the stream function at levels in the middles of the density's bands. */
    double low = 0, high = 0, levels[kBands];
    range_of(z, kX * kY, &low, &high);
    for (int k = 0; k < kBands; ++k) levels[k] = low + (high - low) * (k + 0.5) / kBands;
    check(lu_draw_contours_on_grid_double(w, kX, kY, LU_ROW_MAJOR, grid_x, grid_y, LU_GRID_POINTS,
                                          levels, kBands, 0),
          "lu_draw_contours_on_grid_double (streamlines)");
    bar_and_labels("Bogon density, with streamlines");
}

static void bordered_page(void) {
    density_page(LU_MAP_SEQUENTIAL, grid_x, grid_y, LU_GRID_POINTS);
    check(lu_set_pen(colour(255, 0, 0), 0, 1, -1), "lu_set_pen");
    check(lu_draw_contours_on_grid_double(z, kX, kY, LU_ROW_MAJOR, grid_x, grid_y, LU_GRID_POINTS,
                                          edges, kBands + 1, 0),
          "lu_draw_contours_on_grid_double (borders)");
    bar_and_labels("Bogon density");
}

static void tokamak_page(void) {
    static double x[kX * kY], y[kX * kY], v[kX * kY];
    for (int i = 0; i < kX; ++i) {
        const double r = i / (double)(kX - 1);
        for (int j = 0; j < kY; ++j) {
            const double t = 2 * kPi / (kY - 1.0) * j;
            x[i * kY + j] = r * cos(t);
            y[i * kY + j] = r * sin(t);
            v[i * kY + j] = exp(-r * r) * cos(5 * kPi * r) * cos(5 * t);
        }
    }
    open_page(LU_MAP_GREY);
    make_levels(v, kX * kY);
    check(lu_plot_frame(-1.0f, 1.0f, -1.0f, 1.0f,
                        LU_PLOT_EQUAL | LU_PLOT_NO_BOX | LU_PLOT_ROOM_RIGHT),
          "lu_plot_frame");
    check(lu_fill_contours_on_grid_double(v, kX, kY, LU_ROW_MAJOR, x, y, LU_GRID_POINTS, edges,
                                          kBands + 1),
          "lu_fill_contours_on_grid_double (tokamak)");
    double px[kPerimeter], py[kPerimeter];
    for (int k = 0; k < kPerimeter; ++k) {
        const double t = 2 * kPi * k / (kPerimeter - 1);
        px[k] = cos(t);
        py[k] = sin(t);
    }
    check(lu_set_pen(colour(0, 0, 0), 0, 0, -1), "lu_set_pen");
    check(lu_plot_line_d(kPerimeter, px, py), "lu_plot_line_d");
    check(lu_draw_colour_bar_labelled(0.02f, 0.04f, bar_edges, kBands + 1, 0, "Magnitude"),
          "lu_draw_colour_bar_labelled");
    check(lu_plot_labels(NULL, NULL, "Tokamak Bogon Instability"), "lu_plot_labels");
}

int main(void) {
    static const float blue_yellow[] = {0, 1};
    int ends[2];
    make_fields();
    ends[0] = colour(0, 0, 255);
    ends[1] = colour(255, 255, 0);
    check(lu_define_colour_map(LU_MAP_OWN + 1, 2, blue_yellow, ends, LU_MAP_BLEND_RGB),
          "lu_define_colour_map");
    density_page(LU_MAP_GREY, even_x, even_y, LU_GRID_AXES);
    bar_and_labels("Bogon density");
    density_page(LU_MAP_OWN + 1, axis_x, axis_y, LU_GRID_AXES);
    bar_and_labels("Bogon density");
    streamlines_page();
    bordered_page();
    tokamak_page();
    lu_quit();
    return 0;
}
