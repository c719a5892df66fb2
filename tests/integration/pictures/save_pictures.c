/*
 * save_pictures: draws a red band across a window and saves its picture to each file
 * named on the command line, printing "<name> <result>" for each, then quits. It works
 * in the directory given first, where a headless window process it starts writes too.
 * An argument "end:N" asks for picture format N at the end (lu_send_command_b34) instead;
 * "box" draws a blue square over the band's left part, "alpha:A" the same with opacity A
 * (printing lu_set_alpha's result).
 */
#include <math.h>
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
        if (strcmp(argv[i], "box") == 0 || strncmp(argv[i], "alpha:", 6) == 0) {
            const char* value = argv[i] + 6;
            const float alpha = strcmp(value, "nan") == 0 ? NAN : (float)atof(value);
            const int set = argv[i][0] == 'a' ? lu_set_alpha(alpha) : 1;
            lu_draw_box_a22(10.0f, 45.0f, 30.0f, 70.0f, lu_make_rgb_colour(0, 0, 255));
            printf("%s %d\n", argv[i], set);
            continue;
        }
        const int asked = strncmp(argv[i], "end:", 4) == 0;
        printf("%s %d\n", argv[i],
               asked ? lu_send_command_b34(atoi(argv[i] + 4)) : lu_save_picture(argv[i]));
        fflush(stdout);
    }
    lu_quit_with_flag(0);
    return 0;
}
