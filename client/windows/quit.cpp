#include "quit.h"

#include "client/channel/block_ops.h"
#include "client/channel/client_state.h"
#include "client/channel/transport.h"

namespace lumora {
namespace {

void wait_for_enter() {
    platform::Platform& os = platform::current();
    os.write_output("> ");
    os.read_input_char();
}

}  // namespace

std::int32_t quit_with_mode(int mode) {
    ClientState& state = client_state();
    if (state.has_quit != 0) return 0;
    // Set first: a failure while delivering 'L' may report and detach, which must not
    // run the ending a second time.
    state.has_quit = 1;
    std::int32_t result = 0;
    const platform::WindowHandle handle = state.table.window_handle;
    if (mode >= 0 && handle != 0 && platform::current().is_window_alive(handle)) {
        result = deliver_formatted("%c,%d,", 'L', mode);
    }
    release_blocks(-1);
    if (state.use_message_box == 0 && mode != 0 && state.quoted_command_line != 0) {
        wait_for_enter();
    }
    return result;
}

std::int32_t detach() {
    return quit_with_mode(-1);
}

}  // namespace lumora
