/* The squares of translucent_lumora.c with PLplot: colour-map-0 entries red, green and
 * blue at opacity 0.3 (plscol0a), each square one plfill over the whole page, written to
 * a PNG with the pngcairo device. */
#include <plplot.h>

#include "translucent_squares.h"

int main(int argc, char** argv) {
    plsdev("pngcairo");
    plsfnam(argc > 1 ? argv[1] : "translucent.png");
    plspage(0, 0, 640, 480, 0, 0);
    plscolbg(255, 255, 255);
    plinit();
    pladv(0);
    plvpor(0, 1, 0, 1);
    plwind(0, 1, 0, 1);
    plscol0a(1, 255, 0, 0, kTranslucentAlpha);
    plscol0a(2, 0, 255, 0, kTranslucentAlpha);
    plscol0a(3, 0, 0, 255, kTranslucentAlpha);
    for (int i = 0; i < kTranslucentSquares; ++i) {
        double x, y, side;
        translucent_square(&x, &y, &side);
        PLFLT px[4] = {x, x + side, x + side, x}, py[4] = {y, y, y + side, y + side};
        plcol0(1 + i % 3);
        plfill(4, px, py);
    }
    plend();
    return 0;
}
