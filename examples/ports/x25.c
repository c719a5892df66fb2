/* x25: PLplot's example 25 in Lumora's idiom: polygons filled and clipped. Eight pages of
 * nine panels: a diamond, the same diamond the other way round, a square with two
 * punctures and the same the other way round, each in nine world windows that cut it
 * differently (from the whole shape to a sliver beside it); on the first four pages
 * filled in one colour, on the last four with a gradient at 45 degrees along the colour
 * map, each outlined. Every call is checked: a failed one ends the program with status 1. */
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

static void check(int result, const char* what) {
    if (result == 0 || result == -999) {
        fprintf(stderr, "port_x25: %s failed\n", what);
        exit(1);
    }
}

/* The nine world windows: x1, x2, y1, y2. */
static const float kWorlds[9][4] = {
    {-120, 120, -120, 120}, {-120, 120, 20, 120},    {-120, 120, -20, 120},
    {-80, 80, -20, 120},    {-220, -120, -120, 120}, {-20, 20, -120, 120},
    {-20, 20, -20, 20},     {-80, 80, -80, 80},      {20, 120, -120, 120}};

/* Polygon j (0 ... 3) in x, y; its number of points. */
static int polygon(int j, float* x, float* y) {
    static const float diamond[4][2] = {{0, -100}, {-100, 0}, {0, 100}, {100, 0}};
    static const float punctured[10][2] = {{-100, -100}, {-100, -80}, {80, 0}, {-100, 80},
                                           {-100, 100},  {-80, 100},  {0, 80}, {80, 100},
                                           {100, 100},   {100, -100}};
    const int n = j < 2 ? 4 : 10;
    for (int i = 0; i < n; ++i) {
        /* The odd ones go the other way round. */
        const int k = j % 2 == 0 ? i : n - 1 - i;
        x[i] = j < 2 ? diamond[k][0] : punctured[k][0];
        y[i] = j < 2 ? diamond[k][1] : punctured[k][1];
    }
    return n;
}

int main(void) {
    const int red = lu_make_rgb_colour(255, 0, 0), yellow = lu_make_rgb_colour(200, 160, 0);
    /* PLplot's default colour map 1 runs from blue to red. */
    check(lu_set_colour_map(LU_MAP_DIVERGING, 0, 1), "lu_set_colour_map");
    for (int k = 0; k < 2; ++k) {
        for (int j = 0; j < 4; ++j) {
            float x[11], y[11];
            const int n = polygon(j, x, y);
            check(lu_open_window(0), "lu_open_window");
            check(lu_plot_subpages(3, 3), "lu_plot_subpages");
            for (int i = 0; i < 9; ++i) {
                const float* w = kWorlds[i];
                check(lu_plot_frame(w[0], w[1], w[2], w[3], LU_PLOT_NO_BOX), "lu_plot_frame");
                check(lu_plot_box("bc", 1.0f, 0, "bcnv", 10.0f, 0), "lu_plot_box");
                if (k == 0) {
                    check(lu_set_pen(red, 0, 0, -1), "lu_set_pen");
                    check(lu_plot_fill(n, x, y), "lu_plot_fill");
                } else {
                    check(lu_plot_fill_gradient_map(n, x, y, 45), "lu_plot_fill_gradient_map");
                }
                /* The outline as PLplot draws it: a line through the points, not closed. */
                check(lu_set_pen(yellow, 0, 0, -1), "lu_set_pen");
                check(lu_plot_line(n, x, y), "lu_plot_line");
            }
        }
    }
    lu_quit();
    return 0;
}
