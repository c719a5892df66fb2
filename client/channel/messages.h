// Showing warnings and errors: in a message box for a GUI program, on the error stream
// for a console program.
#pragma once

#include "message_catalogue.h"

namespace lumora {

inline constexpr int kLevelWarning = 0;
inline constexpr int kLevelError = 1;
inline constexpr int kMessageBufferSize = 264;

// Formats the message (cut to 263 characters) and shows it. An error on the error stream,
// or Abort chosen in a warning box, detaches from the open windows first. Never ends the
// program itself.
void report_message(int level, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// The catalogue text of id in the language of the current code page.
const char* localized(MessageId id);

// The fatal pattern: releases every block and ends the program with the status.
[[noreturn]] void end_program(int status);

}  // namespace lumora
