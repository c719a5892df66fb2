#include "file_dialog.h"

#include <cstdio>
#include <cstring>

#include "client/channel/block_layout.h"
#include "client/channel/client_state.h"
#include "client/channel/primitives.h"

namespace lumora {
namespace {

constexpr std::int32_t kFileDialogCommand = 13;
constexpr std::int32_t kDialogChosen = 1;  // IDOK

}  // namespace

char* window_text(int window) {
    std::uint8_t* block = window_block(window);
    return block == nullptr ? nullptr : reinterpret_cast<char*>(block + layout::kText);
}

bool put_name_or_pattern(int window, const char* name, const char* pattern) {
    if (window_text(window) == nullptr) return false;
    put_block_text(window, name != nullptr && name[0] != '\0' ? name : pattern);
    return true;
}

bool put_fortran_name_or_pattern(int window, const char* name, std::size_t length,
                                 const char* pattern) {
    char* area = window_text(window);
    if (area == nullptr) return false;
    put_block_fortran_text(window, name, length);
    if (area[0] == '\0') put_block_text(window, pattern);
    return true;
}

bool run_file_dialog(int window) {
    return command_with_int(window, 'B', kFileDialogCommand) == kDialogChosen &&
           window_text(window) != nullptr;
}

bool file_is_readable(const char* path) {
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

void copy_padded(char* buffer, std::size_t len, const char* answer, std::size_t n, char pad) {
    std::memmove(buffer, answer, n);
    std::memset(buffer + n, pad, len - n);
}

}  // namespace lumora
