/* x18: PLplot's example 18 in Lumora's idiom. First a unit sphere of 20 by 20 four-sided
 * patches, seen from four altitudes and azimuths (20/30, 35/40, 50/50, 65/60), each page
 * drawing other sides of the patches (all four, the first and third, the second and
 * fourth, the first two) and only the patches that face the viewer; then a conical spiral
 * of a thousand points from the same four views, drawn as a line on the first and third
 * page and as points on the second and fourth. Each page has a box with numbered x, y and
 * z axes, their labels and grid lines on the back walls. Every call is checked: a failed
 * one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

#define NPTS 1000
#define PI 3.14159265358979

static const float alt[4] = {20, 35, 50, 65}, az[4] = {30, 40, 50, 60};

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x18: %s failed\n", what);
        exit(1);
    }
}

/* A window with the box of view k, the pen in PLplot's second colour darkened for white. */
static void page(int k) {
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(-1.0f, 1.0f, -0.9f, 1.1f, LU_PLOT_NO_BOX), "lu_plot_frame");
    check(lu_plot_view3d(1, 1, 1, -1, 1, -1, 1, -1, 1, alt[k], az[k], 0), "lu_plot_view3d");
    check(lu_plot_box3d("bnts", "x axis", 0, 0, "bnts", "y axis", 0, 0, "bcmnstg", "z axis", 0, 0),
          "lu_plot_box3d");
    check(lu_set_pen(lu_make_rgb_colour(190, 150, 0), 0, 1, -1), "lu_set_pen");
}

/* The point of the sphere at the i-th step round and the j-th step down from the top. */
static void sphere_point(int i, int j, double* x, double* y, double* z) {
    const double theta = 2 * PI * i / 20.0, phi = PI * j / 20.1;
    *x = sin(phi) * cos(theta);
    *y = sin(phi) * sin(theta);
    *z = cos(phi);
}

static void sphere_page(int k) {
    static const int draw[4][4] = {{1, 1, 1, 1}, {1, 0, 1, 0}, {0, 1, 0, 1}, {1, 1, 0, 0}};
    /* The patch's corners, counterclockwise seen from outside, and back to the first. */
    static const int di[5] = {0, 0, 1, 1, 0}, dj[5] = {0, 1, 1, 0, 0};
    page(k);
    for (int i = 0; i < 20; ++i) {
        for (int j = 0; j < 20; ++j) {
            double x[5], y[5], z[5];
            for (int c = 0; c < 5; ++c) sphere_point(i + di[c], j + dj[c], &x[c], &y[c], &z[c]);
            check(lu_plot_polygon3d_d(5, x, y, z, draw[k], 1), "lu_plot_polygon3d_d");
        }
    }
    check(lu_plot_labels(NULL, NULL, "unit radius sphere"), "lu_plot_labels");
}

static void spiral_page(int k, const float* x, const float* y, const float* z) {
    char title[80];
    page(k);
    if (k % 2 == 0)
        check(lu_plot_line3d(NPTS, x, y, z), "lu_plot_line3d");
    else
        check(lu_plot_points3d(NPTS, x, y, z, 1), "lu_plot_points3d");
    snprintf(title, sizeof title, "PLplot Example 18 - Alt=%.0f, Az=%.0f", alt[k], az[k]);
    check(lu_plot_labels(NULL, NULL, title), "lu_plot_labels");
}

int main(void) {
    static float x[NPTS], y[NPTS], z[NPTS];
    for (int i = 0; i < NPTS; ++i) {
        const double r = -1.0 + 2.0 * i / NPTS;
        z[i] = (float)r;
        x[i] = (float)(r * cos(2 * PI * 6 * i / NPTS));
        y[i] = (float)(r * sin(2 * PI * 6 * i / NPTS));
    }
    for (int k = 0; k < 4; ++k) sphere_page(k);
    for (int k = 0; k < 4; ++k) spiral_page(k, x, y, z);
    lu_quit();
    return 0;
}
