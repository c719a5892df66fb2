/*
 * resized_plot: draws a labelled frame (x 0 ... 10, y 0 ... 1) with a blue line rising
 * across it, then waits for a line on its input. Meanwhile the window may be resized,
 * which lays the frame out anew. Then it draws a red line falling across the frame,
 * waits for its input to end and quits. Input that ends early ends the waits too.
 */
#include <stdio.h>

#include "lumora.h"

static void wait_for_line(void) {
    int c;
    while ((c = getchar()) != EOF && c != '\n') {
    }
}

int main(void) {
    static const float x[] = {0.0f, 10.0f};
    static const float rising[] = {0.2f, 0.8f};
    static const float falling[] = {0.8f, 0.2f};
    if (lu_open_window(0) == 0) return 2;
    if (lu_plot_frame(0.0f, 10.0f, 0.0f, 1.0f, 0) == 0) return 3;
    if (lu_plot_labels("time", "level", "Resized") == 0) return 4;
    if (lu_set_pen(lu_make_rgb_colour(0, 0, 255), -1, -1, -1) == 0) return 5;
    if (lu_plot_line(2, x, rising) == 0) return 6;
    wait_for_line();
    if (lu_set_pen(lu_make_rgb_colour(255, 0, 0), -1, -1, -1) == 0) return 7;
    if (lu_plot_line(2, x, falling) == 0) return 8;
    while (getchar() != EOF) {
    }
    lu_quit();
    return 0;
}
