/* The scatter both scatter benchmarks draw: 100 000 points of a noisy spiral in 0 ... 1
 * by 0 ... 1, each with a value 0 ... 1 (its distance along the spiral) for its colour. */
#ifndef SCATTER_POINTS_H
#define SCATTER_POINTS_H

#include <math.h>

enum { kScatterPoints = 100000 };

static void scatter_points(double* x, double* y, double* value) {
    unsigned state = 12345u;
    for (int i = 0; i < kScatterPoints; ++i) {
        const double t = (double)i / kScatterPoints;
        state = state * 1664525u + 1013904223u;
        const double noise = (double)(state >> 8) / 16777216.0 - 0.5;
        const double r = 0.05 + 0.4 * t + 0.03 * noise;
        x[i] = 0.5 + r * cos(40 * t);
        y[i] = 0.5 + r * sin(40 * t);
        value[i] = t;
    }
}

#endif
