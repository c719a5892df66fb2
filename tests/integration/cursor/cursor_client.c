/* Reads the events of one window and prints, a line each, what came back: two looks in
 * passing, a click in a linear frame, a click in a log frame (each with the pixel its
 * point maps back to through the frame's own world), and a wait with nothing left. */
#include <math.h>
#include <stdio.h>

#include "lumora.h"

/* The point, its key and the pixel the point is at in the current frame's world. */
static void print_point(const char* what, int result, float x, float y, int key, int log_axes) {
    int px = -1, py = -1;
    const float wx = log_axes ? log10f(x) : x, wy = log_axes ? log10f(y) : y;
    lu_world_to_device(wx, wy, &px, &py);
    printf("%s %d %.9g %.9g %d %d %d\n", what, result, x, y, key, px, py);
}

int main(void) {
    float x = 0, y = 0;
    int kind = -1, key = -1, result = 0;
    if (lu_open_window(0) == 0) return 2;
    lu_plot_subpages(2, 1);
    lu_plot_frame(0.0f, 10.0f, 0.0f, 10.0f, 0);
    for (int look = 0; look < 2; ++look) {
        result = lu_poll_event(&kind, &x, &y, &key);
        printf("poll %d %d %d\n", result, kind, key);
    }
    result = lu_get_cursor(&x, &y, &key);
    print_point("linear", result, x, y, key, 0);
    lu_plot_frame(1.0f, 1000.0f, 0.01f, 100.0f, LU_PLOT_LOG_X | LU_PLOT_LOG_Y);
    result = lu_get_cursor_band(LU_BAND_CROSS_HAIR, 0.0f, 0.0f, &x, &y, &key);
    print_point("log", result, x, y, key, 1);
    result = lu_get_cursor(&x, &y, &key);
    printf("left %d %d\n", result, key);
    lu_quit();
    return 0;
}
