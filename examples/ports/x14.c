/* x14: PLplot's example 14 in Lumora's idiom: two output streams at once, here two
 * windows drawn in turn. The first shows on its first page, in four panels, y = x^2 at
 * four scales (1, 1e6, 1e-6 and a small offset), and on its second page sin(x)/x with
 * lines through zero and a sine over 0 ... 360 degrees with a dashed grid. The second
 * window shows a polar grid with the rose r = sin 5 theta, and on its next page the
 * contours of the potential flow x^2 - y^2 (solid) and its stream function 2xy (dashed).
 * Each page is a window of its own; the calls alternate between the two streams as in
 * the original. Every call is checked: a failed one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kXPoints = 35, kYPoints = 46 };

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x14: %s failed\n", what);
        exit(1);
    }
}

static int colour(int red, int green, int blue) {
    return lu_make_rgb_colour(red, green, blue);
}

static void use_window(int window) {
    check(lu_select_window(window) == window, "lu_select_window");
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
    /* PLplot's red box, wheat labels, blue circles and aquamarine line. */
    check(lu_plot_set_colours(colour(255, 0, 0), colour(255, 0, 0), colour(190, 160, 110),
                              colour(190, 160, 110), -1),
          "lu_plot_set_colours");
    check(lu_plot_frame(x[0], x[59], y[0], y[59], 0), "lu_plot_frame");
    check(lu_plot_labels("(x)", "(y)", "PLplot Example 1 - y=x$^2$"), "lu_plot_labels");
    check(lu_set_pen(colour(0, 0, 255), 0, 0, -1), "lu_set_pen");
    check(lu_plot_points(6, xs, ys, 3), "lu_plot_points");
    check(lu_set_pen(colour(0, 150, 130), 0, 0, -1), "lu_set_pen");
    check(lu_plot_line(60, x, y), "lu_plot_line");
}

static void sinc(void) {
    float x[100], y[100];
    for (int i = 0; i < 100; ++i) {
        x[i] = (float)(i - 19) / 6.0f;
        y[i] = x[i] != 0.0f ? sinf(x[i]) / x[i] : 1.0f;
    }
    check(lu_plot_set_colours(colour(255, 0, 0), colour(255, 0, 0), colour(190, 150, 0),
                              colour(190, 150, 0), -1),
          "lu_plot_set_colours");
    check(lu_plot_frame(-2.0f, 10.0f, -0.4f, 1.2f, LU_PLOT_AXES), "lu_plot_frame");
    check(lu_plot_labels("(x)", "sin(x)/x", "PLplot Example 1 - Sinc Function"), "lu_plot_labels");
    check(lu_set_pen(colour(0, 170, 0), 0, 0, -1), "lu_set_pen");
    check(lu_plot_line(100, x, y), "lu_plot_line");
}

static void sine(void) {
    float x[101], y[101];
    for (int i = 0; i < 101; ++i) {
        x[i] = 3.6f * (float)i;
        y[i] = sinf(x[i] * 3.14159265f / 180.0f);
    }
    check(lu_plot_set_colours(colour(255, 0, 0), colour(255, 0, 0), colour(0, 170, 0),
                              colour(0, 170, 0), colour(190, 150, 0)),
          "lu_plot_set_colours");
    check(lu_plot_set_grid(1, 0), "lu_plot_set_grid");
    check(lu_plot_frame(0.0f, 360.0f, -1.2f, 1.2f, LU_PLOT_NO_BOX), "lu_plot_frame");
    check(lu_plot_box("g", 30.0f, 0, "g", 0.2f, 0), "lu_plot_box (grid)");
    check(lu_plot_box("bcnst", 60.0f, 2, "bcnst", 0.2f, 2), "lu_plot_box");
    check(lu_plot_labels("Angle (degrees)", "sine", "PLplot Example 1 - Sine function"),
          "lu_plot_labels");
    check(lu_set_pen(colour(0, 150, 130), 0, 0, -1), "lu_set_pen");
    check(lu_plot_line(101, x, y), "lu_plot_line");
}

