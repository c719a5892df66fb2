/*
 * styles: one damped oscillation in four frames: the three named styles of frames
 * (classic, soft, technical) and one in colours, grid and text size of its own, with a
 * twin x axis in periods along the top and its own tick steps. Every call is checked:
 * the program ends with status 1 and names the call that failed.
 *
 *   cc styles.c $(pkg-config --cflags --libs lumora) -lm -o styles
 */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

#define N 300

static float t[N], u[N];

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "styles: %s failed\n", what);
        exit(1);
    }
}

/* The frame of one panel with the curve in the first colour of the cycle. */
static void panel(int options, const char* title) {
    check(lu_plot_frame(0.0f, 10.0f, -1.0f, 1.0f, options), "lu_plot_frame");
    check(lu_plot_labels("t / s", "u / V", title), "lu_plot_labels");
    check(lu_plot_next_colour() != 0, "lu_plot_next_colour");
    check(lu_plot_line(N, t, u), "lu_plot_line");
}

int main(void) {
    for (int i = 0; i < N; ++i) {
        t[i] = 10.0f * (float)i / (float)(N - 1);
        u[i] = expf(-0.25f * t[i]) * cosf(3.0f * t[i]);
    }
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_subpages(2, 2), "lu_plot_subpages");

    check(lu_plot_style(LU_PLOT_STYLE_CLASSIC), "lu_plot_style (classic)");
    panel(LU_PLOT_GRID, "classic");
    check(lu_plot_style(LU_PLOT_STYLE_SOFT), "lu_plot_style (soft)");
    panel(LU_PLOT_GRID, "soft");
    check(lu_plot_style(LU_PLOT_STYLE_TECHNICAL), "lu_plot_style (technical)");
    panel(LU_PLOT_GRID, "technical");

    /* Colours of one's own: a dark blue box, grey numbers, a dashed grid with dotted
     * lines at the subticks, smaller texts, and a twin x axis in periods of the
     * oscillation (2 pi / 3 s each) along the top. */
    const int navy = lu_make_rgb_colour(20, 40, 110);
    check(lu_plot_set_colours(navy, lu_make_rgb_colour(90, 90, 90), navy, navy,
                              lu_make_rgb_colour(190, 200, 230)),
          "lu_plot_set_colours");
    check(lu_plot_set_grid(1, 1), "lu_plot_set_grid");
    check(lu_plot_set_text_scale(0.8f), "lu_plot_set_text_scale");
    check(lu_plot_advance(4), "lu_plot_advance");
    /* No box from the frame: lu_plot_box draws it with ticks every 2 s (4 intervals
     * between them) and every 0.5 V (5 intervals), ticks outward, the grid included. */
    check(lu_plot_frame(0.0f, 10.0f, -1.0f, 1.0f, LU_PLOT_NO_BOX | LU_PLOT_ROOM_TWIN_X),
          "lu_plot_frame (own box)");
    check(lu_plot_box("bgnsto", 2.0f, 4, "bcgnsto", 0.5f, 5), "lu_plot_box");
    check(lu_plot_labels("t / s", "u / V", "own colours"), "lu_plot_labels (own box)");
    check(lu_plot_next_colour() != 0, "lu_plot_next_colour (own box)");
    check(lu_plot_line(N, t, u), "lu_plot_line (own box)");
    check(lu_plot_twin_x(0.0f, 10.0f * 3.0f / 6.2831853f, 0, "periods"), "lu_plot_twin_x");
    check(lu_quit(), "lu_quit");
    return 0;
}
