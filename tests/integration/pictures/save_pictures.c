/*
 * save_pictures: draws a red band across a window and saves its picture to each file
 * named on the command line, printing "<name> <result>" for each, then quits. It works
 * in the directory given first, where a headless window process it starts writes too.
 * An argument "end:N" asks for picture format N at the end (lu_send_command_b34) instead.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifdef _WIN32
#include <direct.h>
#define change_directory _chdir
#else
#include <unistd.h>
#define change_directory chdir
#endif

#include "lumora.h"

int main(int argc, char** argv) {
    if (argc < 2 || change_directory(argv[1]) != 0) return 2;
    if (lu_open_window(0) == 0) return 3;
    const float aspect = lu_get_aspect_ratio(1);
    lu_set_viewport(0.0f, 0.0f, aspect, 1.0f);
    lu_set_world(0.0f, 0.0f, 100.0f * aspect, 100.0f);
    lu_set_pen(lu_make_rgb_colour(255, 0, 0), 0, 20, -1);
    lu_draw_line(0.0f, 50.0f, 100.0f * aspect, 50.0f);
    for (int i = 2; i < argc; ++i) {
        const int asked = strncmp(argv[i], "end:", 4) == 0;
        printf("%s %d\n", argv[i],
               asked ? lu_send_command_b34(atoi(argv[i] + 4)) : lu_save_picture(argv[i]));
        fflush(stdout);
    }
    lu_quit_with_flag(0);
    return 0;
}
