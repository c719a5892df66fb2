/* 100 000 points each in its own colour of the viridis map, in one call
 * (lu_plot_points_coloured), in a 640 x 480 frame: timed by bench/scatter_compare.sh
 * against the same picture drawn by PLplot (scatter_plplot.c). */
#include <stdlib.h>

#include "lumora.h"
#include "scatter_points.h"

int main(void) {
    static double x[kScatterPoints], y[kScatterPoints], value[kScatterPoints];
    scatter_points(x, y, value);
    if (lu_open_window(0) == 0) return 1;
    lu_plot_frame(0, 1, 0, 1, 0);
    lu_plot_labels("x", "y", "100 000 points");
    lu_set_colour_map(LU_MAP_VIRIDIS, 0, 1);
    if (lu_plot_points_coloured_d(kScatterPoints, x, y, value, NULL, 13) == 0) return 1;
    lu_quit();
    return 0;
}
