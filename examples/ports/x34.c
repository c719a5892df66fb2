/* x34: PLplot's example 34 in Lumora's idiom: compositing. Three pages, each a red
 * triangle under a blue disc of opacity 0.3: laid over it (the default), replacing it (the
 * disc shows the page's white through it, not the red) and in xor (the red under the
 * disc fades to white, the blue is not drawn). Every call is checked: a failed one ends
 * the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kDiscPoints = 360 };

static void check(int result, const char* what) {
    if (result == 0 || result == -999) {
        fprintf(stderr, "port_x34: %s failed\n", what);
        exit(1);
    }
}

static void draw_page(int mode, const char* title) {
    static const float tx[] = {0, 1, 0}, ty[] = {0, 1, 1};
    float dx[kDiscPoints], dy[kDiscPoints];
    for (int i = 0; i < kDiscPoints; ++i) {
        const double a = 2 * 3.14159265358979 * i / kDiscPoints;
        dx[i] = (float)(0.5 + 0.4 * cos(a));
        dy[i] = (float)(0.5 + 0.4 * sin(a));
    }
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(0, 1, 0, 1, LU_PLOT_EQUAL), "lu_plot_frame");
    check(lu_plot_labels("", "", title), "lu_plot_labels");
    check(lu_set_pen(lu_make_rgb_colour(255, 0, 0), 0, 0, -1), "lu_set_pen");
    check(lu_plot_fill(3, tx, ty), "lu_plot_fill");
    check(lu_set_compositing(mode), "lu_set_compositing");
    check(lu_set_alpha(0.3f), "lu_set_alpha");
    check(lu_set_pen(lu_make_rgb_colour(0, 0, 255), 0, 0, -1), "lu_set_pen");
    check(lu_plot_fill(kDiscPoints, dx, dy), "lu_plot_fill");
}

int main(void) {
    draw_page(LU_COMPOSE_OVER, "Default drawing mode");
    draw_page(LU_COMPOSE_REPLACE, "Replace destination with source");
    draw_page(LU_COMPOSE_XOR, "XOR drawing");
    lu_quit();
    return 0;
}
