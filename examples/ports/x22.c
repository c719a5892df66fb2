/* x22: PLplot's example 22 in Lumora's idiom: vector fields. The circulation about the
 * origin in PLplot's default arrows; the flow through a constricted pipe in arrows of
 * six points drawn as lines and then filled; the same flow drawn on a straight pipe and
 * squeezed into the constriction by a plot transform, over its filled speeds and between
 * its walls; the gradient of a shielded potential inside
 * a cylinder on a polar grid over its dashed contours, with a key arrow. Every call is checked: a
 * failed one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kN = 20, kSide = 20, kPerimeter = 100, kLevels = 10 };

static const double kPi = 3.14159265358979323846;

/* The pairs of points of the constriction's arrows, in the arrow's own coordinates. */
static const float kArrowX[6] = {-0.5f, 0.5f, 0.3f, 0.5f, 0.3f, 0.5f};
static const float kArrowY[6] = {0.0f, 0.0f, 0.2f, 0.0f, -0.2f, 0.0f};
static const float kArrow2X[6] = {-0.5f, 0.3f, 0.3f, 0.5f, 0.3f, 0.3f};
static const float kArrow2Y[6] = {0.0f, 0.0f, 0.2f, 0.0f, -0.2f, 0.0f};

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x22: %s failed\n", what);
        exit(1);
    }
}

/* PLplot's colour map 0 yellow (darkened on white) and green. */
static int gold(void) {
    return lu_make_rgb_colour(190, 150, 0);
}
static int green(void) {
    return lu_make_rgb_colour(0, 170, 0);
}

/* A page of its own with its frame over -10 ... 10 and its labels. */
static void page(const char* title) {
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(-kN / 2, kN / 2, -kN / 2, kN / 2, 0), "lu_plot_frame");
    check(lu_plot_labels("(x)", "(y)", title), "lu_plot_labels");
    check(lu_set_pen(gold(), 0, 0, -1), "lu_set_pen");
}

/* The field (u, v) on the 20 x 20 cells over -10 ... 10, Fortran's order. */
static void arrows(const float* u, const float* v) {
    check(lu_draw_vectors(u, v, kN, kN, LU_COLUMN_MAJOR, -kN / 2, -kN / 2, kN / 2, kN / 2, 0),
          "lu_draw_vectors");
}

static void circulation(void) {
    float u[kN * kN], v[kN * kN];
    for (int j = 0; j < kN; ++j) {
        for (int i = 0; i < kN; ++i) {
            u[i + j * kN] = (float)(j - kN / 2) + 0.5f;
            v[i + j * kN] = -((float)(i - kN / 2) + 0.5f);
        }
    }
    page("PLplot Example 22 - circulation");
    check(lu_set_arrow_style(LU_ARROW_WHOLE, 0, NULL, NULL, 0, 0), "lu_set_arrow_style");
    arrows(u, v);
}

/* Flow through a pipe whose half width b(x) narrows towards x = 0. */
static void constriction(int style, const float* shape_x, const float* shape_y, int fill) {
    const double ymax = kN / 2, xmax = kN / 2, q = 2;
    float u[kN * kN], v[kN * kN];
    char title[80];
    for (int j = 0; j < kN; ++j) {
        const double y = j - kN / 2 + 0.5;
        for (int i = 0; i < kN; ++i) {
            const double x = i - kN / 2 + 0.5;
            const double b = ymax / 4 * (3 - cos(kPi * x / xmax));
            const int inside = fabs(y) < b;
            const double dbdx = ymax / 4 * sin(kPi * x / xmax) * kPi / xmax * y / b;
            u[i + j * kN] = inside ? (float)(q * ymax / b) : 0.0f;
            v[i + j * kN] = inside ? (float)(dbdx * q * ymax / b) : 0.0f;
        }
    }
    snprintf(title, sizeof title, "PLplot Example 22 - constriction (arrow style %d)", style);
    page(title);
    check(lu_set_arrow_style(0, 6, shape_x, shape_y, fill, 0), "lu_set_arrow_style");
    arrows(u, v);
}

/* The pipe's walls: half width 1 at x = 0 growing to 2 at the ends (of -xmax ... xmax). */
static double narrowing(double x, double xmax) {
    return (3 - cos(kPi * x / xmax)) / 4;
}

/* The straight pipe of -10 ... 10 squeezed into the constriction; data: xmax. */
static void squeeze(double x, double y, double* tx, double* ty, void* data) {
    *tx = x;
    *ty = y * narrowing(x, *(const double*)data);
}

/* The constriction's flow as a uniform flow in a straight pipe, squeezed by the transform:
 * the speed grows where the pipe narrows; the walls are straight lines bent with it. */
