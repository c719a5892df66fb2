/* x08: PLplot's example 8 in Lumora's idiom: the sombrero exp(-r^2) cos(2 pi r) on
 * 35 x 45 points over -1 ... 1, seen from altitude 60 and azimuth 30 and from altitude 40
 * and azimuth -30, five pages each: a grey surface shaded by a light at (1, 1, 1); the
 * surface coloured by height in a blue-green-yellow-red map of hues; the same with each
 * cell outlined; the same with ten contour levels drawn on the surface and on the base;
 * and that limited to an ellipse of the grid (the points outside it left out). Each page
 * has a box with numbered x, y and z axes and their labels. Every call is checked: a
 * failed one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

#define XPTS 35
#define YPTS 45
#define HUES (LU_MAP_OWN + 1)
#define GREYS (LU_MAP_OWN + 2)
#define LEVELS 10

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x08: %s failed\n", what);
        exit(1);
    }
}

/* Hue from 240 down to 0 at lightness 0.6 and saturation 0.8, by way of 120 (each step
 * the shorter way round); and grey from half dark to white for the lit page. */
static void maps(void) {
    const int colours[3] = {lu_hls_colour(240, 0.6f, 0.8f), lu_hls_colour(120, 0.6f, 0.8f),
                            lu_hls_colour(0, 0.6f, 0.8f)};
    const int greys[2] = {lu_hls_colour(0, 0.5f, 0), lu_hls_colour(0, 1, 0)};
    check(lu_define_colour_map(HUES, 3, NULL, colours, LU_MAP_BLEND_HLS), "lu_define_colour_map");
    check(lu_define_colour_map(GREYS, 2, NULL, greys, LU_MAP_BLEND_HLS), "lu_define_colour_map");
}

/* The grid limited to the ellipse (in index space) of PLplot's page: NaN outside it. */
static void limit(double z[XPTS][YPTS], double limited[XPTS][YPTS]) {
    const double x0 = 0.5 * (XPTS - 1), a = 0.9 * x0, y0 = 0.5 * (YPTS - 1), b = 0.7 * y0;
    for (int i = 0; i < XPTS; ++i) {
        const double root = sqrt(1 - fmin(1, pow((i - x0) / a, 2)));
        const int low = (int)fmax(0, (int)(0.5 + y0 - b * root));
        const int high = (int)fmin(YPTS, 1 + (int)(0.5 + y0 + b * root));
        for (int j = 0; j < YPTS; ++j) limited[i][j] = j >= low && j < high ? z[i][j] : NAN;
    }
}

/* Page 0 lit in grey, 1 coloured, 2 faceted, 3 with contours, 4 limited with contours. */
static void page(int k, int shade, const double* z, const double* limited, const double* x,
                 const double* y, double zmin, double zmax) {
    static const float alt[2] = {60, 40}, az[2] = {30, -30};
    static const int options[5] = {LU_SURFACE_LIT, 0, LU_SURFACE_FACETS, 0, 0};
    char title[80];
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(-1.0f, 1.0f, -0.9f, 1.1f, LU_PLOT_NO_BOX), "lu_plot_frame");
    check(lu_plot_view3d(1, 1, 1, -1, 1, -1, 1, (float)zmin, (float)zmax, alt[k], az[k], 0),
          "lu_plot_view3d");
    check(lu_plot_box3d("bnts", "x axis", 0, 0, "bnts", "y axis", 0, 0, "bcmnst", "z axis", 0, 0),
          "lu_plot_box3d");
    check(lu_set_pen(lu_make_rgb_colour(0, 0, 0), 0, 1, -1), "lu_set_pen");
    check(lu_set_colour_map(shade == 0 ? GREYS : HUES, 0, 1), "lu_set_colour_map");
    check(lu_plot_light3d(1, 1, 1), "lu_plot_light3d");
    double levels[LEVELS];
    const double step = (zmax - zmin) / (LEVELS + 1);
    for (int i = 0; i < LEVELS; ++i) levels[i] = zmin + step + step * i;
    check(lu_plot_contours3d_d(shade >= 3 ? LEVELS : 0, levels,
                               shade >= 3 ? LU_CONTOURS3D_BASE | LU_CONTOURS3D_SURFACE : 0),
          "lu_plot_contours3d_d");
    check(lu_plot_surface3d_d(shade == 4 ? limited : z, XPTS, YPTS, LU_ROW_MAJOR, x, y,
                              options[shade]),
          "lu_plot_surface3d_d");
    snprintf(title, sizeof title, "PLplot Example 8 - Alt=%.0f, Az=%.0f", alt[k], az[k]);
    check(lu_plot_labels(NULL, NULL, title), "lu_plot_labels");
}

int main(void) {
    static double x[XPTS], y[YPTS], z[XPTS][YPTS], limited[XPTS][YPTS];
    double zmin = INFINITY, zmax = -INFINITY;
    for (int i = 0; i < XPTS; ++i) x[i] = -1 + 2.0 * i / (XPTS - 1);
    for (int j = 0; j < YPTS; ++j) y[j] = -1 + 2.0 * j / (YPTS - 1);
    for (int i = 0; i < XPTS; ++i) {
        for (int j = 0; j < YPTS; ++j) {
            const double r = sqrt(x[i] * x[i] + y[j] * y[j]);
            z[i][j] = exp(-r * r) * cos(2 * 3.14159265358979 * r);
            zmin = fmin(zmin, z[i][j]);
            zmax = fmax(zmax, z[i][j]);
        }
    }
    limit(z, limited);
    maps();
    for (int k = 0; k < 2; ++k)
        for (int shade = 0; shade < 5; ++shade)
            page(k, shade, &z[0][0], &limited[0][0], x, y, zmin, zmax);
    lu_quit();
    return 0;
}
