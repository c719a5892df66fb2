/* sine: y = sin(x) with a frame, numbered ticks, labels and a title. */
#include <math.h>
#include "lumora.h"

int main(void) {
    float x[101], y[101];
    for (int i = 0; i < 101; ++i) {
        x[i] = 6.2831853f * (float)i / 100.0f;
        y[i] = sinf(x[i]);
    }
    lu_open_window(0);
    lu_plot_frame(0.0f, 6.2831853f, -1.0f, 1.0f, 0);
    lu_plot_labels("x", "sin(x)", "y = sin(x)");
    lu_plot_line(101, x, y);
    lu_quit();
    return 0;
}
