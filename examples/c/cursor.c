/* cursor: asks for two clicks in a frame and draws a line between them. Without a screen
 * the clicks come from LUMORA_EVENTS, e.g. "click 1 120 300,click 1 500 120". */
#include <stdio.h>
#include "lumora.h"

int main(void) {
    float x[2], y[2];
    int key = 0;
    lu_open_window(0);
    lu_plot_frame(0.0f, 10.0f, 0.0f, 10.0f, LU_PLOT_GRID);
    lu_plot_labels("x", "y", "Click twice");
    if (lu_get_cursor(&x[0], &y[0], &key) == 0) {
        lu_quit();
        return 1;
    }
    printf("first point: %g %g (key %d)\n", x[0], y[0], key);
    /* The band shows the line to come while the second point is chosen. */
    if (lu_get_cursor_band(LU_BAND_LINE, x[0], y[0], &x[1], &y[1], &key) == 0) {
        lu_quit();
        return 1;
    }
    printf("second point: %g %g (key %d)\n", x[1], y[1], key);
    lu_plot_line(2, x, y);
    lu_plot_points(2, x, y, 4);
    lu_quit();
    return 0;
}
