/* The hexagons of gradient_lumora.c with PLplot: each one plgradient through colour map 1
 * (its default), written to a PNG with the pngcairo device. */
#include <plplot.h>

#include "gradient_polygons.h"

int main(int argc, char** argv) {
    plsdev("pngcairo");
    plsfnam(argc > 1 ? argv[1] : "gradient.png");
    plspage(0, 0, 640, 480, 0, 0);
    plscolbg(255, 255, 255);
    plinit();
    pladv(0);
    plvpor(0.1, 0.9, 0.1, 0.9);
    plwind(0, 1, 0, 1);
    for (int i = 0; i < kGradientPolygons; ++i) {
        PLFLT x[kGradientCorners], y[kGradientCorners], angle = 0;
        gradient_polygon(i, x, y, &angle);
        plgradient(kGradientCorners, x, y, angle);
    }
    plend();
    return 0;
}
