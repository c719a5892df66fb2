// Whether a program was built for the Windows GUI subsystem, read from its PE headers. A
// GUI program has no console, so the client shows its messages in message boxes.
#pragma once

#include <cstdint>

#include "client/platform/platform.h"

namespace lumora {

// 1 when the executable's Subsystem field is 2 (Windows GUI), else 0. Any failure to
// read the file or to recognise it ends the program with a message and exit status 1.
int is_gui_program(const char* path);

// Reads exactly count bytes from the file; anything less ends the program with a message.
void read_exact(platform::FileHandle file, void* buffer, std::uint32_t count);

// What use_message_box becomes for the running program: the GUI test of its executable
// where executables carry a subsystem, 0 where every program is a console program.
int message_box_wanted(const char* program_file_name);

}  // namespace lumora
