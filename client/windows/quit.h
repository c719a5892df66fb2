// Ending the graphics run: 'L' to the window process, every block released, and in a
// console program started with a quoted command line a final wait for Enter.
#pragma once

#include <cstdint>

namespace lumora {

// Mode 1 or 0 sends 'L' with the mode; -1 sends nothing. Runs once per program: later
// calls return 0 and do nothing.
std::int32_t quit_with_mode(int mode);

// quit_with_mode(-1): leaves the windows to the window process.
std::int32_t detach();

}  // namespace lumora
