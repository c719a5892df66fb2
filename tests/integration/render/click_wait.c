/* Waits in a frame for a click with a cross-hair, then writes to the file named first
 * "x y key px py": the point, its key and the pixel the point is at in the frame's world. */
#include <stdio.h>

#include "lumora.h"

int main(int argc, char** argv) {
    float x = 0, y = 0;
    int key = 0, px = -1, py = -1;
    if (argc < 2 || lu_open_window(0) == 0) return 2;
    lu_plot_frame(0.0f, 10.0f, 0.0f, 10.0f, 0);
    const int result = lu_get_cursor_band(LU_BAND_CROSS_HAIR, 0.0f, 0.0f, &x, &y, &key);
    lu_world_to_device(x, y, &px, &py);
    FILE* out = fopen(argv[1], "w");
    if (out == NULL) return 3;
    fprintf(out, "%d %.9g %.9g %d %d %d\n", result, x, y, key, px, py);
    fclose(out);
    lu_quit();
    return 0;
}
