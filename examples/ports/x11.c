/* x11: PLplot's example 11 in Lumora's idiom: a surface of two peaks and a pit (the
 * function of PLplot's example) on 35 x 46 points over -3 ... 3, seen from altitude 33 and
 * azimuth 24 and from altitude 17 and azimuth 115, four pages each: a net of lines along x
 * and y with the hidden parts left out; the net in a blue-green-yellow-red map of hues by
 * height; the coloured net with its sides down to the base; and the coloured net with ten
 * contour levels on the base. Each page has a box with numbered x, y and z axes and their
 * labels. Every call is checked: a failed one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

#define XPTS 35
#define YPTS 46
#define LEVELS 10
#define HUES (LU_MAP_OWN + 1)

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x11: %s failed\n", what);
        exit(1);
    }
}

static double surface(double x, double y) {
    return 3 * (1 - x) * (1 - x) * exp(-(x * x) - (y + 1) * (y + 1)) -
           10 * (x / 5 - pow(x, 3) - pow(y, 5)) * exp(-x * x - y * y) -
           1.0 / 3 * exp(-(x + 1) * (x + 1) - y * y);
}

/* Hue from 240 down to 0 at lightness 0.6 and saturation 0.8, by way of 120. */
static void hue_map(void) {
    const int colours[3] = {lu_hls_colour(240, 0.6f, 0.8f), lu_hls_colour(120, 0.6f, 0.8f),
                            lu_hls_colour(0, 0.6f, 0.8f)};
    check(lu_define_colour_map(HUES, 3, NULL, colours, LU_MAP_BLEND_HLS), "lu_define_colour_map");
    check(lu_set_colour_map(HUES, 0, 1), "lu_set_colour_map");
}

/* Page 0 the net, 1 coloured by height, 2 with sides, 3 with contours on the base. */
static void page(int k, int kind, const double* z, const double* x, const double* y, double zmin,
                 double zmax) {
    static const float alt[2] = {33, 17}, az[2] = {24, 115};
    static const int extra[4] = {0, LU_MESH_COLOURED, LU_MESH_COLOURED | LU_SURFACE_SIDES,
                                 LU_MESH_COLOURED};
    char title[80];
    double levels[LEVELS];
    const double step = (zmax - zmin) / (LEVELS + 1);
    for (int i = 0; i < LEVELS; ++i) levels[i] = zmin + step + step * i;
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(-1.0f, 1.0f, -1.0f, 1.5f, LU_PLOT_NO_BOX), "lu_plot_frame");
    check(
        lu_plot_view3d(1.0f, 1.0f, 1.2f, -3, 3, -3, 3, (float)zmin, (float)zmax, alt[k], az[k], 0),
        "lu_plot_view3d");
    check(lu_plot_box3d("bnts", "x axis", 0, 0, "bnts", "y axis", 0, 0, "bcmnst", "z axis", 0, 4),
          "lu_plot_box3d");
    check(lu_set_pen(lu_make_rgb_colour(190, 150, 0), 0, 1, -1), "lu_set_pen");
    check(lu_plot_contours3d_d(kind == 3 ? LEVELS : 0, levels, kind == 3 ? LU_CONTOURS3D_BASE : 0),
          "lu_plot_contours3d_d");
    check(lu_plot_mesh3d_d(z, XPTS, YPTS, LU_ROW_MAJOR, x, y, LU_MESH_X | LU_MESH_Y | extra[kind]),
          "lu_plot_mesh3d_d");
    snprintf(title, sizeof title, "PLplot Example 11 - Alt=%.0f, Az=%.0f, Opt=3", alt[k], az[k]);
    check(lu_plot_labels(NULL, NULL, title), "lu_plot_labels");
}

int main(void) {
    static double x[XPTS], y[YPTS], z[XPTS][YPTS];
    double zmin = INFINITY, zmax = -INFINITY;
    for (int i = 0; i < XPTS; ++i) x[i] = 3.0 * (i - XPTS / 2) / (XPTS / 2);
    for (int j = 0; j < YPTS; ++j) y[j] = 3.0 * (j - YPTS / 2) / (YPTS / 2);
    for (int i = 0; i < XPTS; ++i) {
        for (int j = 0; j < YPTS; ++j) {
            z[i][j] = surface(x[i], y[j]);
            zmin = fmin(zmin, z[i][j]);
            zmax = fmax(zmax, z[i][j]);
        }
    }
    hue_map();
    for (int k = 0; k < 2; ++k)
        for (int kind = 0; kind < 4; ++kind) page(k, kind, &z[0][0], x, y, zmin, zmax);
    lu_quit();
    return 0;
}
