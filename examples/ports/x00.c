/* x00: PLplot's first example, a labelled line plot of y = 100 x^2 for x in 0 ... 1, in
 * Lumora's idiom. Every call is checked: a failed one ends the program with status 1. */
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kPoints = 101 };

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x00: %s failed\n", what);
        exit(1);
    }
}

int main(void) {
    float x[kPoints], y[kPoints];
    for (int i = 0; i < kPoints; ++i) {
        x[i] = (float)i / (kPoints - 1);
        y[i] = 100.0f * x[i] * x[i];
    }
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(0.0f, 1.0f, 0.0f, 100.0f, 0), "lu_plot_frame");
    check(lu_plot_labels("x", "y=100 x$^2$", "Simple PLplot demo of a 2D line plot"),
          "lu_plot_labels");
    check(lu_plot_line(kPoints, x, y), "lu_plot_line");
    lu_quit();
    return 0;
}
