/* The 200 x 200 surface of surface3d_lumora.c coloured by height with ten contour levels
 * on it and on the box's base, then the same grid as a mesh coloured by height with the
 * levels on the base, each in its 640 x 480 window: timed by bench/contours3d_compare.sh
 * against the same pictures drawn by PLplot (contours3d_plplot.c). */
#include "lumora.h"
#include "surface3d_field.h"

enum { kLevels = 10 };

static int draw(const double* x, const double* z, const double* levels, int mesh) {
    if (lu_open_window(0) == 0) return 0;
    lu_plot_frame(-1.0f, 1.0f, -0.9f, 1.1f, LU_PLOT_NO_BOX);
    lu_plot_view3d(1, 1, 1, -1.5f, 1.5f, -1.5f, 1.5f, -1, 1, 35, 40, 0);
    lu_plot_box3d("bnst", "x", 0, 0, "bnst", "y", 0, 0, "bcmnst", "z", 0, 0);
    lu_plot_labels(0, 0, mesh ? "A 200 x 200 mesh" : "A 200 x 200 surface");
    if (mesh) {
        lu_plot_contours3d_d(kLevels, levels, LU_CONTOURS3D_BASE);
        return lu_plot_mesh3d_d(z, kSurfaceSide, kSurfaceSide, LU_ROW_MAJOR, x, x,
                                LU_MESH_X | LU_MESH_Y | LU_MESH_COLOURED);
    }
    lu_plot_contours3d_d(kLevels, levels, LU_CONTOURS3D_BASE | LU_CONTOURS3D_SURFACE);
    return lu_plot_surface3d_d(z, kSurfaceSide, kSurfaceSide, LU_ROW_MAJOR, x, x, 0);
}

int main(void) {
    static double x[kSurfaceSide], z[kSurfaceSide * kSurfaceSide];
    double levels[kLevels];
    for (int i = 0; i < kSurfaceSide; ++i) x[i] = surface3d_axis(i);
    for (int i = 0; i < kSurfaceSide; ++i)
        for (int j = 0; j < kSurfaceSide; ++j) z[i * kSurfaceSide + j] = surface3d_value(i, j);
    for (int k = 0; k < kLevels; ++k) levels[k] = -1 + 2.0 * (k + 1) / (kLevels + 1);
    if (draw(x, z, levels, 0) == 0 || draw(x, z, levels, 1) == 0) return 1;
    lu_quit();
    return 0;
}
