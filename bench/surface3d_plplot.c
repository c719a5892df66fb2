/* The surface of surface3d_lumora.c with PLplot: plw3d and plbox3, the surface with
 * plsurf3d coloured by height (MAG_COLOR), written to a PNG with the pngcairo device. */
#include <plplot.h>

#include "surface3d_field.h"

int main(int argc, char** argv) {
    static double x[kSurfaceSide];
    PLFLT** z = 0;
    for (int i = 0; i < kSurfaceSide; ++i) x[i] = surface3d_axis(i);
    plsdev("pngcairo");
    plsfnam(argc > 1 ? argv[1] : "surface3d.png");
    plspage(0, 0, 640, 480, 0, 0);
    plinit();
    plAlloc2dGrid(&z, kSurfaceSide, kSurfaceSide);
    for (int i = 0; i < kSurfaceSide; ++i)
        for (int j = 0; j < kSurfaceSide; ++j) z[i][j] = surface3d_value(i, j);
    pladv(0);
    plvpor(0.0, 1.0, 0.0, 0.9);
    plwind(-1.0, 1.0, -0.9, 1.1);
    plw3d(1, 1, 1, -1.5, 1.5, -1.5, 1.5, -1, 1, 35, 40);
    plbox3("bnstu", "x", 0, 0, "bnstu", "y", 0, 0, "bcmnstuv", "z", 0, 0);
    plmtex("t", 1.0, 0.5, 0.5, "A 200 x 200 surface");
    plsurf3d(x, x, (PLFLT_MATRIX)z, kSurfaceSide, kSurfaceSide, MAG_COLOR, 0, 0);
    plFree2dGrid(z, kSurfaceSide, kSurfaceSide);
    plend();
    return 0;
}
