/* x13: PLplot's example 13 in Lumora's idiom: a pie chart of five sales people's shares
 * (10, 32, 12, 30 and 16 percent), the first slice starting at the right and the slices
 * following counterclockwise, each in PLplot's colour and hatched in its pattern for it
 * (patterns 4 to 8 of plpsty: -45 and 30 and -30 degrees, crossed, crossed at 45) and labelled with
 * its name outside the pie, under the title "Percentage of Sales". Every call is checked: a failed
 * one ends the program with status 1. */
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x13: %s failed\n", what);
        exit(1);
    }
}

int main(void) {
    static const float shares[5] = {10.0f, 32.0f, 12.0f, 30.0f, 16.0f};
    static const int patterns[5] = {LU_HATCH_DOWN_45, LU_HATCH_UP_30, LU_HATCH_DOWN_30,
                                    LU_HATCH_CROSSED, LU_HATCH_CROSSED_45};
    /* PLplot's colour map 0 entries 1 ... 5: red, yellow (darker on white), green,
     * aquamarine (darker) and pink. */
    const int colours[5] = {lu_make_rgb_colour(255, 0, 0), lu_make_rgb_colour(190, 150, 0),
                            lu_make_rgb_colour(0, 170, 0), lu_make_rgb_colour(0, 150, 130),
                            lu_make_rgb_colour(230, 110, 130)};
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_colour_cycle(5, colours), "lu_plot_colour_cycle");
    check(lu_plot_hatch_cycle(5, patterns), "lu_plot_hatch_cycle");
    /* PLplot writes the title at 1.3 times its text size. */
    check(lu_plot_title_size(1.3f), "lu_plot_title_size");
    check(lu_plot_pie_labelled(5, shares, 0.0f, 0, "Maurice|Geoffrey|Alan|Rafael|Vince"),
          "lu_plot_pie_labelled");
    check(lu_plot_labels(NULL, NULL, "Percentage of Sales"), "lu_plot_labels");
    lu_quit();
    return 0;
}
