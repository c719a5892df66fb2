/*
 * A program that draws until it is told to stop: it opens a window titled "Endless
 * lines" and draws a line every 20 ms through the public interface. When the user closes
 * the window, the library ends the program with status 0 itself. Any failed call ends it
 * with status 3, and a minute without being stopped with status 4.
 */
#include <windows.h>

#include "lumora.h"

int main(void) {
    int window = lu_open_window_full(0, 0, 0, -1, -1, -1, "Endless lines");
    if (window <= 0) return 3;
    const ULONGLONG end = GetTickCount64() + 60000;
    for (int i = 0; GetTickCount64() < end; ++i) {
        const int y = 10 + i % 200;
        if (!lu_draw_line_in_window(window, 10, y, 290, y)) return 3;
        Sleep(20);
    }
    return 4;
}
