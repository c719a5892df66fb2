/*
 * live_plot: a live view, as a simulation draws one. Frame after frame, each buffered: the
 * window is erased and a frame with a grid and a blue 200-point sine (moving along a little
 * each time) is drawn, until a line (or the end) arrives on its input; then it quits.
 * Prints the number of frames drawn.
 */
#include <math.h>
#include <poll.h>
#include <stdio.h>
#include <unistd.h>

#include "lumora.h"

#define POINTS 200

static int input_waits(void) {
    struct pollfd input = {0, POLLIN, 0};
    return poll(&input, 1, 0) != 0;
}

static int draw_frame(int k) {
    float x[POINTS], y[POINTS];
    for (int i = 0; i < POINTS; ++i) {
        x[i] = 6.2831853f * (float)i / (POINTS - 1);
        y[i] = sinf(x[i] + 0.05f * (float)k);
    }
    return lu_plot_begin_frame() != 0 && lu_send_command_b4() != 0 &&
           lu_plot_frame(0.0f, 6.2831853f, -1.2f, 1.2f, LU_PLOT_GRID) != 0 &&
           lu_set_pen(lu_make_rgb_colour(0, 0, 255), -1, -1, -1) != 0 &&
           lu_plot_line(POINTS, x, y) != 0 && lu_plot_end_frame() != 0;
}

int main(void) {
    if (lu_open_window(0) == 0) return 2;
    int frames = 0;
    for (; !input_waits(); ++frames)
        if (!draw_frame(frames)) return 3;
    printf("%d frames\n", frames);
    lu_quit();
    return 0;
}
