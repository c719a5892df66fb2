/* x17: PLplot's example 17 in Lumora's idiom: a strip chart of four pens fed one point
 * at a time over 100 seconds: a random walk ("sum"), a slow sine ("sin"), the sine times
 * noise ("sin*noi") and the sine plus noise ("sin+noi"), each pen in its colour and dash
 * style, with a legend at the lower left, an x range that grows from 0 ... 10 to hold every
 * point and a y range that grows to take the random walk. Pen n takes a
 * point at the steps not divisible by n + 1, as in the original. The original sleeps
 * 10 ms a step to show time passing; this port does not wait. Every call is checked: a
 * failed one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kSteps = 1000, kPens = 4 };

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x17: %s failed\n", what);
        exit(1);
    }
}

/* A fixed pseudo-random sequence in 0 ... 1, so that every run draws the same. */
static double uniform(void) {
    static unsigned long state = 12345;
    state = (state * 1103515245ul + 12345ul) & 0x7ffffffful;
    return (double)state / 2147483648.0;
}

int main(void) {
    static const char* const names[kPens] = {"sum", "sin", "sin*noi", "sin+noi"};
    /* PLplot's colours 2 ... 5 (yellow darkened for white, green, aquamarine, pink) and
     * four of its dash styles. */
    const int colours[kPens] = {lu_make_rgb_colour(190, 150, 0), lu_make_rgb_colour(0, 170, 0),
                                lu_make_rgb_colour(0, 150, 130), lu_make_rgb_colour(230, 110, 130)};
    static const int styles[kPens] = {1, 2, 3, 4};
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_set_colours(lu_make_rgb_colour(255, 0, 0), lu_make_rgb_colour(255, 0, 0),
                              lu_make_rgb_colour(0, 170, 0), lu_make_rgb_colour(0, 170, 0), -1),
          "lu_plot_set_colours");
    /* As the original: the x range grows from 0 ... 10 by 30 % at a time to hold every
     * point, the y range grows to take the random walk, the legend stands low at the left. */
    const int strip = lu_plot_strip_create(10.0f, -0.1f, 0.1f, kPens,
                                           LU_PLOT_STRIP_AUTO_Y | LU_PLOT_STRIP_ACCUMULATE, "t", "",
                                           "Strip chart demo");
    check(strip, "lu_plot_strip_create");
    check(lu_plot_strip_legend(strip, 3), "lu_plot_strip_legend");
    for (int pen = 1; pen <= kPens; ++pen)
        check(lu_plot_strip_pen(strip, pen, colours[pen - 1], styles[pen - 1], names[pen - 1]),
              "lu_plot_strip_pen");
    double sum = 0.0;
    for (int n = 0; n < kSteps; ++n) {
        const double t = n * 0.1;
        const double noise = uniform() - 0.5;
        sum += noise;
        const double s = sin(t * 3.14159265358979 / 18.0);
        const double values[kPens] = {sum, s, s * noise, s + noise / 3.0};
        for (int pen = 1; pen <= kPens; ++pen)
            if (n % (pen + 1) != 0)
                check(lu_plot_strip_add(strip, pen, (float)t, (float)values[pen - 1]),
                      "lu_plot_strip_add");
    }
    check(lu_plot_strip_delete(strip), "lu_plot_strip_delete");
    lu_quit();
    return 0;
}
