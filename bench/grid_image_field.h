/* The field of the grid picture comparison: kGridSide x kGridSide cells of a polar grid of
 * radius 1 (radii along i, angles round the circle along j), their corners one more each
 * way, and r cos 5 theta at the cells' middles; all row-major, value (i, j) at
 * [i * ny + j]. */
#ifndef GRID_IMAGE_FIELD_H
#define GRID_IMAGE_FIELD_H

#include <math.h>

enum { kGridSide = 200, kGridCorners = kGridSide + 1 };

static void grid_image_field(double* x, double* y, double* z) {
    const double pi = 3.14159265358979323846;
    for (int i = 0; i < kGridCorners; ++i)
        for (int j = 0; j < kGridCorners; ++j) {
            const double r = (double)i / kGridSide, t = 2 * pi * j / kGridSide;
            x[i * kGridCorners + j] = r * cos(t);
            y[i * kGridCorners + j] = r * sin(t);
        }
    for (int i = 0; i < kGridSide; ++i)
        for (int j = 0; j < kGridSide; ++j) {
            const double r = (i + 0.5) / kGridSide, t = 2 * pi * (j + 0.5) / kGridSide;
            z[i * kGridSide + j] = r * cos(5 * t);
        }
}

#endif
