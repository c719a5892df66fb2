/* The scene of the plot transform comparison: kRings rings of radius 0.1 ... 1, each a
 * line of kRingPoints points given as (radius, angle in radians), that a polar transform
 * turns into circles. */
#ifndef TRANSFORM_SCENE_H
#define TRANSFORM_SCENE_H

#include <math.h>

enum { kRings = 60, kRingPoints = 4801 };

static const double kTurn = 6.283185307179586;

/* Ring k's radius and angles. */
static void ring(int k, double* r, double* angle) {
    for (int i = 0; i < kRingPoints; ++i) {
        r[i] = 0.1 + 0.9 * k / (kRings - 1);
        angle[i] = kTurn * i / (kRingPoints - 1);
    }
}

/* The polar transform both libraries are given as a C function. */
static void polar(double x, double y, double* tx, double* ty, void* data) {
    (void)data;
    *tx = x * cos(y);
    *ty = x * sin(y);
}

#endif
