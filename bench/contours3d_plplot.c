/* The pictures of contours3d_lumora.c with PLplot: plsurf3d with MAG_COLOR, SURF_CONT and
 * BASE_CONT, then plmeshc with MAG_COLOR and BASE_CONT, two pages of a PNG file series
 * written with the pngcairo device. */
#include <plplot.h>

#include "surface3d_field.h"

enum { kLevels = 10 };

static void page(const double* x, PLFLT** z, const double* levels, int mesh) {
    pladv(0);
    plvpor(0.0, 1.0, 0.0, 0.9);
    plwind(-1.0, 1.0, -0.9, 1.1);
    plw3d(1, 1, 1, -1.5, 1.5, -1.5, 1.5, -1, 1, 35, 40);
    plbox3("bnstu", "x", 0, 0, "bnstu", "y", 0, 0, "bcmnstuv", "z", 0, 0);
    plmtex("t", 1.0, 0.5, 0.5, mesh ? "A 200 x 200 mesh" : "A 200 x 200 surface");
    if (mesh)
        plmeshc(x, x, (PLFLT_MATRIX)z, kSurfaceSide, kSurfaceSide,
                DRAW_LINEXY | MAG_COLOR | BASE_CONT, levels, kLevels);
    else
        plsurf3d(x, x, (PLFLT_MATRIX)z, kSurfaceSide, kSurfaceSide,
                 MAG_COLOR | SURF_CONT | BASE_CONT, levels, kLevels);
}

int main(int argc, char** argv) {
    static double x[kSurfaceSide];
    double levels[kLevels];
    PLFLT** z = 0;
    for (int i = 0; i < kSurfaceSide; ++i) x[i] = surface3d_axis(i);
    for (int k = 0; k < kLevels; ++k) levels[k] = -1 + 2.0 * (k + 1) / (kLevels + 1);
    plsdev("pngcairo");
    plsfnam(argc > 1 ? argv[1] : "contours3d%n.png");
    plsfam(1, -1, -1);
    plspage(0, 0, 640, 480, 0, 0);
    plinit();
    plAlloc2dGrid(&z, kSurfaceSide, kSurfaceSide);
    for (int i = 0; i < kSurfaceSide; ++i)
        for (int j = 0; j < kSurfaceSide; ++j) z[i][j] = surface3d_value(i, j);
    page(x, z, levels, 0);
    page(x, z, levels, 1);
    plFree2dGrid(z, kSurfaceSide, kSurfaceSide);
    plend();
    return 0;
}
