/* kGradientPolygons hexagons each filled with a gradient along the colour map on a
 * 640 x 480 page, each one lu_plot_fill_gradient_map_d: timed by bench/gradient_compare.sh
 * against the same picture drawn by PLplot (gradient_plplot.c). */
#include "gradient_polygons.h"
#include "lumora.h"

int main(void) {
    if (lu_open_window(0) == 0) return 1;
    if (lu_plot_frame(0, 1, 0, 1, LU_PLOT_NO_BOX) == 0) return 1;
    if (lu_set_colour_map(LU_MAP_DIVERGING, 0, 1) == 0) return 1;
    for (int i = 0; i < kGradientPolygons; ++i) {
        double x[kGradientCorners], y[kGradientCorners], angle = 0;
        gradient_polygon(i, x, y, &angle);
        if (lu_plot_fill_gradient_map_d(kGradientCorners, x, y, angle) == 0) return 1;
    }
    lu_quit();
    return 0;
}
