/* The data of bench/surface3d_compare.sh: a sombrero exp(-r^2) cos(2 pi r) over
 * -1.5 ... 1.5 on a grid of kSurfaceSide x kSurfaceSide points, z within -1 ... 1. */
#ifndef SURFACE3D_FIELD_H
#define SURFACE3D_FIELD_H

#include <math.h>

enum { kSurfaceSide = 200 };

static double surface3d_axis(int i) {
    return -1.5 + 3.0 * i / (kSurfaceSide - 1);
}

static double surface3d_value(int i, int j) {
    const double x = surface3d_axis(i), y = surface3d_axis(j);
    const double r = sqrt(x * x + y * y);
    return exp(-r * r) * cos(2 * 3.14159265358979 * r);
}

#endif
