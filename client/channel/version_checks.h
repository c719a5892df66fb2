// Checks run once per connection, before any other command: the window program's
// version against the library's, and four binary probes of the block layout and of the
// number formats.
#pragma once

namespace lumora {

inline constexpr char kLibraryVersion[] = "0,9,9,9a";
inline constexpr char kVersionBanner[] = "Version  0.99.9a";

// Warns when one side is older; 1 when the versions differ only past what is compared.
int check_window_program_version();

// Sets up the copy-data record and runs the probes; ends the program when one of the
// first three fails, warns when the fourth does.
void check_system_compatibility();

}  // namespace lumora
