/* The scatter of scatter_lumora.c with PLplot: a box and labels, then each point in its
 * colour of a viridis-like colour map 1 (plcol1 before each plpoin), written to a PNG
 * with the pngcairo device. */
#include <plplot.h>

#include "scatter_points.h"

int main(int argc, char** argv) {
    static double x[kScatterPoints], y[kScatterPoints], value[kScatterPoints];
    scatter_points(x, y, value);
    PLFLT at[3] = {0, 0.5, 1}, r[3] = {0.27, 0.13, 0.99}, g[3] = {0.00, 0.57, 0.91},
          b[3] = {0.33, 0.55, 0.14};
    plsdev("pngcairo");
    plsfnam(argc > 1 ? argv[1] : "scatter.png");
    plspage(0, 0, 640, 480, 0, 0);
    plinit();
    plscmap1l(1, 3, at, r, g, b, NULL);
    plenv(0, 1, 0, 1, 0, 0);
    pllab("x", "y", "100 000 points");
    for (int i = 0; i < kScatterPoints; ++i) {
        plcol1(value[i]);
        plpoin(1, &x[i], &y[i], 17);
    }
    plend();
    return 0;
}
