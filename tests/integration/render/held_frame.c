/*
 * held_frame: draws frame A (a blue box), begins a buffered frame, erases the window and
 * draws the first part of frame B (a red box), then waits for a line on its input. Then it
 * ends the frame, waits for its input to end and quits. While it waits the first time the
 * screen is to show frame A; after the line, frame B.
 */
#include <stdio.h>

#include "lumora.h"

static void wait_for_line(void) {
    int c;
    while ((c = getchar()) != EOF && c != '\n') {
    }
}

int main(void) {
    const int window = lu_open_window(0);
    if (window == 0) return 2;
    if (lu_draw_box_a22_in_window(window, 20, 20, 120, 80, 4) == 0) return 3;
    if (lu_plot_begin_frame() == 0) return 4;
    if (lu_send_command_b4() == 0) return 5;
    if (lu_draw_box_a22_in_window(window, 150, 100, 250, 180, 2) == 0) return 6;
    wait_for_line();
    if (lu_plot_end_frame() == 0) return 7;
    while (getchar() != EOF) {
    }
    lu_quit();
    return 0;
}
