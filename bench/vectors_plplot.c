/* The arrows of vectors_lumora.c with PLplot: a box and labels, then plvect with the
 * filled six-point arrow (plsvect) and its automatic scale, written to a PNG with the
 * pngcairo device. */
#include <plplot.h>

#include "vectors_field.h"

int main(int argc, char** argv) {
    static double u[kVectorSide * kVectorSide], v[kVectorSide * kVectorSide];
    static double* ru[kVectorSide];
    static double* rv[kVectorSide];
    vector_field(u, v);
    for (int i = 0; i < kVectorSide; ++i) {
        ru[i] = &u[i * kVectorSide];
        rv[i] = &v[i * kVectorSide];
    }
    plsdev("pngcairo");
    plsfnam(argc > 1 ? argv[1] : "vectors.png");
    plspage(0, 0, 640, 480, 0, 0);
    plinit();
    plenv(-0.5, kVectorSide - 0.5, -0.5, kVectorSide - 0.5, 0, 0);
    pllab("x", "y", "22 500 arrows");
    plsvect(kArrowShapeX, kArrowShapeY, 6, 1);
    plvect((PLFLT_MATRIX)ru, (PLFLT_MATRIX)rv, kVectorSide, kVectorSide, 0.0, pltr0, NULL);
    plend();
    return 0;
}
