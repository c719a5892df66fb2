// What the client learns about its own process on POSIX systems: the program's file
// name, its command line, the current directory and the locale's code page.
#pragma once

#include <cstdint>
#include <string>

namespace lumora::platform::posix {

// The running program's full file name ("" when the system does not tell).
std::string program_path(int& error);

// The program's arguments joined with blanks, as they were given (never quoted).
std::string joined_command_line();

// The current directory ("" on failure).
std::string working_directory(int& error);

// True for the names a C library gives the Shift-JIS codeset (any case, '-' or '_').
bool is_shift_jis_codeset(const char* codeset);

// 932 when the user's locale (LC_CTYPE from the environment) uses Shift-JIS, else 1252.
// The program's own locale is left as it was.
int locale_code_page();

}  // namespace lumora::platform::posix
