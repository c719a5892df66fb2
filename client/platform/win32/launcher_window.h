// Starting the window program from a hidden window of the client's own: the window starts
// it while it is being created and destroys itself once the program is idle for input.
#pragma once

#include <windows.h>

#include "../platform.h"

namespace lumora::platform::win32 {

// Registers the launcher window class (or reuses it from an earlier start), creates the
// hidden window (which starts the program) and runs the message loop until the window is
// gone. Returns the loop's exit code, or 0 when the class cannot be registered.
int run_launcher_window(HINSTANCE instance, const char* options, ProgramLocator locate);

}  // namespace lumora::platform::win32
