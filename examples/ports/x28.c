/* x28: PLplot's example 28 in Lumora's idiom, texts in 3-D. Five pages, each a box of
 * 0 ... 1 on every axis with the base's outline: texts going round in the planes z = 0,
 * x = 1 and y = 1 (their up turning with them); texts turned about their own baseline
 * in those planes; texts sheared along their baseline; a sentence written letter by
 * letter along a helix; and texts beside the box's edges at several displacements.
 * Every call is checked: a failed one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "lumora.h"

#define PI 3.14159265358979
#define NREVOLUTION 16
#define NROTATION 8
#define NSHEAR 8

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x28: %s failed\n", what);
        exit(1);
    }
}

/* A window with the box seen from the altitude and azimuth, its base outlined by the
 * mesh of a 2 by 2 grid, and the pen in PLplot's second colour darkened for white. */
static void page(float altitude, float azimuth) {
    static const float corners[2] = {0, 1}, flat[4] = {0, 0, 0, 0};
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(-1.2f, 1.2f, -0.8f, 1.5f, LU_PLOT_NO_BOX), "lu_plot_frame");
    check(lu_plot_view3d(1, 1, 1, 0, 1, 0, 1, 0, 1, altitude, azimuth, 0), "lu_plot_view3d");
    check(lu_set_pen(lu_make_rgb_colour(190, 150, 0), 0, 1, -1), "lu_set_pen");
    check(lu_plot_box3d("b", "", 1, 0, "b", "", 1, 0, "bcg", "", 1, 0), "lu_plot_box3d");
    check(lu_plot_mesh3d(flat, 2, 2, LU_ROW_MAJOR, corners, corners, LU_MESH_X + LU_MESH_Y),
          "lu_plot_mesh3d");
}

static void text3d(double x, double y, double z, double dx, double dy, double dz, double sx,
                   double sy, double sz, float justification, const char* text) {
    check(lu_plot_text3d((float)x, (float)y, (float)z, (float)dx, (float)dy, (float)dz, (float)sx,
                         (float)sy, (float)sz, justification, text),
          "lu_plot_text3d");
}

/* Page 1: "revolution" sixteen times round the middle of the planes z = 0, x = 1, y = 1. */
static void revolutions(void) {
    page(20, 45);
    for (int i = 0; i < NREVOLUTION; ++i) {
        const double w = 2 * PI * i / NREVOLUTION, c = 0.5 * cos(w), s = 0.5 * sin(w);
        text3d(0.5, 0.5, 0, c, s, 0, -s, c, 0, 0, "  revolution");
    }
    for (int i = 0; i < NREVOLUTION; ++i) {
        const double w = 2 * PI * i / NREVOLUTION, c = 0.5 * cos(w), s = 0.5 * sin(w);
        text3d(1, 0.5, 0.5, 0, -c, s, 0, s, c, 0, "  revolution");
    }
    for (int i = 0; i < NREVOLUTION; ++i) {
        const double w = 2 * PI * i / NREVOLUTION, c = 0.5 * cos(w), s = 0.5 * sin(w);
        text3d(0.5, 1, 0.5, c, 0, s, -s, 0, c, 0, "  revolution");
    }
}

/* Pages 2 and 3: texts down the planes y = 1, x = 1 and z = 0 whose up turns about their
 * baseline (rotation, offset 0) or leans along it (shear, offset 0.05 past each step, so
 * that no up lies along the baseline). */
static void turned_texts(int count, double offset, const char* kind) {
    static const char* planes[3] = {"y = $y_{max}$", "x = $x_{max}$", "z = $z_{min}$"};
    const int shear = offset != 0;
    page(20, 45);
    for (int plane = 0; plane < 3; ++plane) {
        char text[64];
        snprintf(text, sizeof text, "%s for %s", kind, planes[plane]);
        for (int i = 0; i < count; ++i) {
            const double w = offset + 2 * PI * i / count, c = 0.5 * cos(w), s = 0.5 * sin(w);
            const double d = 0.9 - 0.8 / (count - 1) * i;
            /* Each plane's point, baseline and up: turning, and leaning. */
            const double cases[3][2][9] = {
                {{0.5, 1, d, 1, 0, 0, 0, s, c}, {0.5, 1, d, 1, 0, 0, s, 0, c}},
                {{1, 0.5, d, 0, -1, 0, s, 0, c}, {1, 0.5, d, 0, -1, 0, 0, -s, c}},
                {{0.5, d, 0, 1, 0, 0, 0, c, s}, {0.5, d, 0, 1, 0, 0, s, c, 0}},
            };
            const double* p = cases[plane][shear];
            text3d(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], 0.5f, text);
        }
    }
}

/* Page 4: the sentence letter by letter along a helix round the box's middle, each
 * letter's baseline along the helix and its up along z, in a larger text. */
static void helix(void) {
    static const char* sentence = "The future of our civilization depends on software freedom.";
    const double step = 2 * PI / (double)strlen(sentence), radius = 0.5, pitch = 1 / (2 * PI);
    check(lu_plot_set_text_scale(1.2f), "lu_plot_set_text_scale");
    page(40, -30);
    check(lu_plot_set_text_scale(1.0f), "lu_plot_set_text_scale");
    for (size_t i = 0; sentence[i] != '\0'; ++i) {
        const double w = step * (double)i;
        const char letter[2] = {sentence[i], '\0'};
        text3d(0.5 + radius * sin(w), 0.5 - radius * cos(w), pitch * w, radius * cos(w),
               radius * sin(w), pitch, 0, 0, 1, 0.5f, letter);
    }
}

/* Page 5: texts beside each axis's primary and secondary edge, two displacements each
 * (outward counts positive on every edge). */
static void edge_texts(void) {
    static const struct {
        const char* edge;
        float displacement;
        const char* text;
    } texts[] = {
        {"xp", 3.0f, "Arbitrarily displaced"}, {"xp", 4.5f, "primary X-axis label"},
        {"xs", 2.5f, "Arbitrarily displaced"}, {"xs", 1.0f, "secondary X-axis label"},
        {"yp", 3.0f, "Arbitrarily displaced"}, {"yp", 4.5f, "primary Y-axis label"},
        {"ys", 2.5f, "Arbitrarily displaced"}, {"ys", 1.0f, "secondary Y-axis label"},
        {"zp", 4.5f, "Arbitrarily displaced"}, {"zp", 3.0f, "primary Z-axis label"},
        {"zs", 2.5f, "Arbitrarily displaced"}, {"zs", 1.0f, "secondary Z-axis label"},
    };
    page(20, 45);
    for (size_t i = 0; i < sizeof texts / sizeof texts[0]; ++i)
        check(lu_plot_edge_text3d(texts[i].edge, texts[i].displacement, 0.5f, 0.5f, texts[i].text),
              "lu_plot_edge_text3d");
}

int main(void) {
    revolutions();
    turned_texts(NROTATION, 0, "rotation");
    turned_texts(NSHEAR, 0.05, "shear");
    helix();
    edge_texts();
    lu_quit();
    return 0;
}
