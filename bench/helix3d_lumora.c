/* A helix of 200 000 points as one 3-D line and every hundredth point as a marker, in a
 * box with numbered axes seen from altitude 30 and azimuth 40, in a 640 x 480 window:
 * timed by bench/helix3d_compare.sh against the same picture drawn by PLplot
 * (helix3d_plplot.c). */
#include <stdlib.h>

#include "helix3d_points.h"
#include "lumora.h"

int main(void) {
    static double x[kHelixPoints], y[kHelixPoints], z[kHelixPoints];
    static double mx[kHelixPoints / 100], my[kHelixPoints / 100], mz[kHelixPoints / 100];
    helix3d_points(x, y, z);
    for (int i = 0; i < kHelixPoints / 100; ++i) {
        mx[i] = x[100 * i];
        my[i] = y[100 * i];
        mz[i] = z[100 * i];
    }
    if (lu_open_window(0) == 0) return 1;
    lu_plot_frame(-1.0f, 1.0f, -0.9f, 1.1f, LU_PLOT_NO_BOX);
    lu_plot_view3d(1, 1, 1, -1, 1, -1, 1, -1, 1, 30, 40, 0);
    lu_plot_box3d("bnst", "x", 0, 0, "bnst", "y", 0, 0, "bcmnst", "z", 0, 0);
    lu_plot_labels(NULL, NULL, "200 000 points in 3-D");
    if (lu_plot_line3d_d(kHelixPoints, x, y, z) == 0) return 1;
    if (lu_plot_points3d_d(kHelixPoints / 100, mx, my, mz, 1) == 0) return 1;
    lu_quit();
    return 0;
}
