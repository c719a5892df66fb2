// Finding the window program on disk: in LUMORADIR, beside the program, in the current
// directory and along PATH, in this order; when none has it, in the directory the
// library was installed for.
#pragma once

namespace lumora {

// The full path of the first place that has an entry called name. The text lives in one
// static buffer until the next call. When no place has it, or there is no place to look,
// the program ends with a message and exit status 1; the message's second line names the
// places searched.
const char* locate_executable(const char* name);

// The install directory tried last ("" for none).
const char* install_directory();

}  // namespace lumora
