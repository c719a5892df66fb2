/* The gridding of griddata_lumora.c with PLplot: plgriddata with GRID_DTLI (linear
 * interpolation on a Delaunay triangulation), GRIDDATA_GRIDS times, the same summary printed. */
#include <plplot.h>
#include <stdio.h>
#include <stdlib.h>

#include "griddata_points.h"

int main(void) {
    static double x[kGridSamples], y[kGridSamples], z[kGridSamples];
    static double xg[kGridSide], yg[kGridSide], values[kGridSide * kGridSide];
    const char* grids = getenv("GRIDDATA_GRIDS");
    const int repeat = grids != NULL ? atoi(grids) : 1;
    grid_samples(x, y, z, xg, yg);
    PLFLT** grid = NULL;
    plAlloc2dGrid(&grid, kGridSide, kGridSide);
    for (int r = 0; r < repeat; ++r)
        plgriddata(x, y, z, kGridSamples, xg, kGridSide, yg, kGridSide, grid, GRID_DTLI, 0);
    for (int i = 0; i < kGridSide; ++i)
        for (int j = 0; j < kGridSide; ++j) values[i + j * kGridSide] = grid[i][j];
    plFree2dGrid(grid, kGridSide, kGridSide);
    int numbers = 0;
    double sum = 0;
    grid_summary(values, kGridSide * kGridSide, &numbers, &sum);
    printf("%d values, sum %.6f\n", numbers, sum);
    return 0;
}
