/*
 * plots: a page of four plots with Lumora's plotting layer.
 *
 * Upper left sin and cos with a legend, upper right power-law data on log axes with
 * error bars, lower left a histogram of pseudo-random numbers, lower right a scatter
 * plot with markers. Every call is checked: the program ends with status 1 and names the
 * call that failed.
 *
 *   cc plots.c $(pkg-config --cflags --libs lumora) -lm -o plots
 */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

#define CURVE 101
#define DATA 9
#define SAMPLES 2000
#define CLOUD 60

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "plots: %s failed\n", what);
        exit(1);
    }
}

/* Uniform numbers in [0, 1) from a fixed seed, the same on every platform. */
static unsigned long seed = 12345;
static double uniform(void) {
    seed = (seed * 1103515245UL + 12345UL) & 0x7fffffffUL;
    return (double)seed / 2147483648.0;
}

/* Roughly normal: the sum of four uniforms, centred. */
static double normal(void) {
    return (uniform() + uniform() + uniform() + uniform() - 2.0) * 1.7320508;
}

static void sin_cos(void) {
    float x[CURVE], s[CURVE], c[CURVE];
    for (int i = 0; i < CURVE; ++i) {
        x[i] = 6.2831853f * (float)i / (CURVE - 1);
        s[i] = sinf(x[i]);
        c[i] = cosf(x[i]);
    }
    check(lu_plot_frame(0.0f, 6.2831853f, -1.2f, 1.2f, LU_PLOT_AXES), "lu_plot_frame");
    check(lu_plot_labels("x", "y", "sin x and cos x"), "lu_plot_labels");
    check(lu_plot_next_colour(), "lu_plot_next_colour");
    check(lu_plot_line(CURVE, x, s), "lu_plot_line (sin)");
    check(lu_plot_legend_entry("sin x", -1, 0, 0), "lu_plot_legend_entry");
    check(lu_plot_next_colour(), "lu_plot_next_colour");
    check(lu_plot_line(CURVE, x, c), "lu_plot_line (cos)");
    check(lu_plot_legend_entry("cos x", -1, 0, 0), "lu_plot_legend_entry");
    check(lu_plot_legend(4), "lu_plot_legend");
}

static void power_law(void) {
    double x[DATA], y[DATA], low[DATA], high[DATA], fit[2] = {1.0, 1000.0}, line[2];
    for (int i = 0; i < DATA; ++i) {
        x[i] = pow(10.0, 0.3 + 0.3 * i);
        y[i] = 50.0 * pow(x[i], -1.5) * (1.0 + 0.15 * normal());
        low[i] = y[i] * 0.7;
        high[i] = y[i] * 1.3;
    }
    line[0] = 50.0 * pow(fit[0], -1.5);
    line[1] = 50.0 * pow(fit[1], -1.5);
    check(lu_plot_frame(1.0f, 1000.0f, 1e-4f, 100.0f, LU_PLOT_LOG_X | LU_PLOT_LOG_Y),
          "lu_plot_frame (log)");
    check(lu_plot_labels("frequency", "power", "A power law, log-log"), "lu_plot_labels");
    check(lu_plot_next_colour(), "lu_plot_next_colour");
    check(lu_plot_line_d(2, fit, line), "lu_plot_line_d");
    check(lu_plot_next_colour(), "lu_plot_next_colour");
    check(lu_plot_error_y_d(DATA, x, low, high), "lu_plot_error_y_d");
    check(lu_plot_points_d(DATA, x, y, 13), "lu_plot_points_d");
}

static void histogram(void) {
    static float samples[SAMPLES];
    for (int i = 0; i < SAMPLES; ++i) samples[i] = (float)normal();
    check(lu_plot_histogram(SAMPLES, samples, -4.0f, 4.0f, 32,
                            LU_PLOT_HIST_FRAME | LU_PLOT_HIST_FILLED),
          "lu_plot_histogram");
    check(lu_plot_labels("value", "count", "2000 pseudo-random numbers"), "lu_plot_labels");
}

static void scatter(void) {
    float x[CLOUD], y[CLOUD];
    check(lu_plot_frame(-3.0f, 3.0f, -3.0f, 3.0f, LU_PLOT_GRID), "lu_plot_frame (scatter)");
    check(lu_plot_labels("x", "y", "Two clouds"), "lu_plot_labels");
    for (int k = 0; k < 2; ++k) {
        for (int i = 0; i < CLOUD; ++i) {
            x[i] = (float)(0.6 * normal() + (k == 0 ? -1.0 : 1.0));
            y[i] = (float)(0.6 * normal() + (k == 0 ? 0.8 : -0.8));
        }
        check(lu_plot_next_colour(), "lu_plot_next_colour");
        check(lu_plot_points(CLOUD, x, y, k == 0 ? 3 : 16), "lu_plot_points");
        check(lu_plot_legend_entry(k == 0 ? "first" : "second", -1, -1, k == 0 ? 3 : 16),
              "lu_plot_legend_entry");
    }
    check(lu_plot_legend(1), "lu_plot_legend");
}

/* The whole page, the same every time it is drawn. */
static void draw_page(void) {
    seed = 12345;
    check(lu_plot_subpages(2, 2), "lu_plot_subpages");
    sin_cos();
    power_law();
    histogram();
    scatter();
}

#ifndef PLOTS_NO_MAIN
int main(void) {
    check(lu_open_window(0), "lu_open_window");
    draw_page();
    lu_quit();
    return 0;
}
#endif
