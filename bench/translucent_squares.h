/* The squares both translucency benchmarks draw: kTranslucentSquares squares in 0 ... 1
 * by 0 ... 1, each 0.02 ... 0.1 across, red, green and blue in turn, all at opacity
 * kTranslucentAlpha over each other, square i in colour i % 3. */
#ifndef TRANSLUCENT_SQUARES_H
#define TRANSLUCENT_SQUARES_H

enum { kTranslucentSquares = 5000 };
#define kTranslucentAlpha 0.3

/* The next square: its lower left corner (x, y) and side. */
static void translucent_square(double* x, double* y, double* side) {
    static unsigned state = 2024u;
    state = state * 1664525u + 1013904223u;
    *side = 0.02 + 0.08 * (double)(state >> 8) / 16777216.0;
    state = state * 1664525u + 1013904223u;
    *x = (1 - *side) * (double)(state >> 8) / 16777216.0;
    state = state * 1664525u + 1013904223u;
    *y = (1 - *side) * (double)(state >> 8) / 16777216.0;
}

#endif
