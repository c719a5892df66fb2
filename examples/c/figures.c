/*
 * figures: a first Lumora program in C.
 *
 * Opens a graphics window, draws a rectangle, a rounded rectangle, an ellipse, a pie
 * slice, a polyline (one period of a sine) and a line of text, then quits. Every call
 * is checked: the program ends with status 1 and names the call that failed.
 *
 *   cc figures.c $(pkg-config --cflags --libs lumora) -o figures
 */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

#define POINTS 41

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "figures: %s failed\n", what);
        exit(1);
    }
}

/* One period of a sine across the lower half of the world window. */
static void draw_wave(float width) {
    float points[2 * POINTS];
    for (int i = 0; i < POINTS; ++i) {
        const float t = (float)i / (float)(POINTS - 1);
        points[2 * i] = 10.0f + t * (width - 20.0f);
        points[2 * i + 1] = 35.0f + 15.0f * sinf(6.2831853f * t);
    }
    check(lu_draw_polyline(points, POINTS), "lu_draw_polyline");
}

int main(void) {
    check(lu_open_window(0), "lu_open_window");

    /* The viewport fills the drawing area; the world is 100 units high and as wide as
     * the area's shape allows (at least 125 units in a landscape window), so that circles
     * stay round. */
    const float aspect = lu_get_aspect_ratio(1);
    const float width = 100.0f * aspect;
    check(lu_set_viewport(0.0f, 0.0f, aspect, 1.0f), "lu_set_viewport");
    check(lu_set_world(0.0f, 0.0f, width, 100.0f), "lu_set_world");

    check(lu_set_pen(lu_make_rgb_colour(0, 0, 160), 0, 2, -1), "lu_set_pen");
    check(lu_draw_box_a21(5.0f, 60.0f, 30.0f, 85.0f), "lu_draw_box_a21 (rectangle)");
    check(lu_draw_box_a23(35.0f, 60.0f, 60.0f, 85.0f, 8.0f, 8.0f),
          "lu_draw_box_a23 (rounded rectangle)");
    check(lu_draw_box_a24(65.0f, 60.0f, 90.0f, 85.0f), "lu_draw_box_a24 (ellipse)");
    /* A quarter missing from a full turn: start at 1/8, extent 3/4 of a turn. */
    check(lu_draw_arc_a27(95.0f, 60.0f, 120.0f, 85.0f, 0.125f, 0.75f), "lu_draw_arc_a27 (pie)");

    check(lu_set_pen(lu_make_rgb_colour(200, 0, 0), -1, -1, -1), "lu_set_pen");
    draw_wave(width);

    check(lu_set_font(6.0f, 0.0f, 0, -1, -1, NULL), "lu_set_font");
    check(lu_draw_text(5.0f, 10.0f, "Figures, a polyline and text from C"), "lu_draw_text");

    lu_quit();
    return 0;
}
