/* The polygons both gradient benchmarks fill: kGradientPolygons hexagons in 0 ... 1 by
 * 0 ... 1, each 0.05 ... 0.2 across, polygon i filled with a gradient along the colour map
 * at i * 37 degrees. */
#ifndef GRADIENT_POLYGONS_H
#define GRADIENT_POLYGONS_H

#include <math.h>

enum { kGradientPolygons = 1000, kGradientCorners = 6 };

/* The next hexagon's corners and its gradient's angle in degrees. */
static void gradient_polygon(int i, double* x, double* y, double* angle) {
    static unsigned state = 2024u;
    state = state * 1664525u + 1013904223u;
    const double r = 0.025 + 0.075 * (double)(state >> 8) / 16777216.0;
    state = state * 1664525u + 1013904223u;
    const double cx = r + (1 - 2 * r) * (double)(state >> 8) / 16777216.0;
    state = state * 1664525u + 1013904223u;
    const double cy = r + (1 - 2 * r) * (double)(state >> 8) / 16777216.0;
    for (int k = 0; k < kGradientCorners; ++k) {
        x[k] = cx + r * cos(k * 3.14159265358979 / 3);
        y[k] = cy + r * sin(k * 3.14159265358979 / 3);
    }
    *angle = fmod(i * 37.0, 360.0);
}

#endif
