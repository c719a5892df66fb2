/* What both gridding benchmarks grid: 10 000 random samples in 0 ... 1 by 0 ... 1 of a
 * smooth hill, onto the 200 x 200 points from 0 to 1 along each side. */
#ifndef GRIDDATA_POINTS_H
#define GRIDDATA_POINTS_H

#include <math.h>

enum { kGridSamples = 10000, kGridSide = 200 };

static double grid_unit_random(unsigned* state) {
    *state = *state * 1664525u + 1013904223u;
    return (double)(*state >> 8) / 16777216.0;
}

static void grid_samples(double* x, double* y, double* z, double* xg, double* yg) {
    unsigned state = 2026u;
    for (int k = 0; k < kGridSamples; ++k) {
        x[k] = grid_unit_random(&state);
        y[k] = grid_unit_random(&state);
        z[k] = exp(-8 * ((x[k] - 0.4) * (x[k] - 0.4) + (y[k] - 0.6) * (y[k] - 0.6))) +
               0.3 * sin(6 * x[k]) * cos(5 * y[k]);
    }
    for (int i = 0; i < kGridSide; ++i) xg[i] = yg[i] = (double)i / (kGridSide - 1);
}

/* How many values are numbers, and their sum: both programs print it, so that a run
 * shows they computed the same grid. */
static void grid_summary(const double* values, int count, int* numbers, double* sum) {
    *numbers = 0;
    *sum = 0;
    for (int k = 0; k < count; ++k)
        if (!isnan(values[k])) ++*numbers, *sum += values[k];
}

#endif
