/* x11: PLplot's example 11 in Lumora's idiom, its mesh pages: a surface of two peaks and
 * a pit (the function of PLplot's example) on 35 x 46 points over -3 ... 3, seen from
 * altitude 33 and azimuth 24 and from altitude 17 and azimuth 115, as a net of lines along
 * x and y with the hidden parts left out, each in a box with numbered x, y and z axes and
 * their labels. Every call is checked: a failed one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

#define XPTS 35
#define YPTS 46

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

int main(void) {
    static const float alt[2] = {33, 17}, az[2] = {24, 115};
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
    for (int k = 0; k < 2; ++k) {
        char title[80];
        check(lu_open_window(0), "lu_open_window");
        check(lu_plot_frame(-1.0f, 1.0f, -1.0f, 1.5f, LU_PLOT_NO_BOX), "lu_plot_frame");
        check(lu_plot_view3d(1.0f, 1.0f, 1.2f, -3, 3, -3, 3, (float)zmin, (float)zmax, alt[k],
                             az[k], 0),
              "lu_plot_view3d");
        check(
            lu_plot_box3d("bnts", "x axis", 0, 0, "bnts", "y axis", 0, 0, "bcmnst", "z axis", 0, 4),
            "lu_plot_box3d");
        check(lu_set_pen(lu_make_rgb_colour(190, 150, 0), 0, 1, -1), "lu_set_pen");
        check(lu_plot_mesh3d_d(&z[0][0], XPTS, YPTS, LU_ROW_MAJOR, x, y, LU_MESH_X | LU_MESH_Y),
              "lu_plot_mesh3d_d");
        snprintf(title, sizeof title, "PLplot Example 11 - Alt=%.0f, Az=%.0f, Opt=3", alt[k],
                 az[k]);
        check(lu_plot_labels(NULL, NULL, title), "lu_plot_labels");
    }
    lu_quit();
    return 0;
}
