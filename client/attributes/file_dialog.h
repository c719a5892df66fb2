// The pieces the file operations share: the window process's file-name dialog on the
// window's text area, the name or pattern it starts from, and the caller's answer buffers.
#pragma once

#include <cstddef>

namespace lumora {

// The window's text area, nullptr when the window is not mapped.
char* window_text(int window);

// Puts the name into the text area, or the pattern when the name is null or empty (in
// the reference form: all blanks). False when the window is not mapped.
bool put_name_or_pattern(int window, const char* name, const char* pattern);
bool put_fortran_name_or_pattern(int window, const char* name, std::size_t length,
                                 const char* pattern);

// 'B' 13: the dialog starts from the text area's text and leaves the chosen path there.
// True only for the answer 1 (a path was chosen).
bool run_file_dialog(int window);

// True when the path opens for reading.
bool file_is_readable(const char* path);

// Copies the answer of n characters into the caller's buffer of len characters (n < len)
// and fills the rest with pad: NUL in the value forms, blank in the reference forms.
void copy_padded(char* buffer, std::size_t len, const char* answer, std::size_t n, char pad);

}  // namespace lumora
