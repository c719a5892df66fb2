/* The rings of transform_lumora.c with PLplot: a box and labels, then plline of each ring
 * through plstransform's polar function, written to a PNG with the pngcairo device. */
#include <plplot.h>

#include "transform_scene.h"

int main(int argc, char** argv) {
    static double r[kRingPoints], angle[kRingPoints];
    plsdev("pngcairo");
    plsfnam(argc > 1 ? argv[1] : "transform.png");
    plspage(0, 0, 640, 480, 0, 0);
    plinit();
    plenv(-1, 1, -1, 1, 1, 0);
    pllab("x", "y", "60 rings through a transform");
    plstransform(polar, NULL);
    for (int k = 0; k < kRings; ++k) {
        ring(k, r, angle);
        plline(kRingPoints, r, angle);
    }
    plend();
    return 0;
}
