/* The picture of grid_image_lumora.c with PLplot: plimagefr through pltr2 on the cells'
 * corners, in a frame, written to a PNG with the pngcairo device. */
#include <plplot.h>

#include "grid_image_field.h"

int main(int argc, char** argv) {
    static double x[kGridCorners * kGridCorners], y[kGridCorners * kGridCorners];
    static double z[kGridSide * kGridSide];
    static PLFLT* rows[kGridSide];
    static PLFLT* xrows[kGridCorners];
    static PLFLT* yrows[kGridCorners];
    grid_image_field(x, y, z);
    for (int i = 0; i < kGridSide; ++i) rows[i] = z + i * kGridSide;
    for (int i = 0; i < kGridCorners; ++i) {
        xrows[i] = x + i * kGridCorners;
        yrows[i] = y + i * kGridCorners;
    }
    PLcGrid2 grid = {xrows, yrows, NULL, kGridCorners, kGridCorners};
    plsdev("pngcairo");
    plsfnam(argc > 1 ? argv[1] : "grid_image.png");
    plspage(0, 0, 640, 480, 0, 0);
    plinit();
    plenv(-1, 1, -1, 1, 1, 0);
    plimagefr((PLFLT_MATRIX)rows, kGridSide, kGridSide, -1, 1, -1, 1, -1, 1, -1, 1, pltr2, &grid);
    plend();
    return 0;
}
