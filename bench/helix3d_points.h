/* The data of bench/helix3d_compare.sh: a helix of kHelixPoints points, twenty turns
 * climbing from -1 to 1 inside the box -1 ... 1 on every axis. */
#ifndef HELIX3D_POINTS_H
#define HELIX3D_POINTS_H

#include <math.h>

enum { kHelixPoints = 200000 };

static void helix3d_points(double* x, double* y, double* z) {
    for (int i = 0; i < kHelixPoints; ++i) {
        const double t = (double)i / (kHelixPoints - 1);
        x[i] = 0.9 * cos(2 * 3.14159265358979 * 20 * t);
        y[i] = 0.9 * sin(2 * 3.14159265358979 * 20 * t);
        z[i] = -1 + 2 * t;
    }
}

#endif
