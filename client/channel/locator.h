// Finding the window program on disk: in LUMORADIR, beside the program, in the current
// directory (Windows) and along PATH, in this order; when none has it, where the platform
// finds it installed beside the library (Linux).
#pragma once

namespace lumora {

// The full path of the first place that has an entry called name. The text lives in one
// static buffer until the next call. When no place has it, or there is no place to look,
// the program ends with a message and exit status 1; on Linux the message's second line
// names the places searched.
const char* locate_executable(const char* name);

}  // namespace lumora
