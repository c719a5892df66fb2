/* The live view of bench/live_view.cpp drawn with giza through PGPLOT's C interface, the
 * peer it is measured against on the same X server: FRAMES times (400 unless given) the
 * page is erased and a frame with a grid and a 200-point curve drawn again, inside
 * PGBBUF / PGEBUF. Prints the seconds in all and the milliseconds per frame.
 *   live_view_giza [FRAMES]            (DISPLAY must name the X server) */
#include <cpgplot.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

enum { kPoints = 200 };

static double now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + 1e-9 * (double)t.tv_nsec;
}

int main(int argc, char** argv) {
    const int frames = argc > 1 ? atoi(argv[1]) : 400;
    const float pi = 3.14159265f;
    float x[kPoints], y[kPoints];
    if (frames <= 0 || cpgopen("/xw") <= 0) return 2;
    cpgask(0);
    const double start = now();
    for (int k = 0; k < frames; ++k) {
        for (int i = 0; i < kPoints; ++i) {
            x[i] = 2 * pi * (float)i / (kPoints - 1);
            y[i] = sinf(x[i] + 0.05f * (float)k);
        }
        cpgbbuf();
        cpgeras();
        cpgenv(0, 2 * pi, -1.2f, 1.2f, 0, 2);
        cpgline(kPoints, x, y);
        cpgebuf();
    }
    const double seconds = now() - start;
    printf("%d frames giza: %.3f s, %.3f ms a frame\n", frames, seconds, 1000 * seconds / frames);
    cpgclos();
    return 0;
}
