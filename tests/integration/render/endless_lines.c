/*
 * endless_lines: a program that draws lines until the user closes its window. It only
 * ends through the library (which quits and exits with status 0 when told the window was
 * closed); should it ever leave the loop, it ends with status 3.
 */
#include "lumora.h"

int main(void) {
    if (lu_open_window(0) == 0) return 2;
    for (long i = 0; i < 100000000L; ++i) {
        const float x = (float)(i % 100) / 100.0f;
        lu_draw_line(x, 0.0f, 1.0f - x, 1.0f);
    }
    return 3;
}
