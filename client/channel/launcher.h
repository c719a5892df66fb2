// Starting a new window process with the option text that initialisation prepared.
#pragma once

namespace lumora {

// Starts the window program found by locate_executable with window_command_line and
// returns once it is ready for input or the wait has ended. The result is 0; the caller
// looks for the new process itself. A second start in one program starts nothing on
// Windows, where the launcher's window class is registered only once.
int start_window_process();

}  // namespace lumora
