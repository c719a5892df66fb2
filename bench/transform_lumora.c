/* 60 rings of 4801 points through a polar plot transform (transform_scene.h), one
 * lu_plot_line_d each, in a 640 x 480 frame: timed by bench/transform_compare.sh against
 * the same picture drawn by PLplot (transform_plplot.c). */
#include "lumora.h"
#include "transform_scene.h"

int main(void) {
    static double r[kRingPoints], angle[kRingPoints];
    if (lu_open_window(0) == 0) return 1;
    lu_plot_frame(-1, 1, -1, 1, LU_PLOT_EQUAL);
    lu_plot_labels("x", "y", "60 rings through a transform");
    if (lu_set_plot_transform(polar, NULL) == 0) return 1;
    for (int k = 0; k < kRings; ++k) {
        ring(k, r, angle);
        if (lu_plot_line_d(kRingPoints, r, angle) == 0) return 1;
    }
    lu_quit();
    return 0;
}
