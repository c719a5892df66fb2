/* PLplot's example x17 (a strip chart) without its pauses, written to a PNG with the
 * pngcairo device: the peer that bench/strip_compare.sh times strip_chart_lumora against. */
#include <math.h>
#include <plplot.h>

enum { kPoints = 1000 };

int main(int argc, char** argv) {
    PLINT id, colline[4] = {2, 3, 4, 5}, styline[4] = {2, 3, 4, 5};
    const char* legline[4] = {"sum", "sin", "sin*noi", "sin+noi"};
    plsdev("pngcairo");
    plsfnam(argc > 1 ? argv[1] : "strip.png");
    plspage(0, 0, 640, 480, 0, 0);
    plinit();
    pladv(0);
    plvsta();
    plstripc(&id, "bcnst", "bcnstv", 0.0, 10.0, 0.3, -1.0, 1.0, 0.0, 0.25, 1, 1, 1, 3, colline,
             styline, legline, "t", "", "Strip chart demo");
    for (int n = 0; n < kPoints; n++) {
        const double t = n * 0.1;
        plstripa(id, 0, t, sin(t * 3.14159265 / 18.0));
        plstripa(id, 1, t, cos(t * 3.14159265 / 18.0) * 0.8);
        plstripa(id, 2, t, (fmod(t, 7.0) / 7.0 - 0.5) * 1.6);
        plstripa(id, 3, t, sin(t * 3.14159265 / 5.0) * 0.3);
    }
    plstripd(id);
    plend();
    return 0;
}
