/* x18: PLplot's example 18 in Lumora's idiom, its pages of lines and points in 3-D: a
 * conical spiral of a thousand points, seen from four altitudes and azimuths (20/30,
 * 35/40, 50/50, 65/60), drawn as a line on the first and third page and as points on the
 * second and fourth, each in a box with numbered x, y and z axes, their labels and grid
 * lines on the back walls. Every call is checked: a failed one ends the program with
 * status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

#define NPTS 1000

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x18: %s failed\n", what);
        exit(1);
    }
}

int main(void) {
    static const float alt[4] = {20, 35, 50, 65}, az[4] = {30, 40, 50, 60};
    static const int as_line[4] = {1, 0, 1, 0};
    static float x[NPTS], y[NPTS], z[NPTS];
    for (int i = 0; i < NPTS; ++i) {
        const double r = -1.0 + 2.0 * i / NPTS;
        z[i] = (float)r;
        x[i] = (float)(r * cos(2 * 3.14159265358979 * 6 * i / NPTS));
        y[i] = (float)(r * sin(2 * 3.14159265358979 * 6 * i / NPTS));
    }
    for (int k = 0; k < 4; ++k) {
        char title[80];
        check(lu_open_window(0), "lu_open_window");
        check(lu_plot_frame(-1.0f, 1.0f, -0.9f, 1.1f, LU_PLOT_NO_BOX), "lu_plot_frame");
        check(lu_plot_view3d(1, 1, 1, -1, 1, -1, 1, -1, 1, alt[k], az[k], 0), "lu_plot_view3d");
        check(lu_plot_box3d("bnts", "x axis", 0, 0, "bnts", "y axis", 0, 0, "bcmnstg", "z axis", 0,
                            0),
              "lu_plot_box3d");
        check(lu_set_pen(lu_make_rgb_colour(190, 150, 0), 0, 1, -1), "lu_set_pen");
        if (as_line[k])
            check(lu_plot_line3d(NPTS, x, y, z), "lu_plot_line3d");
        else
            check(lu_plot_points3d(NPTS, x, y, z, 1), "lu_plot_points3d");
        snprintf(title, sizeof title, "PLplot Example 18 - Alt=%.0f, Az=%.0f", alt[k], az[k]);
        check(lu_plot_labels(NULL, NULL, title), "lu_plot_labels");
    }
    lu_quit();
    return 0;
}
