// The page of examples/c/plots.c: four panels of the plotting layer (lines with a legend,
// log axes with error bars, a histogram, a scatter plot), drawn by the example's own code.
#include "scenes.h"

#define PLOTS_NO_MAIN
#include "examples/c/plots.c"

namespace lumora::gallery {

void draw_plots(const Tweak&) {
    draw_page();
}

}  // namespace lumora::gallery
