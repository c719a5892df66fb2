// A program that uses only the public interface, in one of two parts:
//   join_client open <colour file>  opens a window titled Plot, writes "first" into it,
//                                   saves its user colours and quits leaving the window
//   join_client join <colour file>  joins that window, writes "second" into it, opens a
//                                   window of its own, loads the colours into it and quits
// Each prints what it saw as "key=value" lines.
#include <cstdio>
#include <cstring>
#include <string>

#include "lumora.h"

namespace {

// The user colour entries 20 ... 35 of the window as "rrggbb,..." in hexadecimal.
std::string user_colours(int window) {
    std::string list;
    for (int entry = 20; entry <= 35; ++entry) {
        int r = -1, g = -1, b = -1;
        lu_get_colour_entry_in_window(window, entry, &r, &g, &b);
        char item[16];
        std::snprintf(item, sizeof item, "%02x%02x%02x,", r & 0xFF, g & 0xFF, b & 0xFF);
        list += item;
    }
    return list;
}

int open_part(const char* colour_file) {
    const int window = lu_open_window_full(0, 0, 0, -1, -1, -1, "Plot");
    for (int i = 0; i < 16; ++i) {
        lu_set_colour_entry(lu_make_rgb_colour(255 - 10 * i, 16 * i, 7 * i), 20 + i);
    }
    std::printf("window=%d\n", window);
    std::printf("text=%d\n", lu_draw_text_in_window(window, 10, 20, "first") == window);
    std::printf("saved=%d\n", lu_save_colours(colour_file));
    std::printf("colours=%s\n", user_colours(window).c_str());
    lu_quit_with_flag(0);
    return window > 0 ? 0 : 1;
}

int join_part(const char* colour_file) {
    char description[LU_JOIN_DESCRIPTION_SIZE] = {};
    const int joined = lu_join_window(0, 0, 1, description);
    std::printf("joined=%d description=%s\n", joined, description);
    std::printf("open=%d\n", lu_open_window(0));  // the joined window
    std::printf("text=%d\n", lu_draw_text_in_window(joined, 10, 40, "second") == joined);
    const int own = lu_open_window(0);
    std::printf("own=%d\n", own);
    std::printf("loaded=%d\n", lu_load_colours(colour_file));
    std::printf("colours=%s\n", user_colours(own).c_str());
    lu_quit();
    return joined > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const int status = std::strcmp(argv[1], "open") == 0   ? open_part(argv[2])
                       : std::strcmp(argv[1], "join") == 0 ? join_part(argv[2])
                                                           : 2;
    std::fflush(stdout);
    return status;
}
