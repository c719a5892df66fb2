// Colour files: the sixteen user colour entries 20 ... 35 as text lines "0x00bbggrr".
#include <cstdio>
#include <cstring>

#include "client/channel/block_layout.h"
#include "client/channel/call_lock.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "file_dialog.h"

using namespace lumora;

namespace {

constexpr char kColourPattern[] = "*.clr";
constexpr int kFirstEntry = 20;
constexpr int kEntries = 16;
constexpr int kSaved = 16;
constexpr unsigned int kRgbFlag = 0x02000000u;

// The colour commands do not touch the text area, but the path is kept apart anyway:
// the area belongs to the window process between commands.
void copy_path(int window, char (&path)[layout::kTextSize]) {
    std::memcpy(path, window_text(window), layout::kTextSize - 1);
    path[layout::kTextSize - 1] = '\0';
}

void write_entries(int window, std::FILE* file) {
    for (int entry = kFirstEntry; entry < kFirstEntry + kEntries; ++entry) {
        int red = 0, green = 0, blue = 0;  // a failed query writes black
        lu_get_colour_entry_in_window(window, entry, &red, &green, &blue);
        const unsigned long line = (static_cast<unsigned long>(red) & 0xFFu) |
                                   (static_cast<unsigned long>(green) & 0xFFFFu) << 8 |
                                   (static_cast<unsigned long>(blue) & 0xFFu) << 16;
        std::fprintf(file, "0x%8.8lx\n", line);
    }
}

void read_entries(int window, std::FILE* file) {
    for (int i = 0; i < kEntries; ++i) {
        unsigned int value = 0;  // a missing or malformed line sets black
        if (std::fscanf(file, "%x\n", &value) != 1) value = 0;
        const unsigned int colour = (value & 0xFFFFFFu) | kRgbFlag;
        lu_set_colour_entry_in_window(window, static_cast<int>(colour), kFirstEntry + i);
    }
}

// With the name in the text area: the dialog always, then the file written.
int save_named(int window) {
    if (!run_file_dialog(window)) return 0;
    char path[layout::kTextSize];
    copy_path(window, path);
    std::FILE* file = std::fopen(path, "w");
    if (file == nullptr) return 0;
    write_entries(window, file);
    std::fclose(file);
    return kSaved;
}

// With the name in the text area: the dialog only for a file that does not open.
int load_named(int window) {
    if (!file_is_readable(window_text(window)) && !run_file_dialog(window)) return 0;
    char path[layout::kTextSize];
    copy_path(window, path);
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) return 0;
    read_entries(window, file);
    std::fclose(file);
    return kSaved;
}

}  // namespace

extern "C" {

int lu_save_colours_in_window(int window, const char* name) {
    const CallLock call;
    return put_name_or_pattern(window, name, kColourPattern) ? save_named(window) : 0;
}
int lu_save_colours(const char* name) {
    const CallLock call;
    return lu_save_colours_in_window(current_window(), name);
}
int lu_save_colours_(int* result, const char* name, size_t name_length) {
    const CallLock call;
    const int window = current_window();
    const bool put = put_fortran_name_or_pattern(window, name, name_length, kColourPattern);
    return store_result(result, put ? save_named(window) : 0);
}

int lu_load_colours_in_window(int window, const char* name) {
    const CallLock call;
    return put_name_or_pattern(window, name, kColourPattern) ? load_named(window) : 0;
}
int lu_load_colours(const char* name) {
    const CallLock call;
    return lu_load_colours_in_window(current_window(), name);
}
int lu_load_colours_(int* result, const char* name, size_t name_length) {
    const CallLock call;
    const int window = current_window();
    const bool put = put_fortran_name_or_pattern(window, name, name_length, kColourPattern);
    return store_result(result, put ? load_named(window) : 0);
}

}  // extern "C"
