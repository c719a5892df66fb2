/*
 * fields: a two-dimensional field drawn two ways with Lumora.
 *
 * The field is sin(x) cos(y) with a Gaussian bump, on a 120 x 120 grid over
 * -3 ... 3 in x and y. The left panel shows it as a picture in the sequential colour map
 * with a colour bar beside it; the right panel shows the same field as labelled contour
 * lines. Every call is checked: the program ends with status 1 and names the call that
 * failed.
 *
 *   cc fields.c $(pkg-config --cflags --libs lumora) -lm -o fields
 */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

#define NX 120
#define NY 120

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "fields: %s failed\n", what);
        exit(1);
    }
}

/* The field at (x, y). */
static double field(double x, double y) {
    const double dx = x - 1.0, dy = y + 1.0;
    return sin(x) * cos(y) + 1.2 * exp(-(dx * dx + dy * dy));
}

/* A frame around the world -3 ... 3 with a tick and a number at every whole unit. */
static void draw_frame(void) {
    check(lu_set_pen(0, 0, 1, -1), "lu_set_pen (frame)");
    check(lu_draw_box_a21(-3.0f, -3.0f, 3.0f, 3.0f), "lu_draw_box_a21");
    check(lu_set_font(0.3f, 0.0f, 1, -1, -1, NULL), "lu_set_font (numbers)");
    for (int k = -3; k <= 3; ++k) {
        char number[8];
        snprintf(number, sizeof number, "%d", k);
        const float t = (float)k;
        check(lu_draw_line(t, -3.0f, t, -2.85f), "lu_draw_line (x tick)");
        check(lu_draw_line(-3.0f, t, -2.85f, t), "lu_draw_line (y tick)");
        check(lu_draw_text(t, -3.12f, number), "lu_draw_text (x number)");
        if (k > -3) check(lu_draw_text(-3.3f, t - 0.12f, number), "lu_draw_text (y number)");
    }
}

/* One panel: the viewport (normalized units), the world and the frame. */
static void start_panel(float left, float right, const char* title) {
    check(lu_set_viewport(left, 0.16f, right, 0.84f), "lu_set_viewport");
    check(lu_set_world(-3.0f, -3.0f, 3.0f, 3.0f), "lu_set_world");
    check(lu_set_font(0.38f, 0.0f, 1, -1, -1, NULL), "lu_set_font (title)");
    check(lu_draw_text(0.0f, 3.6f, title), "lu_draw_text (title)");
}

int main(void) {
    /* Row-major as C stores z[NX][NY]: value (i, j) at z[i][j]. */
    static float z[NX][NY];
    float low = 1e30f, high = -1e30f;
    for (int i = 0; i < NX; ++i) {
        for (int j = 0; j < NY; ++j) {
            const double x = -3.0 + 6.0 * (i + 0.5) / NX, y = -3.0 + 6.0 * (j + 0.5) / NY;
            z[i][j] = (float)field(x, y);
            if (z[i][j] < low) low = z[i][j];
            if (z[i][j] > high) high = z[i][j];
        }
    }
    check(lu_open_window(0), "lu_open_window");
    const float aspect = lu_get_aspect_ratio(1);

    /* Left: the field as a picture, with its colour bar. */
    start_panel(0.08f, 0.58f, "sin x cos y + bump");
    check(lu_set_colour_map(LU_MAP_SEQUENTIAL, low, high), "lu_set_colour_map");
    check(lu_draw_field_image(&z[0][0], NX, NY, LU_ROW_MAJOR, -3.0f, -3.0f, 3.0f, 3.0f, 1),
          "lu_draw_field_image");
    draw_frame();
    check(lu_set_font(0.3f, 0.0f, -1, -1, -1, NULL), "lu_set_font (bar)");
    check(lu_draw_colour_bar(0.025f, 0.035f, NULL, 0), "lu_draw_colour_bar");

    /* Right: the same field as contour lines every 0.25, labelled. */
    start_panel(aspect - 0.53f, aspect - 0.03f, "contours");
    check(lu_set_pen(lu_make_rgb_colour(20, 60, 140), 0, 1, -1), "lu_set_pen (contours)");
    check(lu_set_font(0.25f, 0.0f, -1, -1, lu_make_rgb_colour(20, 60, 140), NULL),
          "lu_set_font (labels)");
    check(lu_draw_contours(&z[0][0], NX, NY, LU_ROW_MAJOR, -3.0f, -3.0f, 3.0f, 3.0f, NULL, -8, 1),
          "lu_draw_contours");
    check(lu_set_font(-1.0f, 0.0f, 0, -1, 0, NULL), "lu_set_font (black)");
    draw_frame();

    lu_quit();
    return 0;
}
