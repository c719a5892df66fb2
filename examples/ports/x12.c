/* x12: PLplot's example 12 in Lumora's idiom: a bar chart of widget sales from 1980 to
 * 1989, each bar filled with its colour along a map of the program's own (five control
 * points from cyan through grey to yellow, as PLplot's plscmap1l takes them) and outlined
 * in red, its value above it and its year below the box. Every call is checked: a failed
 * one ends the program with status 1. */
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kYears = 10, kControlPoints = 5 };

static void check(int result, const char* what) {
    if (result == 0 || result == -999) {
        fprintf(stderr, "port_x12: %s failed\n", what);
        exit(1);
    }
}

/* PLplot's control points: positions and red, green, blue fractions. */
static void define_map(void) {
    static const float pos[kControlPoints] = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f};
    static const float red[kControlPoints] = {0.0f, 0.25f, 0.5f, 1.0f, 1.0f};
    static const float green[kControlPoints] = {1.0f, 0.5f, 0.5f, 0.5f, 1.0f};
    static const float blue[kControlPoints] = {1.0f, 1.0f, 0.5f, 0.25f, 0.0f};
    int colours[kControlPoints];
    for (int i = 0; i < kControlPoints; ++i) {
        colours[i] = lu_make_rgb_colour((int)(255 * red[i] + 0.5f), (int)(255 * green[i] + 0.5f),
                                        (int)(255 * blue[i] + 0.5f));
        check(colours[i], "lu_make_rgb_colour");
    }
    check(lu_define_colour_map(LU_MAP_OWN + 1, kControlPoints, pos, colours, LU_MAP_BLEND_RGB),
          "lu_define_colour_map");
    check(lu_set_colour_map(LU_MAP_OWN + 1, 0.0f, 1.0f), "lu_set_colour_map");
}

/* A bar one year wide from 0 to y, filled in the colour and outlined in red. */
static void bar(float x0, float y, int colour) {
    const float x[5] = {x0, x0, x0 + 1, x0 + 1, x0};
    const float ys[5] = {0, y, y, 0, 0};
    check(lu_set_pen(colour, 0, 0, -1), "lu_set_pen");
    check(lu_plot_fill(4, x, ys), "lu_plot_fill");
    check(lu_set_pen(lu_make_rgb_colour(255, 0, 0), 0, 0, -1), "lu_set_pen");
    check(lu_plot_line(5, x, ys), "lu_plot_line");
}

int main(void) {
    static const float sales[kYears] = {5, 15, 12, 24, 28, 30, 20, 8, 12, 3};
    char text[16];
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(1980.0f, 1990.0f, 0.0f, 35.0f, LU_PLOT_NO_BOX), "lu_plot_frame");
    check(lu_plot_box("bc", 1.0f, 0, "bcnv", 10.0f, 0), "lu_plot_box");
    /* The years stand where the frame puts its x label: "Year" goes below them. */
    check(lu_plot_labels("", "Widget Sales (millions)", "PLplot Example 12"), "lu_plot_labels");
    define_map();
    for (int i = 0; i < kYears; ++i) {
        const float x0 = 1980.0f + (float)i;
        bar(x0, sales[i], lu_colour_of_value((float)i / 9.0f));
        /* The value a unit above the bar, the year below the box, both centred. */
        check(lu_set_font(1.2f, 0, 7, 0, 0, NULL), "lu_set_font");
        snprintf(text, sizeof text, "%.0f", (double)sales[i]);
        check(lu_draw_text(x0 + 0.5f, sales[i] + 1.0f, text), "lu_draw_text");
        check(lu_set_font(1.2f, 0, 1, 0, 0, NULL), "lu_set_font");
        snprintf(text, sizeof text, "%d", 1980 + i);
        check(lu_draw_text(x0 + 0.5f, -1.0f, text), "lu_draw_text");
    }
    check(lu_set_font(1.5f, 0, 1, 0, 0, NULL), "lu_set_font");
    check(lu_draw_text(1985.0f, -3.0f, "Year"), "lu_draw_text");
    lu_quit();
    return 0;
}