static void squeezed_constriction(void) {
    enum { kShades = 11 };
    double xmax = kN / 2;
    const double q = 2;
    float u[kN * kN], v[kN * kN], levels[kShades];
    const float wall_x[2] = {-kN / 2, kN / 2}, top[2] = {kN / 2, kN / 2},
                bottom[2] = {-kN / 2, -kN / 2};
    for (int j = 0; j < kN; ++j) {
        for (int i = 0; i < kN; ++i) {
            const double x = i - kN / 2 + 0.5;
            u[i + j * kN] = (float)(q / narrowing(x, xmax));
            v[i + j * kN] = 0.0f;
        }
    }
    for (int k = 0; k < kShades; ++k) levels[k] = (float)(q + k * q / (kShades - 1));
    page("PLplot Example 22 - constriction with a plot transform");
    check(lu_set_colour_map(0, (float)q, (float)(2 * q)), "lu_set_colour_map");
    check(lu_set_plot_transform(squeeze, &xmax), "lu_set_plot_transform");
    check(lu_fill_contours(u, kN, kN, LU_COLUMN_MAJOR, -kN / 2 + 0.5f, -kN / 2 + 0.5f,
                           kN / 2 - 0.5f, kN / 2 - 0.5f, levels, kShades),
          "lu_fill_contours");
    check(lu_set_arrow_style(LU_ARROW_WHOLE, 0, NULL, NULL, 0, 0), "lu_set_arrow_style");
    check(lu_draw_vectors(u, v, kN, kN, LU_COLUMN_MAJOR, -kN / 2, -kN / 2, kN / 2, kN / 2, 0),
          "lu_draw_vectors");
    check(lu_plot_line(2, wall_x, top), "lu_plot_line");
    check(lu_plot_line(2, wall_x, bottom), "lu_plot_line");
    check(lu_set_plot_transform(NULL, NULL), "lu_set_plot_transform");
}

/* The potential of two charges and their images inside a conducting cylinder of radius
 * 20, with a smoothing term near the charges: its value and its gradient at (x, y). */
static double potential_at(double x, double y, double* gx, double* gy) {
    const double rmax = kSide, eps = 2, d = rmax / 4, di = rmax * rmax / d;
    const double q[4] = {1, -rmax / d, -1, rmax / d};
    const double cx[4] = {d, di, d, di}, cy[4] = {d, di, -d, -di};
    double z = 0;
    *gx = 0;
    *gy = 0;
    for (int k = 0; k < 4; ++k) {
        const double div = sqrt(pow(x - cx[k], 2) + pow(y - cy[k], 2) + eps * eps);
        z += q[k] / div;
        *gx -= q[k] * (x - cx[k]) / pow(div, 3);
        *gy -= q[k] * (y - cy[k]) / pow(div, 3);
    }
    return z;
}

/* On PLplot's polar grid: radii 0.5 ... 19.5, angles a 19th of a turn apart, radius
 * running fastest (Fortran's order). */
static void potential(void) {
    enum { kRadii = kSide, kAngles = kSide, kAll = kRadii * kAngles };
    float xg[kAll], yg[kAll], z[kAll], u[kAll], v[kAll];
    float low = INFINITY, high = -INFINITY, levels[kLevels], px[kPerimeter], py[kPerimeter];
    for (int j = 0; j < kAngles; ++j) {
        const double theta = 2 * kPi / (kAngles - 1) * (0.5 + j);
        for (int i = 0; i < kRadii; ++i) {
            const double r = 0.5 + i, x = r * cos(theta), y = r * sin(theta);
            double gx = 0, gy = 0;
            const int k = i + j * kRadii;
            z[k] = (float)potential_at(x, y, &gx, &gy);
            xg[k] = (float)x;
            yg[k] = (float)y;
            u[k] = (float)gx;
            v[k] = (float)gy;
            low = z[k] < low ? z[k] : low;
            high = z[k] > high ? z[k] : high;
        }
    }
    for (int k = 0; k < kLevels; ++k) levels[k] = low + ((float)k + 0.5f) * (high - low) / kLevels;
    for (int k = 0; k < kPerimeter; ++k) {
        px[k] = (float)(kSide * cos(2 * kPi / (kPerimeter - 1) * k));
        py[k] = (float)(kSide * sin(2 * kPi / (kPerimeter - 1) * k));
    }
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(-kSide, kSide, -kSide, kSide, LU_PLOT_EQUAL), "lu_plot_frame");
    check(lu_plot_labels("(x)", "(y)", "PLplot Example 22 - potential gradient vector plot"),
          "lu_plot_labels");
    check(lu_set_pen(green(), 1, 0, -1), "lu_set_pen");
    check(lu_draw_contours_on_grid(z, kRadii, kAngles, LU_COLUMN_MAJOR, xg, yg, LU_GRID_POINTS,
                                   levels, kLevels, 0),
          "lu_draw_contours_on_grid");
    check(lu_set_pen(gold(), 0, 0, -1), "lu_set_pen");
    check(lu_set_arrow_style(LU_ARROW_WHOLE, 0, NULL, NULL, 0, 0), "lu_set_arrow_style");
    check(
        lu_draw_vectors_on_grid(u, v, kRadii, kAngles, LU_COLUMN_MAJOR, xg, yg, LU_GRID_POINTS, 25),
        "lu_draw_vectors_on_grid");
    check(lu_draw_vector_key(-kSide + 1, -kSide + 1, 0.2f, LU_KEY_WORLD), "lu_draw_vector_key");
    check(lu_set_pen(lu_make_rgb_colour(255, 0, 0), 0, 0, -1), "lu_set_pen");
    check(lu_plot_line(kPerimeter, px, py), "lu_plot_line");
}

int main(void) {
    circulation();
    constriction(1, kArrowX, kArrowY, 0);
    constriction(2, kArrow2X, kArrow2Y, 1);
    squeezed_constriction();
    potential();
    lu_quit();
    return 0;
}
