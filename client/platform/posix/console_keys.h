// Single keys from the console without waiting for Enter, as a terminal allows.
#pragma once

namespace lumora::platform::posix {

// Nonzero when a key (or the end of input) is waiting on standard input.
int key_waiting();

// Reads one byte from standard input at once; echoes it to standard output when echo is
// true. Returns -1 at the end of input.
int read_one_key(bool echo);

}  // namespace lumora::platform::posix
