/* strip_chart: four signals sampled one point at a time, as a data logger shows them. The
 * chart keeps the last ten seconds in view and jumps on by five when a point passes its
 * right end; each point costs one short batch. Every call is checked: a failed one ends
 * the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kPoints = 1000, kPens = 4 };

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "strip_chart: %s failed\n", what);
        exit(1);
    }
}

static float signal(int pen, float t) {
    switch (pen) {
        case 1:
            return sinf(t * 3.14159265f / 18.0f);
        case 2:
            return cosf(t * 3.14159265f / 18.0f) * 0.8f;
        case 3:
            return (fmodf(t, 7.0f) / 7.0f - 0.5f) * 1.6f;
        default:
            return sinf(t * 3.14159265f / 5.0f) * 0.3f;
    }
}

int main(void) {
    static const char* const names[kPens] = {"sin", "cos", "saw", "fast"};
    check(lu_open_window(0), "lu_open_window");
    const int strip = lu_plot_strip_create(10.0f, -1.0f, 1.0f, kPens, LU_PLOT_GRID, "t / s",
                                           "value", "strip chart");
    check(strip, "lu_plot_strip_create");
    for (int pen = 1; pen <= kPens; ++pen)
        check(lu_plot_strip_pen(strip, pen, -1, pen == 4 ? 2 : 0, names[pen - 1]),
              "lu_plot_strip_pen");
    for (int i = 0; i < kPoints; ++i) {
        const float t = 0.1f * (float)i;
        for (int pen = 1; pen <= kPens; ++pen)
            check(lu_plot_strip_add(strip, pen, t, signal(pen, t)), "lu_plot_strip_add");
    }
    check(lu_plot_strip_delete(strip), "lu_plot_strip_delete");
    lu_quit();
    return 0;
}
