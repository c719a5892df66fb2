/* x30: PLplot's example 30 in Lumora's idiom: translucency. Page 1: nine squares in red,
 * green and blue, each overlapping the one before, from opaque to nearly transparent.
 * Page 2: twenty-five opaque squares under one large red square whose opacity rises from
 * nothing at the bottom to full at the top, in 128 bands. Every call is checked: a failed
 * one ends the program with status 1. */
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kBands = 128 };

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

/* A new window whose world 0 ... 1 both ways lies on the viewport from `margin` to
 * 1 - `margin` of the whole page in each direction. */
static void open_page(float margin) {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    check(lu_open_window(0), "lu_open_window");
    check(lu_set_viewport(0, 0, 0, 0), "lu_set_viewport");
    check(lu_get_viewport(&x1, &y1, &x2, &y2), "lu_get_viewport");
    const float w = x2 - x1, h = y2 - y1;
    check(lu_set_viewport(x1 + margin * w, y1 + margin * h, x2 - margin * w, y2 - margin * h),
          "lu_set_viewport");
    check(lu_set_world(0, 0, 1, 1), "lu_set_world");
}

static void square(float x, float y, float side, int c) {
    check(lu_draw_box_a22(x, y, x + side, y + side, c), "lu_draw_box_a22");
}

int main(void) {
    open_page(0.0f);
    for (int i = 0; i < 9; ++i) {
        check(lu_set_alpha(1.0f - (float)i / 9.0f), "lu_set_alpha");
        const float shift = 0.5f * (float)i / 9.0f;
        square(0.1f + shift, 0.1f + shift, 0.4f, colour(i));
    }

    open_page(0.1f);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            square(0.05f + 0.2f * (float)i, 0.05f + 0.2f * (float)j, 0.1f, colour(i));
    /* PLplot's gradient through a colour map of 128 entries, its alpha 0 ... 1 upward. */
    const int red = colour(0);
    for (int k = 0; k < kBands; ++k) {
        check(lu_set_alpha(((float)k + 0.5f) / kBands), "lu_set_alpha");
        check(lu_draw_box_a22(0, (float)k / kBands, 1, (float)(k + 1) / kBands, red),
              "lu_draw_box_a22");
    }
    lu_quit();
    return 0;
}
