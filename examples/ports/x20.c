/* x20: the distorted-image page of PLplot's example 20 in Lumora's idiom: a 200 x 200
 * grey picture drawn on a grid of its cells' corners that mirrors it left to right and
 * draws it in towards its middle, by half at mid-height and not at all at the top and
 * bottom, as PLplot's plimagefr with pltr2 draws it. PLplot's page shows a photograph
 * read from a file; this one draws a checkerboard under the "sombrero" sin r / r of the
 * same example, so that the bending of rows and columns shows. Every call is checked: a
 * failed one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kWidth = 200, kHeight = 200 };

static const double kPi = 3.14159265358979323846;

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x20: %s failed\n", what);
        exit(1);
    }
}

/* PLplot's mypltr: x mirrored about the middle and drawn in by up to half towards it. */
static void stretched(double x, double y, double* tx, double* ty) {
    const double x0 = kWidth * 0.5, y0 = kHeight * 0.5, dy = kHeight * 0.5, stretch = 0.5;
    *tx = x0 + (x0 - x) * (1.0 - stretch * cos((y - y0) / dy * kPi * 0.5));
    *ty = y;
}

int main(void) {
    static double image[kWidth * kHeight]; /* row-major: value (i, j) at [i * kHeight + j] */
    static double xg[(kWidth + 1) * (kHeight + 1)], yg[(kWidth + 1) * (kHeight + 1)];
    for (int i = 0; i < kWidth; ++i)
        for (int j = 0; j < kHeight; ++j) {
            const double x = (i - kWidth / 2 + 0.5) / 12, y = (j - kHeight / 2 + 0.5) / 12;
            const double r = sqrt(x * x + y * y) + 1e-9;
            const int checker = ((i / 25) + (j / 25)) % 2;
            image[i * kHeight + j] = 0.35 * checker + 0.65 * (0.5 + 0.5 * sin(r) / r);
        }
    for (int i = 0; i <= kWidth; ++i)
        for (int j = 0; j <= kHeight; ++j)
            stretched(i, j, &xg[i * (kHeight + 1) + j], &yg[i * (kHeight + 1) + j]);
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(0.0f, (float)kWidth, 0.0f, (float)kHeight, LU_PLOT_EQUAL | LU_PLOT_NO_BOX),
          "lu_plot_frame");
    check(lu_set_colour_map(LU_MAP_GREY, 0, 1), "lu_set_colour_map");
    check(lu_draw_field_image_on_grid_double(image, kWidth, kHeight, LU_ROW_MAJOR, xg, yg,
                                             LU_GRID_POINTS),
          "lu_draw_field_image_on_grid_double");
    check(lu_plot_labels(NULL, NULL, "Distorted image example"), "lu_plot_labels");
    lu_quit();
    return 0;
}
