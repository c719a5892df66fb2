/* The helix of helix3d_lumora.c with PLplot: plw3d and plbox3, the line with plline3 and
 * the markers with plpoin3, written to a PNG with the pngcairo device. */
#include <plplot.h>

#include "helix3d_points.h"

int main(int argc, char** argv) {
    static double x[kHelixPoints], y[kHelixPoints], z[kHelixPoints];
    static double mx[kHelixPoints / 100], my[kHelixPoints / 100], mz[kHelixPoints / 100];
    helix3d_points(x, y, z);
    for (int i = 0; i < kHelixPoints / 100; ++i) {
        mx[i] = x[100 * i];
        my[i] = y[100 * i];
        mz[i] = z[100 * i];
    }
    plsdev("pngcairo");
    plsfnam(argc > 1 ? argv[1] : "helix3d.png");
    plspage(0, 0, 640, 480, 0, 0);
    plinit();
    pladv(0);
    plvpor(0.0, 1.0, 0.0, 0.9);
    plwind(-1.0, 1.0, -0.9, 1.1);
    plw3d(1, 1, 1, -1, 1, -1, 1, -1, 1, 30, 40);
    plbox3("bnstu", "x", 0, 0, "bnstu", "y", 0, 0, "bcmnstuv", "z", 0, 0);
    plmtex("t", 1.0, 0.5, 0.5, "200 000 points in 3-D");
    plline3(kHelixPoints, x, y, z);
    plpoin3(kHelixPoints / 100, mx, my, mz, 2);
    plend();
    return 0;
}
