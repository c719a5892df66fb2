/* x09: PLplot's example 9 in Lumora's idiom: contour lines of the potential flow
 * x^2 - y^2 (solid) and its stream function 2xy (dashed) on five pages: on an even grid
 * through -1 ... 1 with labelled levels, on a grid distorted along each axis alone, on a
 * grid distorted in both directions at once, the radius on a polar grid (circles), and
 * the shielded potential of two charges in a conducting sphere on a polar grid. Each page
 * is a window of its own. Every call is checked: a failed one ends the program with
 * status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kXPoints = 35, kYPoints = 46 };
enum { kRadii = 40, kAngles = 40, kPotentialRadii = 40, kPotentialAngles = 64, kLevels = 20 };
enum { kPerimeter = 100 };

static const double kPi = 3.14159265358979323846;

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x09: %s failed\n", what);
        exit(1);
    }
}

static int colour(int red, int green, int blue) {
    return lu_make_rgb_colour(red, green, blue);
}

/* The flow and its grids, row-major: value (i, j) at [i * kYPoints + j]. */
static double z[kXPoints * kYPoints], w[kXPoints * kYPoints];
static double even_x[kXPoints], even_y[kYPoints]; /* the grid of PLplot's mypltr */
static double axis_x[kXPoints], axis_y[kYPoints]; /* distorted along each axis */
static double grid_x[kXPoints * kYPoints], grid_y[kXPoints * kYPoints]; /* both at once */

static void make_flow(void) {
    const double distort = 0.4;
    for (int i = 0; i < kXPoints; ++i) {
        const double xx = (double)(i - kXPoints / 2) / (double)(kXPoints / 2);
        const double x = -1.0 + 2.0 * i / (kXPoints - 1), argx = x * kPi / 2;
        even_x[i] = x;
        axis_x[i] = x + distort * cos(argx);
        for (int j = 0; j < kYPoints; ++j) {
            const double yy = (double)(j - kYPoints / 2) / (double)(kYPoints / 2) - 1.0;
            const double y = -1.0 + 2.0 * j / (kYPoints - 1), argy = y * kPi / 2;
            z[i * kYPoints + j] = xx * xx - yy * yy;
            w[i * kYPoints + j] = 2 * xx * yy;
            even_y[j] = y;
            axis_y[j] = y - distort * cos(argy);
            grid_x[i * kYPoints + j] = x + distort * cos(argx) * cos(argy);
            grid_y[i * kYPoints + j] = y - distort * cos(argx) * cos(argy);
        }
    }
}

/* One page of the flow on a grid: the potential solid, the stream function dashed. */
static void flow_page(const double* xg, const double* yg, int grid, int labels) {
    static const double levels[11] = {-1, -0.8, -0.6, -0.4, -0.2, 0, 0.2, 0.4, 0.6, 0.8, 1};
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_set_colours(colour(255, 0, 0), colour(255, 0, 0), colour(255, 0, 0),
                              colour(255, 0, 0), -1),
          "lu_plot_set_colours");
    check(lu_plot_frame(-1.0f, 1.0f, -1.0f, 1.0f, 0), "lu_plot_frame");
    check(lu_set_rectangle_mode(-1.0f, -1.0f, 1.0f, 1.0f, 1), "lu_set_rectangle_mode");
    if (labels) check(lu_set_font(0.06f, 0, 4, 0, colour(190, 150, 0), NULL), "lu_set_font");
    check(lu_set_pen(colour(190, 150, 0), 0, 0, -1), "lu_set_pen");
    check(lu_draw_contours_on_grid_double(z, kXPoints, kYPoints, LU_ROW_MAJOR, xg, yg, grid, levels,
                                          11, labels),
          "lu_draw_contours_on_grid_double (potential)");
    if (labels) check(lu_set_font(0.06f, 0, 4, 0, colour(0, 170, 0), NULL), "lu_set_font");
    check(lu_set_pen(colour(0, 170, 0), 1, 0, -1), "lu_set_pen");
    check(lu_draw_contours_on_grid_double(w, kXPoints, kYPoints, LU_ROW_MAJOR, xg, yg, grid, levels,
                                          11, labels),
          "lu_draw_contours_on_grid_double (stream function)");
    check(lu_set_rectangle_mode(-1.0f, -1.0f, 1.0f, 1.0f, 0), "lu_set_rectangle_mode");
    check(lu_set_pen(colour(255, 0, 0), 0, 0, -1), "lu_set_pen");
    check(lu_plot_labels("X Coordinate", "Y Coordinate", "Streamlines of flow"), "lu_plot_labels");
}

/* A circle of radius r round (x0, y0) in the current pen. */
static void circle(double x0, double y0, double r) {
    double x[kPerimeter], y[kPerimeter];
    for (int i = 0; i < kPerimeter; ++i) {
        const double t = 2 * kPi * i / (kPerimeter - 1);
        x[i] = x0 + r * cos(t);
        y[i] = y0 + r * sin(t);
    }
    check(lu_plot_line_d(kPerimeter, x, y), "lu_plot_line_d");
}