static void rose(void) {
    float theta[361], r[361];
    for (int i = 0; i <= 360; ++i) {
        theta[i] = (float)i * 3.14159265f / 180.0f;
        r[i] = sinf(5.0f * theta[i]);
    }
    check(lu_plot_polar_frame(1.0f), "lu_plot_polar_frame");
    check(lu_set_pen(colour(0, 170, 0), 0, 0, -1), "lu_set_pen");
    check(lu_plot_polar_line(361, theta, r), "lu_plot_polar_line");
    check(lu_plot_labels(NULL, NULL, "PLplot Example 3 - r($\\theta$)=sin 5$\\theta$"),
          "lu_plot_labels");
}

static void flow(void) {
    static float z[kXPoints * kYPoints], w[kXPoints * kYPoints];
    static const float levels[11] = {-1.0f, -0.8f, -0.6f, -0.4f, -0.2f, 0.0f,
                                     0.2f,  0.4f,  0.6f,  0.8f,  1.0f};
    for (int i = 0; i < kXPoints; ++i) {
        const float xx = (float)(i - kXPoints / 2) / (float)(kXPoints / 2);
        for (int j = 0; j < kYPoints; ++j) {
            const float yy = (float)(j - kYPoints / 2) / (float)(kYPoints / 2) - 1.0f;
            z[i * kYPoints + j] = xx * xx - yy * yy;
            w[i * kYPoints + j] = 2.0f * xx * yy;
        }
    }
    /* The original puts grid point (0, 0) at (-1, -1) and the last at (1, 1); a field's
     * values stand at cell centres, so the field reaches half a cell beyond. */
    const float hx = 1.0f / (kXPoints - 1), hy = 1.0f / (kYPoints - 1);
    check(lu_plot_set_colours(colour(255, 0, 0), colour(255, 0, 0), colour(255, 0, 0),
                              colour(255, 0, 0), -1),
          "lu_plot_set_colours");
    check(lu_plot_frame(-1.0f, 1.0f, -1.0f, 1.0f, 0), "lu_plot_frame");
    check(lu_set_rectangle_mode(-1.0f, -1.0f, 1.0f, 1.0f, 1), "lu_set_rectangle_mode");
    check(lu_set_pen(colour(190, 150, 0), 0, 0, -1), "lu_set_pen");
    check(lu_draw_contours(z, kXPoints, kYPoints, LU_ROW_MAJOR, -1.0f - hx, -1.0f - hy, 1.0f + hx,
                           1.0f + hy, levels, 11, 0),
          "lu_draw_contours (potential)");
    check(lu_set_pen(colour(0, 170, 0), 1, 0, -1), "lu_set_pen");
    check(lu_draw_contours(w, kXPoints, kYPoints, LU_ROW_MAJOR, -1.0f - hx, -1.0f - hy, 1.0f + hx,
                           1.0f + hy, levels, 11, 0),
          "lu_draw_contours (stream function)");
    check(lu_set_rectangle_mode(-1.0f, -1.0f, 1.0f, 1.0f, 0), "lu_set_rectangle_mode");
    check(lu_set_pen(colour(255, 0, 0), 0, 0, -1), "lu_set_pen");
    check(lu_plot_labels("X Coordinate", "Y Coordinate", "Streamlines of flow"), "lu_plot_labels");
}

int main(void) {
    const int master = lu_open_window(0);
    check(master, "lu_open_window (first stream)");
    const int slave = lu_open_window(0);
    check(slave, "lu_open_window (second stream)");
    use_window(master);
    check(lu_plot_subpages(2, 2), "lu_plot_subpages");
    squares(6.0f, 1.0f, 0.0f);
    squares(1.0f, 1.0e6f, 0.0f);
    squares(1.0f, 1.0e-6f, 0.0f);
    squares(1.0f, 0.0014f, 0.0185f);

    use_window(slave);
    rose();

    /* The first stream's second page. */
    const int master_next = lu_open_window(0);
    check(master_next, "lu_open_window (first stream, page 2)");
    check(lu_plot_subpages(2, 2), "lu_plot_subpages");
    sinc();
    sine();

    /* The second stream's second page. */
    check(lu_open_window(0), "lu_open_window (second stream, page 2)");
    flow();
    lu_quit();
    return 0;
}
