/*
 * burst_then_wait: a program that draws a burst of lines as fast as it can, then one blue
 * box in the lower right corner, and then waits for its input to end before it quits.
 * What the screen shows while it waits is the whole picture, box included.
 */
#include <stdio.h>

#include "lumora.h"

int main(void) {
    if (lu_open_window(0) == 0) return 2;
    lu_set_world(0.0f, 0.0f, 1.0f, 1.0f);
    for (int i = 0; i < 20000; ++i) {
        const float x = (float)(i % 500) / 1000.0f;
        lu_draw_line(x, 0.0f, 0.5f - x, 0.5f);
    }
    lu_draw_box_a22(0.8f, 0.8f, 0.95f, 0.95f, lu_make_rgb_colour(0, 0, 255));
    while (getchar() != EOF) {
    }
    lu_quit();
    return 0;
}
