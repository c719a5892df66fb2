/* x02: PLplot's example 2 in Lumora's idiom: numbered windows in colours. Page 1: sixteen
 * panels, each with three nested boxes (pen widths 1, 2 and 3) and its number in the
 * middle, in PLplot's sixteen colour-map-0 colours. Page 2: a hundred panels whose hues
 * step through the circle from left to right and whose lightness grows from 0.15 at the
 * top to 0.85 at the bottom, full saturation, built with lu_hls_colour. Every call is
 * checked: a failed one ends the program with status 1. */
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

static void check(int result, const char* what) {
    if (result == 0 || result == -999) {
        fprintf(stderr, "port_x02: %s failed\n", what);
        exit(1);
    }
}

/* PLplot's colour map 0, entries 0 ... 15; the black background entry, white and the
 * pale ones darkened so that they show on Lumora's white page. */
static int pl_colour(int index) {
    static const int rgb[16][3] = {
        {0, 0, 0},      {255, 0, 0},     {190, 150, 0},   {0, 170, 0},
        {0, 150, 130},  {230, 120, 140}, {180, 150, 100}, {120, 120, 120},
        {165, 42, 42},  {0, 0, 255},     {138, 43, 226},  {0, 170, 170},
        {64, 180, 170}, {255, 0, 255},   {230, 110, 90},  {60, 60, 60}};
    const int* c = rgb[index % 16];
    return lu_make_rgb_colour(c[0], c[1], c[2]);
}

/* Panel k (0 ...) of nx by ny on a page of normalized width `page` and height 1: three
 * nested boxes at 0.1 ... 0.9, 0.2 ... 0.8 and 0.3 ... 0.7 of the panel, then the number. */
static void draw_window(int k, int nx, int ny, double page, int colour) {
    const double w = page / nx, h = 1.0 / ny;
    const double x0 = (k % nx) * w, y1 = 1.0 - (k / nx) * h;
    char text[8];
    for (int j = 0; j <= 2; ++j) {
        const double in = 0.1 * (j + 1);
        check(lu_set_viewport((float)(x0 + in * w), (float)(y1 - (1 - in) * h),
                              (float)(x0 + (1 - in) * w), (float)(y1 - in * h)),
              "lu_set_viewport");
        check(lu_set_world(0, 0, 1, 1), "lu_set_world");
        check(lu_set_pen(colour, 0, j + 1, -1), "lu_set_pen");
        check(lu_draw_rectangle(0, 0, 1, 1), "lu_draw_rectangle");
    }
    /* The text height in the innermost box's world (0 ... 1 over 0.4 of the panel): about
     * 17 pixels in the panels of page 1, 10 in the smaller ones of page 2. */
    const float height = ny > 4 ? 0.5f : 0.35f;
    check(lu_set_font(height, 0, 4, 0, colour, NULL), "lu_set_font");
    snprintf(text, sizeof text, "%d", k);
    /* Digits centred up and down: the baseline a third of the height below the middle. */
    check(lu_draw_text(0.5f, 0.5f - 0.35f * height, text), "lu_draw_text");
}

/* The page's width in normalized units: the shorter side is 1. */
static double page_width(void) {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    check(lu_set_viewport(0, 0, 0, 0), "lu_set_viewport");
    check(lu_get_viewport(&x1, &y1, &x2, &y2), "lu_get_viewport");
    return x2 - x1;
}

int main(void) {
    check(lu_open_window(0), "lu_open_window");
    const double page = page_width();
    for (int k = 0; k < 16; ++k) draw_window(k, 4, 4, page, pl_colour(k));
    check(lu_open_window(0), "lu_open_window");
    for (int k = 0; k < 100; ++k) {
        const float hue = 36.0f * (float)(k % 10);
        const float lightness = 0.15f + 0.7f * (float)(k / 10) / 9.0f;
        const int colour = lu_hls_colour(hue, lightness, 1.0f);
        check(colour, "lu_hls_colour");
        draw_window(k, 10, 10, page, colour);
    }
    lu_quit();
    return 0;
}
