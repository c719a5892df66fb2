// The two text dialogs the window process shows: a message and a yes/no question.
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr std::int32_t kMessageCommand = 2;
constexpr std::int32_t kQuestionCommand = 3;
// The dialog answers, as the Win32 dialog results name them.
constexpr std::int32_t kAnswerYes = 6;
constexpr std::int32_t kAnswerNo = 7;

}  // namespace

extern "C" {

int lu_show_message_in_window(int window, const char* text) {
    const CallLock call;
    if (!is_open_window(window)) return 0;
    put_block_text(window, text);
    return command_with_int(window, 'B', kMessageCommand) != 0 ? window : 0;
}

int lu_show_message(const char* text) {
    const CallLock call;
    return lu_show_message_in_window(current_window(), text);
}

int lu_show_message_(int* result, const char* text, std::size_t text_length) {
    const CallLock call;
    const char* copied = put_block_fortran_text(current_window(), text, text_length);
    return store_result(result, lu_show_message(copied));
}

int lu_ask_yes_no_in_window(int window, const char* text) {
    const CallLock call;
    if (!is_open_window(window)) return 0;
    put_block_text(window, text);
    if (command_with_2int(window, 'B', kQuestionCommand, 0) == 0) return 0;
    const std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;  // the answer ended the connection
    switch (layout::read_i32(block, layout::kResult1)) {
        case kAnswerYes:
            return 1;
        case kAnswerNo:
            return -1;
        default:
            return 0;
    }
}

int lu_ask_yes_no(const char* text) {
    const CallLock call;
    return lu_ask_yes_no_in_window(current_window(), text);
}

int lu_ask_yes_no_(const char* text, std::size_t text_length) {
    const CallLock call;
    return lu_ask_yes_no(put_block_fortran_text(current_window(), text, text_length));
}

}  // extern "C"
