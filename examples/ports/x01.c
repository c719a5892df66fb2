/* x01: PLplot's example 1 in Lumora's idiom. Four panels on one page: y = x^2 sampled
 * with circles on every tenth point, the same curve with a small offset and scale (the y
 * numbers share no exponent), sin(x)/x with lines through zero and a wider pen, and a sine
 * over 0 ... 360 degrees with fixed tick steps and a dashed grid. PLplot's colours (on
 * its black page) are kept where a white page can show them: yellow is drawn darker.
 * Options as PLplot's: -locate then reports each click or key in the plots' coordinates
 * until Escape (or until no event can come: a headless run takes LUMORA_EVENTS), and -xor
 * runs a marker along the first curve, each drawn and erased by drawing it again in the
 * pen's XOR mix. Every call is checked: a failed one ends the program with status 1. */
#if !defined(_WIN32)
#define _POSIX_C_SOURCE 199309L
#endif
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#if defined(_WIN32)
#include <windows.h>
#else
#include <time.h>
#endif

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

static int locate_mode, test_xor;

/* A twentieth of a second between the steps of the animation, as PLplot's example waits. */
static void pause_a_little(void) {
#if defined(_WIN32)
    Sleep(50);
#else
    const struct timespec step = {0, 50000000L};
    nanosleep(&step, NULL);
#endif
}

enum { kMixPen = 0, kMixXor = 7 };

/* A circle run along the curve: drawn in the XOR mix, then drawn again, which takes it
 * away and leaves the picture as it was. */
static void xor_animation(const float* x, const float* y, float size) {
    check(lu_set_marker(3, size, -1, 0, 0), "lu_set_marker");
    check(lu_set_pen(pl_colour(4), 0, 0, kMixXor), "lu_set_pen (XOR)");
    for (int i = 0; i < 60; ++i) {
        check(lu_draw_marker(x[i], y[i]), "lu_draw_marker");
        pause_a_little();
        check(lu_draw_marker(x[i], y[i]), "lu_draw_marker (erasing)");
    }
    check(lu_set_pen(pl_colour(4), 0, 0, kMixPen), "lu_set_pen");
}

/* Reports each click and key until Escape, or until no event can come. */
static void locate(void) {
    for (;;) {
        float x = 0.0f, y = 0.0f;
        int key = 0;
        if (lu_get_cursor(&x, &y, &key) == 0 || key == 27) break;
        printf("wx = %f,  wy = %f, key = 0x%02x%s\n", x, y, key,
               key == LU_BUTTON_LEFT     ? " (left button)"
               : key == LU_BUTTON_MIDDLE ? " (middle button)"
               : key == LU_BUTTON_RIGHT  ? " (right button)"
                                         : "");
    }
}

/* y = yoff + yscale x^2 at 60 points of x = xscale (i + 1) / 60, circles at every tenth;
 * the first of them runs the XOR animation when asked. */
static void squares(float xscale, float yscale, float yoff, int do_test) {
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
    if (do_test && test_xor) xor_animation(x, y, (y[59] - y[0]) / 40.0f);
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

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "-locate") == 0)
            locate_mode = 1;
        else if (strcmp(argv[i], "-xor") == 0)
            test_xor = 1;
        else {
            fprintf(stderr, "port_x01: unknown option %s (-locate, -xor)\n", argv[i]);
            return 2;
        }
    }
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_subpages(2, 2), "lu_plot_subpages");
    squares(6.0f, 1.0f, 0.0f, 1);
    squares(1.0f, 0.0014f, 0.0185f, 0);
    sinc();
    sine();
    if (locate_mode) locate();
    lu_quit();
    return 0;
}
