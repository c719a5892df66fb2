// Handing the window process a data file of its own format ("*.lmd").
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "file_dialog.h"

using namespace lumora;

namespace {

constexpr char kDataPattern[] = "*.lmd";
constexpr std::int32_t kDataFileCommand = 11;

// With the name in the text area: a file that opens is used as it is, any other name
// goes through the dialog first.
int open_named(int window, int value) {
    if (!file_is_readable(window_text(window)) && !run_file_dialog(window)) return 0;
    return command_with_2int(window, 'B', kDataFileCommand, value);
}

}  // namespace

extern "C" {

int lu_open_data_file_in_window(int window, int value, const char* name) {
    const CallLock call;
    if (!put_name_or_pattern(window, name, kDataPattern)) return 0;
    return open_named(window, value);
}

int lu_open_data_file(int value, const char* name) {
    const CallLock call;
    return lu_open_data_file_in_window(current_window(), value, name);
}

int lu_open_data_file_(int* result, const int* value, const char* name, size_t name_length) {
    const CallLock call;
    const int window = current_window();
    if (!put_fortran_name_or_pattern(window, name, name_length, kDataPattern)) {
        return store_result(result, 0);
    }
    return store_result(result, open_named(window, value_at(value)));
}

}  // extern "C"
