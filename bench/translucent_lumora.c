/* kTranslucentSquares squares at opacity 0.3 over each other on a 640 x 480 page, each
 * one lu_draw_box_a22: timed by bench/translucent_compare.sh against the same picture
 * drawn by PLplot (translucent_plplot.c). */
#include "lumora.h"
#include "translucent_squares.h"

int main(void) {
    if (lu_open_window(0) == 0) return 1;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    lu_set_viewport(0, 0, 0, 0);
    lu_get_viewport(&x1, &y1, &x2, &y2);
    lu_set_viewport(x1, y1, x2, y2);
    lu_set_world(0, 0, 1, 1);
    if (lu_set_alpha((float)kTranslucentAlpha) == 0) return 1;
    const int colours[3] = {lu_make_rgb_colour(255, 0, 0), lu_make_rgb_colour(0, 255, 0),
                            lu_make_rgb_colour(0, 0, 255)};
    for (int i = 0; i < kTranslucentSquares; ++i) {
        double x, y, side;
        translucent_square(&x, &y, &side);
        if (lu_draw_box_a22((float)x, (float)y, (float)(x + side), (float)(y + side),
                            colours[i % 3]) == 0)
            return 1;
    }
    lu_quit();
    return 0;
}
