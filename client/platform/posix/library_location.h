// Where the window program is installed beside this library, found from where the library
// itself lives, not from where it was built to go.
#pragma once

#include <string>

namespace lumora::platform::posix {

// The bin folder beside the lib folder that holds the library file: <prefix>/bin for
// <prefix>/lib, lib64 or lib32, and for a multiarch folder such as <prefix>/lib/x86_64-linux-gnu.
// "" when the file is not a shared library of ours or its folder is not a lib folder.
std::string programs_beside(const std::string& library_file);

// programs_beside for this library as it was loaded: "" when it is linked into the
// program itself.
std::string programs_beside_library();

}  // namespace lumora::platform::posix
