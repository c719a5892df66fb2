/* view3d: a helix in a 3-D view, as a line with a point every eighth of a turn, in a box
 * with numbered axes, labels, grid lines on the back walls and a title. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

#define LINE_POINTS 401
#define MARKS 41

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "view3d_c: %s failed\n", what);
        exit(1);
    }
}

/* Point k of n along five turns of the helix, climbing from 0 to 10. */
static void helix(int k, int n, float* x, float* y, float* z) {
    const double t = (double)k / (n - 1);
    *x = (float)cos(2 * 3.14159265358979 * 5 * t);
    *y = (float)sin(2 * 3.14159265358979 * 5 * t);
    *z = (float)(10 * t);
}

int main(void) {
    static float x[LINE_POINTS], y[LINE_POINTS], z[LINE_POINTS];
    static float mx[MARKS], my[MARKS], mz[MARKS];
    for (int k = 0; k < LINE_POINTS; ++k) helix(k, LINE_POINTS, &x[k], &y[k], &z[k]);
    for (int k = 0; k < MARKS; ++k) helix(k, MARKS, &mx[k], &my[k], &mz[k]);
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(-1.0f, 1.0f, -0.95f, 1.05f, LU_PLOT_NO_BOX), "lu_plot_frame");
    check(lu_plot_view3d(1.1f, 1.1f, 1.0f, -1.2f, 1.2f, -1.2f, 1.2f, 0.0f, 10.0f, 30.0f, 40.0f, 0),
          "lu_plot_view3d");
    check(lu_plot_box3d("bnts", "x", 0, 0, "bnts", "y", 0, 0, "bcnstg", "height", 0, 0),
          "lu_plot_box3d");
    check(lu_plot_labels(NULL, NULL, "A helix in 3-D: altitude 30, azimuth 40"), "lu_plot_labels");
    check(lu_set_pen(lu_make_rgb_colour(200, 40, 40), 0, 2, -1), "lu_set_pen");
    check(lu_plot_line3d(LINE_POINTS, x, y, z), "lu_plot_line3d");
    check(lu_set_pen(lu_make_rgb_colour(30, 60, 170), 0, 1, -1), "lu_set_pen");
    check(lu_plot_points3d(MARKS, mx, my, mz, 13), "lu_plot_points3d");
    lu_quit();
    return 0;
}
