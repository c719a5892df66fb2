// Saving a window's picture now, to a file the program names ('B' 50). A save that
// fails is reported with the window process's reason, never passed over in silence.
#include <cstring>
#include <string>

#include "client/channel/block_layout.h"
#include "client/channel/call_lock.h"
#include "client/channel/messages.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "file_dialog.h"

using namespace lumora;

namespace {

constexpr std::int32_t kSavePicture = 50;

// After the file name is in the text area: the window number, or 0 with a message.
int save_named(int window, const char* name) {
    if (name == nullptr || *name == '\0') {
        report_message(kLevelWarning, "Picture not saved: no file name given");
        return 0;
    }
    const std::string file(name, strnlen(name, layout::kTextSize - 1));
    const int result = command_with_int(window, 'B', kSavePicture);
    if (result != 0) return result;
    // The reason replaces the name; a text that is still the name was never answered.
    const char* text = window_text(window);
    std::string reason =
        text == nullptr ? std::string() : std::string(text, strnlen(text, layout::kTextSize - 1));
    if (reason.empty() || reason == file) reason = "the window process did not write it";
    report_message(kLevelWarning, "Picture not saved: %s", reason.c_str());
    return 0;
}

}  // namespace

extern "C" {

int lu_save_picture_in_window(int window, const char* file) {
    const CallLock call;
    char* text = window_text(window);
    if (text == nullptr) {
        report_message(kLevelWarning, "Picture not saved: window %d is not open", window);
        return 0;
    }
    put_block_text(window, file);
    return save_named(window, file == nullptr ? nullptr : text);
}

int lu_save_picture(const char* file) {
    const CallLock call;
    return lu_save_picture_in_window(current_window(), file);
}

int lu_save_picture_(int* result, const char* file, size_t file_length) {
    const CallLock call;
    const int window = current_window();
    if (window_text(window) == nullptr) {
        report_message(kLevelWarning, "Picture not saved: no window is open");
        return store_result(result, 0);
    }
    char* text = put_block_fortran_text(window, file, file_length);
    return store_result(result, save_named(window, text));
}

}  // extern "C"
