/* A program outside the Lumora tree, built against an installed Lumora. It prints what
 * the library says about itself and a colour value; with the argument "window" it also
 * opens a window (the window process found on PATH or through LUMORADIR), draws a line
 * and quits. Ends with status 1 when a call fails. */
#include <stdio.h>
#include <string.h>

#include "lumora.h"

static int draw_in_window(void) {
    if (lu_open_window(0) == 0) return 0;
    if (lu_set_world(0.0f, 0.0f, 10.0f, 10.0f) == 0) return 0;
    if (lu_draw_line(1.0f, 1.0f, 9.0f, 9.0f) == 0) return 0;
    lu_quit();
    return 1;
}

int main(int argc, char** argv) {
    char version[64];
    if (lu_get_library_info(2, version, (int)sizeof version) <= 0) return 1;
    printf("library: %s\n", version);
    printf("colour: %d\n", lu_make_rgb_colour(1, 2, 3));
    if (argc > 1 && strcmp(argv[1], "window") == 0) {
        if (!draw_in_window()) return 1;
        printf("window: drawn\n");
    }
    return 0;
}
