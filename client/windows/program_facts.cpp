#include "program_facts.h"

#include "client/channel/client_state.h"
#include "client/platform/platform.h"
#include "executable_inspection.h"

namespace lumora {

void note_program() {
    ClientState& state = client_state();
    platform::Platform& os = platform::current();
    const std::uint32_t n = os.module_file_name(state.program_file_name, kPathSize);
    if (n >= kPathSize) state.program_file_name[kPathSize - 1] = '\0';
    state.use_message_box = message_box_wanted(state.program_file_name);
    state.ansi_code_page = os.ansi_code_page();
}

}  // namespace lumora
