/* x01: PLplot's example 1 in Lumora's idiom. Four panels on one page: y = x^2 sampled
 * with circles on every tenth point, the same curve with a small offset and scale (the y
 * numbers share no exponent), sin(x)/x with lines through zero and a wider pen, and a sine
 * over 0 ... 360 degrees with fixed tick steps and a dashed grid. PLplot's colours (on
 * its black page) are kept where a white page can show them: yellow is drawn darker.
 * Every call is checked: a failed one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x01: %s failed\n", what);
        exit(1);
    }
}

/* PLplot's colour map 0 entries 1 ... 4 (red, yellow, green, aquamarine), darkened where
 * the original would vanish on white. */
static int pl_colour(int index) {
    switch (index) {
        case 1:
            return lu_make_rgb_colour(255, 0, 0);
        case 2:
            return lu_make_rgb_colour(190, 150, 0);
        case 3:
            return lu_make_rgb_colour(0, 170, 0);
        default:
            return lu_make_rgb_colour(0, 150, 130);
    }
}

static void pen(int index, int style, int width) {
    check(lu_set_pen(pl_colour(index), style, width, -1), "lu_set_pen");
}

/* y = yoff + yscale x^2 at 60 points of x = xscale (i + 1) / 60, circles at every tenth. */
static void squares(float xscale, float yscale, float yoff) {
    float x[60], y[60], xs[6], ys[6];
    for (int i = 0; i < 60; ++i) {
        x[i] = xscale * (float)(i + 1) / 60.0f;
        y[i] = yoff + yscale * x[i] * x[i];
    }
    for (int i = 0; i < 6; ++i) {
        xs[i] = x[i * 10 + 3];
        ys[i] = y[i * 10 + 3];
    }
    check(lu_plot_set_colours(pl_colour(1), pl_colour(1), pl_colour(2), pl_colour(2), -1),
          "lu_plot_set_colours");
    check(lu_plot_frame(x[0], x[59], y[0], y[59], 0), "lu_plot_frame");
    check(lu_plot_labels("(x)", "(y)", "PLplot Example 1 - y=x$^2$"), "lu_plot_labels");
    pen(4, 0, 0);
    check(lu_plot_points(6, xs, ys, 3), "lu_plot_points");
    pen(3, 0, 0);
    check(lu_plot_line(60, x, y), "lu_plot_line");
}

static void sinc(void) {
    float x[100], y[100];
    for (int i = 0; i < 100; ++i) {
        x[i] = (float)(i - 19) / 6.0f;
        y[i] = x[i] != 0.0f ? sinf(x[i]) / x[i] : 1.0f;
    }
    check(lu_plot_frame(-2.0f, 10.0f, -0.4f, 1.2f, LU_PLOT_AXES), "lu_plot_frame");
    check(lu_plot_labels("(x)", "sin(x)/x", "PLplot Example 1 - Sinc Function"), "lu_plot_labels");
    pen(3, 0, 2);
    check(lu_plot_line(100, x, y), "lu_plot_line");
    pen(3, 0, 0);
}

static void sine(void) {
    float x[101], y[101];
    for (int i = 0; i < 101; ++i) {
        x[i] = 3.6f * (float)i;
        y[i] = sinf(x[i] * 3.14159265f / 180.0f);
    }
    /* The box with fixed steps, then a dashed grid in yellow at other steps. */
    check(lu_plot_set_colours(pl_colour(1), pl_colour(1), pl_colour(3), pl_colour(3), pl_colour(2)),
          "lu_plot_set_colours");
    check(lu_plot_set_grid(1, 0), "lu_plot_set_grid");
    check(lu_plot_frame(0.0f, 360.0f, -1.2f, 1.2f, LU_PLOT_NO_BOX), "lu_plot_frame");
    check(lu_plot_box("g", 30.0f, 0, "g", 0.2f, 0), "lu_plot_box (grid)");
    check(lu_plot_box("bcnst", 60.0f, 2, "bcnst", 0.2f, 2), "lu_plot_box");
    check(lu_plot_labels("Angle (degrees)", "sine", "PLplot Example 1 - Sine function"),
          "lu_plot_labels");
    pen(4, 0, 0);
    check(lu_plot_line(101, x, y), "lu_plot_line");
}

int main(void) {
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_subpages(2, 2), "lu_plot_subpages");
    squares(6.0f, 1.0f, 0.0f);
    squares(1.0f, 0.0014f, 0.0185f);
    sinc();
    sine();
    lu_quit();
    return 0;
}
