// Asking the window process for a text: the prompt out, the answer into the caller's buffer.
#include <cstring>

#include "client/channel/block_layout.h"
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "file_dialog.h"

using namespace lumora;

namespace {

constexpr std::int32_t kQueryCommand = 14;

// After the prompt is in the text area: the answer's length when it fits, else 0.
int take_answer(int window, char* buffer, std::size_t len, char pad) {
    if (command_with_int(window, 'B', kQueryCommand) == 0) return 0;
    const char* answer = window_text(window);
    if (answer == nullptr) return 0;  // the answer ended the connection
    const std::size_t n = strnlen(answer, layout::kTextSize - 1);
    if (n >= len) return 0;
    copy_padded(buffer, len, answer, n, pad);
    return static_cast<int>(n);
}

}  // namespace

extern "C" {

int lu_query_string_in_window(int window, const char* text, char* buffer, int len) {
    const CallLock call;
    if (buffer == nullptr || len <= 0 || window_text(window) == nullptr) return 0;
    put_block_text(window, text);
    return take_answer(window, buffer, static_cast<std::size_t>(len), '\0');
}

int lu_query_string(const char* text, char* buffer, int len) {
    const CallLock call;
    return lu_query_string_in_window(current_window(), text, buffer, len);
}

int lu_query_string_(int* result, const char* text, char* buffer, size_t text_length,
                     size_t buffer_length) {
    const CallLock call;
    const int window = current_window();
    if (buffer == nullptr || buffer_length == 0 || window_text(window) == nullptr) {
        return store_result(result, 0);
    }
    put_block_fortran_text(window, text, text_length);
    return store_result(result, take_answer(window, buffer, buffer_length, ' '));
}

}  // extern "C"
