// The file-name dialog for the caller: the chosen path into the caller's buffer.
#include <cstring>

#include "client/channel/block_layout.h"
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "file_dialog.h"

using namespace lumora;

namespace {

// After the initial name is in the text area: the dialog, then the path into the buffer
// when it fits. The path's length, minus it when it does not fit, 0 when cancelled.
int take_chosen_path(int window, char* buffer, std::size_t len, char pad) {
    if (!run_file_dialog(window)) return 0;
    const char* path = window_text(window);
    const std::size_t n = strnlen(path, layout::kTextSize - 1);
    if (n >= len) return -static_cast<int>(n);
    copy_padded(buffer, len, path, n, pad);
    return static_cast<int>(n);
}

}  // namespace

extern "C" {

int lu_choose_file_name_in_window(int window, char* buffer, int len) {
    const CallLock call;
    if (buffer == nullptr || len <= 0 || window_text(window) == nullptr) return 0;
    const auto size = static_cast<std::size_t>(len);
    // The buffer need not hold a NUL: its len characters at most are the initial name.
    const std::size_t initial =
        strnlen(buffer, size < layout::kTextSize ? size : layout::kTextSize - 1);
    char* area = window_text(window);
    std::memmove(area, buffer, initial);
    area[initial] = '\0';
    return take_chosen_path(window, buffer, size, '\0');
}

int lu_choose_file_name(char* buffer, int len) {
    const CallLock call;
    return lu_choose_file_name_in_window(current_window(), buffer, len);
}

int lu_choose_file_name_(int* result, char* buffer, size_t buffer_length) {
    const CallLock call;
    const int window = current_window();
    if (buffer == nullptr || buffer_length == 0 || window_text(window) == nullptr) {
        return store_result(result, 0);
    }
    put_block_fortran_text(window, buffer, buffer_length);
    return store_result(result, take_chosen_path(window, buffer, buffer_length, ' '));
}

}  // extern "C"
