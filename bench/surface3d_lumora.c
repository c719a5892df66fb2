/* A 200 x 200 surface coloured by height in a box with numbered axes, seen from altitude
 * 35 and azimuth 40, in a 640 x 480 window: timed by bench/surface3d_compare.sh against
 * the same picture drawn by PLplot (surface3d_plplot.c). */
#include "lumora.h"
#include "surface3d_field.h"

int main(void) {
    static double x[kSurfaceSide], z[kSurfaceSide * kSurfaceSide];
    for (int i = 0; i < kSurfaceSide; ++i) x[i] = surface3d_axis(i);
    for (int i = 0; i < kSurfaceSide; ++i)
        for (int j = 0; j < kSurfaceSide; ++j) z[i * kSurfaceSide + j] = surface3d_value(i, j);
    if (lu_open_window(0) == 0) return 1;
    lu_plot_frame(-1.0f, 1.0f, -0.9f, 1.1f, LU_PLOT_NO_BOX);
    lu_plot_view3d(1, 1, 1, -1.5f, 1.5f, -1.5f, 1.5f, -1, 1, 35, 40, 0);
    lu_plot_box3d("bnst", "x", 0, 0, "bnst", "y", 0, 0, "bcmnst", "z", 0, 0);
    lu_plot_labels(0, 0, "A 200 x 200 surface");
    if (lu_plot_surface3d_d(z, kSurfaceSide, kSurfaceSide, LU_ROW_MAJOR, x, x, 0) == 0) return 1;
    lu_quit();
    return 0;
}
