#include "launcher.h"

#include "client/platform/conventions.h"
#include "client_state.h"
#include "locator.h"

namespace lumora {

namespace {

// Called by the platform at the moment it starts the program.
const char* locate_window_program() {
    return locate_executable(platform::kWindowProgramName);
}

}  // namespace

int start_window_process() {
    return platform::current().launch_window_process(client_state().window_command_line,
                                                     locate_window_program);
}

}  // namespace lumora