static void polar_page(void) {
    static double x[kRadii * kAngles], y[kRadii * kAngles], r[kRadii * kAngles];
    double levels[10];
    for (int i = 0; i < kRadii; ++i)
        for (int j = 0; j < kAngles; ++j) {
            const double radius = i / (double)(kRadii - 1), t = 2 * kPi * j / (kAngles - 1);
            x[i * kAngles + j] = radius * cos(t);
            y[i * kAngles + j] = radius * sin(t);
            r[i * kAngles + j] = radius;
        }
    for (int k = 0; k < 10; ++k) levels[k] = 0.05 + 0.1 * k;
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_set_colours(colour(255, 0, 0), colour(255, 0, 0), colour(255, 0, 0),
                              colour(255, 0, 0), -1),
          "lu_plot_set_colours");
    check(lu_plot_frame(-1.0f, 1.0f, -1.0f, 1.0f, LU_PLOT_EQUAL | LU_PLOT_NO_BOX), "lu_plot_frame");
    check(lu_set_pen(colour(255, 0, 0), 0, 0, -1), "lu_set_pen");
    circle(0, 0, 1);
    check(lu_set_pen(colour(190, 150, 0), 0, 0, -1), "lu_set_pen");
    check(lu_draw_contours_on_grid_double(r, kRadii, kAngles, LU_ROW_MAJOR, x, y, LU_GRID_POINTS,
                                          levels, 10, 0),
          "lu_draw_contours_on_grid_double (polar)");
    check(lu_plot_labels(NULL, NULL, "Polar Contour Plot"), "lu_plot_labels");
}

/* The potential of the charges q1 at (d1, d1) and q2 at (d2, -d2) inside a grounded
 * sphere of radius rmax, with their image charges outside it. */
static double potential_at(double x, double y, double rmax) {
    const double eps = 2, q1 = 1, d1 = rmax / 4, q1i = -q1 * rmax / d1, d1i = rmax * rmax / d1;
    const double q2 = -1, d2 = rmax / 4, q2i = -q2 * rmax / d2, d2i = rmax * rmax / d2;
    const double div1 = sqrt(pow(x - d1, 2) + pow(y - d1, 2) + eps * eps);
    const double div1i = sqrt(pow(x - d1i, 2) + pow(y - d1i, 2) + eps * eps);
    const double div2 = sqrt(pow(x - d2, 2) + pow(y + d2, 2) + eps * eps);
    const double div2i = sqrt(pow(x - d2i, 2) + pow(y + d2i, 2) + eps * eps);
    return q1 / div1 + q1i / div1i + q2 / div2 + q2i / div2i;
}

static void potential_page(void) {
    enum { kN = kPotentialRadii * kPotentialAngles };
    static double x[kN], y[kN], p[kN];
    double xmin = 1e30, xmax = -1e30, ymin = 1e30, ymax = -1e30, zmin = 1e30, zmax = -1e30;
    const double rmax = kPotentialRadii - 0.5;
    for (int i = 0; i < kPotentialRadii; ++i)
        for (int j = 0; j < kPotentialAngles; ++j) {
            const double r = 0.5 + i, t = 2 * kPi / (kPotentialAngles - 1) * (0.5 + j);
            const int k = i * kPotentialAngles + j;
            x[k] = r * cos(t);
            y[k] = r * sin(t);
            xmin = fmin(xmin, x[k]);
            xmax = fmax(xmax, x[k]);
            ymin = fmin(ymin, y[k]);
            ymax = fmax(ymax, y[k]);
        }
    for (int k = 0; k < kN; ++k) {
        p[k] = potential_at(x[k], y[k], rmax);
        zmin = fmin(zmin, p[k]);
        zmax = fmax(zmax, p[k]);
    }
    /* Twenty levels through the range, the negative ones dashed. */
    double negative[kLevels], positive[kLevels];
    int nneg = 0, npos = 0;
    for (int k = 0; k < kLevels; ++k) {
        const double level = zmin + (k + 0.5) * (zmax - zmin) / kLevels;
        if (level <= 0)
            negative[nneg++] = level;
        else
            positive[npos++] = level;
    }
    const double margin = 0.05;
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame((float)(xmin - fabs(xmin) * margin), (float)(xmax + fabs(xmax) * margin),
                        (float)(ymin - fabs(ymin) * margin), (float)(ymax + fabs(ymax) * margin),
                        LU_PLOT_EQUAL),
          "lu_plot_frame");
    check(lu_set_pen(colour(0, 150, 150), 1, 0, -1), "lu_set_pen");
    if (nneg > 0)
        check(lu_draw_contours_on_grid_double(p, kPotentialRadii, kPotentialAngles, LU_ROW_MAJOR, x,
                                              y, LU_GRID_POINTS, negative, nneg, 0),
              "lu_draw_contours_on_grid_double (negative)");
    check(lu_set_pen(colour(0, 150, 150), 0, 0, -1), "lu_set_pen");
    if (npos > 0)
        check(lu_draw_contours_on_grid_double(p, kPotentialRadii, kPotentialAngles, LU_ROW_MAJOR, x,
                                              y, LU_GRID_POINTS, positive, npos, 0),
              "lu_draw_contours_on_grid_double (positive)");
    check(lu_set_pen(colour(255, 0, 0), 0, 0, -1), "lu_set_pen");
    circle((xmin + xmax) / 2, (ymin + ymax) / 2, rmax);
    check(lu_plot_labels(NULL, NULL, "Shielded potential of charges in a conducting sphere"),
          "lu_plot_labels");
}

int main(void) {
    make_flow();
    flow_page(even_x, even_y, LU_GRID_AXES, 1);
    flow_page(axis_x, axis_y, LU_GRID_AXES, 0);
    flow_page(grid_x, grid_y, LU_GRID_POINTS, 0);
    polar_page();
    potential_page();
    lu_quit();
    return 0;
}
