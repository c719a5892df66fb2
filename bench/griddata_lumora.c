/* Grids the samples of griddata_points.h by linear interpolation on their Delaunay
 * triangulation with lu_grid_data_double, GRIDDATA_GRIDS times (1 unless
 * set), and prints
 * how many grid values are numbers and their sum. */
#include <stdio.h>
#include <stdlib.h>

#include "griddata_points.h"
#include "lumora.h"

int main(void) {
    static double x[kGridSamples], y[kGridSamples], z[kGridSamples];
    static double xg[kGridSide], yg[kGridSide], values[kGridSide * kGridSide];
    const char* grids = getenv("GRIDDATA_GRIDS");
    const int repeat = grids != NULL ? atoi(grids) : 1;
    grid_samples(x, y, z, xg, yg);
    for (int r = 0; r < repeat; ++r) {
        if (!lu_grid_data_double(x, y, z, kGridSamples, xg, kGridSide, yg, kGridSide,
                                 LU_COLUMN_MAJOR, LU_GRID_LINEAR, 0, values))
            return 1;
    }
    int numbers = 0;
    double sum = 0;
    grid_summary(values, kGridSide * kGridSide, &numbers, &sum);
    printf("%d values, sum %.6f\n", numbers, sum);
    return 0;
}
