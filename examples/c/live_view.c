/* live_view: a travelling wave redrawn 400 times, as a simulation would show its state.
 * The frame and labels are drawn once; each step replaces only the curve (layer 1) inside
 * a buffered frame, so the window never shows a half-drawn picture and a step costs a few
 * commands. Every call is checked: a failed one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kPoints = 200, kSteps = 400 };

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "live_view: %s failed\n", what);
        exit(1);
    }
}

int main(void) {
    float t[kPoints], u[kPoints];
    for (int i = 0; i < kPoints; ++i) t[i] = 10.0f * (float)i / (kPoints - 1);
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(0.0f, 10.0f, -1.2f, 1.2f, 0), "lu_plot_frame");
    check(lu_plot_labels("x", "u(x, t)", "a travelling wave"), "lu_plot_labels");
    for (int step = 0; step < kSteps; ++step) {
        const float phase = 0.05f * (float)step;
        for (int i = 0; i < kPoints; ++i) u[i] = sinf(t[i] - phase) * expf(-0.1f * t[i]);
        check(lu_plot_begin_frame(), "lu_plot_begin_frame");
        check(lu_plot_layer(1), "lu_plot_layer");
        check(lu_plot_line(kPoints, t, u), "lu_plot_line");
        check(lu_plot_layer(0), "lu_plot_layer");
        check(lu_plot_end_frame(), "lu_plot_end_frame");
    }
    lu_quit();
    return 0;
}
