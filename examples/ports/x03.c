/* x03: PLplot's example 3 in Lumora's idiom: a polar grid (circles, spokes every 30
 * degrees numbered in degrees) with the five-petalled rose r = sin 5 theta and a title
 * with a Greek theta. Every call is checked: a failed one ends the program with
 * status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kPoints = 361 };

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x03: %s failed\n", what);
        exit(1);
    }
}

int main(void) {
    float theta[kPoints], r[kPoints];
    for (int i = 0; i < kPoints; ++i) {
        theta[i] = (float)i * 3.14159265f / 180.0f;
        r[i] = sinf(5.0f * theta[i]);
    }
    check(lu_open_window(0), "lu_open_window");
    /* PLplot's red rings every 0.1 and its spokes and their numbers in (darkened) yellow. */
    const int red = lu_make_rgb_colour(255, 0, 0), yellow = lu_make_rgb_colour(190, 150, 0);
    check(lu_plot_set_colours(red, yellow, -1, lu_make_rgb_colour(0, 150, 130), -1),
          "lu_plot_set_colours");
    check(lu_plot_polar_grid(0.1f, 30, red, yellow), "lu_plot_polar_grid");
    /* PLplot draws its spokes after the circles and numbers only the angles. */
    check(lu_plot_polar_options(LU_POLAR_SPOKES_OVER_RINGS | LU_POLAR_NO_RADIUS_NUMBERS),
          "lu_plot_polar_options");
    check(lu_plot_polar_frame(1.0f), "lu_plot_polar_frame");
    check(lu_set_pen(lu_make_rgb_colour(0, 170, 0), 0, 0, -1), "lu_set_pen");
    check(lu_plot_polar_line(kPoints, theta, r), "lu_plot_polar_line");
    check(lu_plot_labels(NULL, NULL, "PLplot Example 3 - r($\\theta$)=sin 5$\\theta$"),
          "lu_plot_labels");
    lu_quit();
    return 0;
}
