/* A strip chart as PLplot's example x17 draws one, without its pauses: four pens, 1000
 * points each, added one at a time; the chart jumps on by half its width when a point
 * would leave it. By hand (no argument), each new point draws the segment from the
 * previous one through the plotting layer and a jump draws everything again; with the
 * argument "api" the plotting layer's strip chart does both. Timed as a whole process by
 * bench/strip_compare.sh. */
#include <math.h>
#include <string.h>

#include "lumora.h"

enum { kPoints = 1000, kPens = 4 };

static double value(int pen, double t) {
    switch (pen) {
        case 0:
            return sin(t * 3.14159265 / 18.0);
        case 1:
            return cos(t * 3.14159265 / 18.0) * 0.8;
        case 2:
            return (fmod(t, 7.0) / 7.0 - 0.5) * 1.6;
        default:
            return sin(t * 3.14159265 / 5.0) * 0.3;
    }
}

/* The same chart through lu_plot_strip_create and lu_plot_strip_add, with PLplot's legend. */
static void with_strip_chart(void) {
    static const char* const names[kPens] = {"sum", "sin", "sin*noi", "sin+noi"};
    const int strip =
        lu_plot_strip_create(10.0f, -1.0f, 1.0f, kPens, 0, "t", "value", "strip chart");
    for (int pen = 0; pen < kPens; ++pen) lu_plot_strip_pen(strip, pen + 1, -1, -1, names[pen]);
    for (int i = 0; i < kPoints; ++i) {
        const double t = i * 0.1;
        for (int pen = 0; pen < kPens; ++pen)
            lu_plot_strip_add(strip, pen + 1, (float)t, (float)value(pen, t));
    }
    lu_plot_strip_delete(strip);
}

static void by_hand(void) {
    const double dt = 0.1, width = 10.0;
    double x0 = 0.0;
    float last_x[kPens], last_y[kPens];
    lu_plot_frame(0.0f, (float)width, -1.0f, 1.0f, 0);
    lu_plot_labels("t", "value", "strip chart");
    for (int i = 0; i < kPoints; ++i) {
        const double t = i * dt;
        if (t > x0 + width) { /* jump on by half a width and redraw what is kept */
            x0 += width / 2;
            lu_send_command_b4();
            lu_plot_frame((float)x0, (float)(x0 + width), -1.0f, 1.0f, 0);
            lu_plot_labels("t", "value", "strip chart");
            for (int pen = 0; pen < kPens; ++pen) {
                const int first = (int)ceil(x0 / dt);
                float xs[kPoints], ys[kPoints];
                int n = 0;
                for (int k = first; k < i; ++k) {
                    xs[n] = (float)(k * dt);
                    ys[n++] = (float)value(pen, k * dt);
                }
                lu_set_pen(lu_plot_colour(pen), 0, 0, 0);
                if (n > 1) lu_plot_line(n, xs, ys);
            }
        }
        for (int pen = 0; pen < kPens; ++pen) {
            const float x = (float)t, y = (float)value(pen, t);
            if (i > 0) {
                const float xs[2] = {last_x[pen], x}, ys[2] = {last_y[pen], y};
                lu_set_pen(lu_plot_colour(pen), 0, 0, 0);
                lu_plot_line(2, xs, ys);
            }
            last_x[pen] = x;
            last_y[pen] = y;
        }
    }
}

int main(int argc, char** argv) {
    lu_open_window(0);
    if (argc > 1 && strcmp(argv[1], "api") == 0) {
        with_strip_chart();
    } else {
        by_hand();
    }
    lu_quit();
    return 0;
}
