/*
 * markup: axis labels, a title and legend entries with formulas.
 *
 * Two damped oscillations in a frame whose labels carry sub- and superscripts, Greek
 * letters and symbols between dollar signs; text outside the dollar signs is literal.
 * Every call is checked: the program ends with status 1 and names the call that failed.
 *
 *   cc markup.c $(pkg-config --cflags --libs lumora) -lm -o markup
 */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

#define POINTS 400

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "markup: %s failed\n", what);
        exit(1);
    }
}

int main(void) {
    static float t[POINTS], slow[POINTS], fast[POINTS];
    for (int i = 0; i < POINTS; ++i) {
        t[i] = 10.0f * (float)i / (POINTS - 1);
        slow[i] = expf(-t[i] / 4) * cosf(2.0f * t[i]);
        fast[i] = expf(-t[i] / 2) * cosf(4.0f * t[i]);
    }
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(0.0f, 10.0f, -1.1f, 1.1f, LU_PLOT_AXES), "lu_plot_frame");
    check(lu_plot_labels("time $t$ / $\\mathrm{s}$", "$x(t) / x_0$",
                         "Damped: $x = x_0\\,e^{-t/\\tau}\\cos\\omega t$"),
          "lu_plot_labels");
    check(lu_plot_next_colour(), "lu_plot_next_colour");
    check(lu_plot_line(POINTS, t, slow), "lu_plot_line (slow)");
    check(lu_plot_legend_entry("$\\tau = 4\\,\\mathrm{s},\\ \\omega = 2\\,\\mathrm{s}^{-1}$", -1, 0,
                               0),
          "lu_plot_legend_entry");
    check(lu_plot_next_colour(), "lu_plot_next_colour");
    check(lu_plot_line(POINTS, t, fast), "lu_plot_line (fast)");
    check(lu_plot_legend_entry("$\\tau = 2\\,\\mathrm{s},\\ \\omega = 4\\,\\mathrm{s}^{-1}$", -1, 0,
                               0),
          "lu_plot_legend_entry");
    check(lu_plot_legend_entry("envelope $\\propto e^{-t/\\tau} \\pm 5\\,\\%$", 0, 1, 0),
          "lu_plot_legend_entry");
    check(lu_plot_legend(1), "lu_plot_legend");
    lu_quit();
    return 0;
}
