/* x15: PLplot's example 15 in Lumora's idiom, shade plots of the field
 * x^2 - y^2 + (x - y) / (x^2 + y^2 + 0.1) on a 35 x 46 grid over -1 ... 1 (y shifted by
 * one). Page 1: one band, the values from 40 % to 60 % of the range, cross-hatched in grey
 * with its lower edge's contour in blue and its upper edge's in gold. Page 2: ten bands
 * side by side, each hatched in a pattern of its own (one or two sets of lines at PLplot's
 * angles and spacings) and a colour of PLplot's colour map 0. Every call is checked: a
 * failed one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kX = 35, kY = 46 };

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x15: %s failed\n", what);
        exit(1);
    }
}

/* PLplot's colour map 0 entries 2 and 6 ... 15, darkened where they would vanish on
 * white (white itself as black). */
static int pl_colour(int index) {
    static const int rgb[16][3] = {
        {0, 0, 0},      {255, 0, 0},     {190, 150, 0},   {0, 170, 0},
        {0, 150, 130},  {230, 110, 130}, {190, 160, 110}, {130, 130, 130},
        {165, 42, 42},  {0, 0, 255},     {138, 43, 226},  {0, 170, 170},
        {40, 160, 150}, {255, 0, 255},   {250, 128, 114}, {0, 0, 0}};
    const int* c = rgb[index % 16];
    return lu_make_rgb_colour(c[0], c[1], c[2]);
}

static double z[kX][kY], zmin, zmax;

/* The field's rectangle: PLplot puts the first and last values on -1 and 1, Lumora's
 * field operations put each value in the middle of its cell, so the cells reach half a
 * step beyond. */
static const double kHalfX = 1.0 / (kX - 1), kHalfY = 1.0 / (kY - 1);

static void band(double low, double high) {
    check(lu_fill_contour_band_double(&z[0][0], kX, kY, LU_ROW_MAJOR, -1 - kHalfX, -1 - kHalfY,
                                      1 + kHalfX, 1 + kHalfY, low, high),
          "lu_fill_contour_band_double");
}

static void frame_page(void) {
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_set_colours(pl_colour(1), pl_colour(1), pl_colour(2), pl_colour(2), -1),
          "lu_plot_set_colours");
    check(lu_plot_frame(-1.0f, 1.0f, -1.0f, 1.0f, 0), "lu_plot_frame");
}

static void labels(void) {
    check(lu_plot_labels("distance", "altitude", "Bogon flux"), "lu_plot_labels");
}

static void one_band(void) {
    const double low = zmin + (zmax - zmin) * 0.4, high = zmin + (zmax - zmin) * 0.6;
    frame_page();
    check(lu_plot_hatch(LU_HATCH_CROSSED_45), "lu_plot_hatch");
    check(lu_set_pen(pl_colour(7), 0, 2, -1), "lu_set_pen");
    band(low, high);
    check(lu_plot_hatch(LU_HATCH_SOLID), "lu_plot_hatch");
    /* The band's edges: its lower level in blue, its upper one in gold, two pixels wide. */
    const double edges[2] = {low, high};
    const int colours[2] = {9, 2};
    for (int k = 0; k < 2; ++k) {
        check(lu_set_pen(pl_colour(colours[k]), 0, 2, -1), "lu_set_pen");
        check(lu_draw_contours_double(&z[0][0], kX, kY, LU_ROW_MAJOR, -1 - kHalfX, -1 - kHalfY,
                                      1 + kHalfX, 1 + kHalfY, &edges[k], 1, 0),
              "lu_draw_contours_double");
    }
    labels();
}

static void ten_bands(void) {
    /* PLplot's plpat patterns: the number of sets, their angles in tenths of a degree and
     * their spacings in micrometres (2000: 2 mm, 7.6 pixels at 96 dpi). */
    static const int sets[10] = {1, 1, 1, 1, 1, 2, 2, 2, 2, 2};
    static const int inc[10][2] = {{450, 0},    {-450, 0}, {0, 0},   {900, 0},    {300, 0},
                                   {450, -450}, {0, 900},  {0, 450}, {450, -450}, {0, 900}};
    static const int del[10][2] = {{2000, 2000}, {2000, 2000}, {2000, 2000}, {2000, 2000},
                                   {2000, 2000}, {2000, 2000}, {2000, 2000}, {2000, 2000},
                                   {4000, 4000}, {4000, 2000}};
    frame_page();
    for (int i = 0; i < 10; ++i) {
        float angles[2], spacings[2];
        for (int k = 0; k < sets[i]; ++k) {
            angles[k] = (float)inc[i][k] / 10.0f;
            spacings[k] = (float)del[i][k] / 1000.0f * 96.0f / 25.4f;
        }
        check(lu_plot_hatch_lines(sets[i], angles, spacings), "lu_plot_hatch_lines");
        check(lu_set_pen(pl_colour(i + 6), 0, 2, -1), "lu_set_pen");
        band(zmin + (zmax - zmin) * i / 10.0, zmin + (zmax - zmin) * (i + 1) / 10.0);
    }
    check(lu_plot_hatch(LU_HATCH_SOLID), "lu_plot_hatch");
    labels();
}

int main(void) {
    zmin = INFINITY;
    zmax = -INFINITY;
    for (int i = 0; i < kX; ++i) {
        const double xx = (double)(i - kX / 2) / (kX / 2);
        for (int j = 0; j < kY; ++j) {
            const double yy = (double)(j - kY / 2) / (kY / 2) - 1.0;
            z[i][j] = xx * xx - yy * yy + (xx - yy) / (xx * xx + yy * yy + 0.1);
            zmin = fmin(zmin, z[i][j]);
            zmax = fmax(zmax, z[i][j]);
        }
    }
    one_band();
    ten_bands();
    lu_quit();
    return 0;
}
