/* x30: PLplot's example 30 in Lumora's idiom: translucency. Page 1: nine squares in red,
 * green and blue, each overlapping the one before, from opaque to nearly transparent.
 * Page 2: twenty-five opaque squares under one large red square whose opacity rises from
 * nothing at the bottom to full at the top, a gradient. Every call is checked: a failed
 * one ends the program with status 1. */
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

static void check(int result, const char* what) {
    if (result == 0 || result == -999) {
        fprintf(stderr, "port_x30: %s failed\n", what);
        exit(1);
    }
}

/* Red, green and blue, in turn. */
static int colour(int i) {
    static const int rgb[3][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    const int* c = rgb[i % 3];
    return lu_make_rgb_colour(c[0], c[1], c[2]);
}

/* A new window whose world 0 ... 1 both ways lies on the whole page. */
static void open_page(void) {
    check(lu_open_window(0), "lu_open_window");
    check(lu_set_viewport(0, 0, 0, 0), "lu_set_viewport");
    check(lu_set_world(0, 0, 1, 1), "lu_set_world");
}

static void square(float x, float y, float side, int c) {
    check(lu_draw_box_a22(x, y, x + side, y + side, c), "lu_draw_box_a22");
}

int main(void) {
    open_page();
    for (int i = 0; i < 9; ++i) {
        check(lu_set_alpha(1.0f - (float)i / 9.0f), "lu_set_alpha");
        const float shift = 0.5f * (float)i / 9.0f;
        square(0.1f + shift, 0.1f + shift, 0.4f, colour(i));
    }

    /* Page 2 in a plot frame without its box: the squares and the gradient are fills in
     * its world, where Lumora's frame puts its box. */
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(0, 1, 0, 1, LU_PLOT_NO_BOX), "lu_plot_frame");
    for (int i = 0; i < 5; ++i) {
        check(lu_set_pen(colour(i), 0, 0, -1), "lu_set_pen");
        for (int j = 0; j < 5; ++j) {
            const float x0 = 0.05f + 0.2f * (float)i, y0 = 0.05f + 0.2f * (float)j;
            const float sx[] = {x0, x0 + 0.1f, x0 + 0.1f, x0},
                        sy[] = {y0, y0, y0 + 0.1f, y0 + 0.1f};
            check(lu_plot_fill(4, sx, sy), "lu_plot_fill");
        }
    }
    /* PLplot's gradient through a colour map of one red, its alpha 0 ... 1 upward. */
    const float px[] = {0, 1, 1, 0}, py[] = {0, 0, 1, 1};
    check(lu_plot_gradient_opacity(0, 1), "lu_plot_gradient_opacity");
    check(lu_plot_fill_gradient(4, px, py, 90, colour(0), colour(0)), "lu_plot_fill_gradient");
    lu_quit();
    return 0;
}
