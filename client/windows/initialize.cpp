// Connecting to a window process: an idle one found, or a new one started with the
// options, then the checks and the handshake.
#include <cstring>

#include "client/channel/block_ops.h"
#include "client/channel/call_lock.h"
#include "client/channel/launcher.h"
#include "client/channel/messages.h"
#include "client/channel/primitives.h"
#include "client/channel/transport.h"
#include "client/channel/version_checks.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "client/platform/conventions.h"
#include "program_facts.h"
#include "window_options.h"

using namespace lumora;

namespace {

constexpr std::uint32_t kDirectorySize = 255;

// A pending join: the options that make sense for an open window become commands to it.
int apply_to_joined_process(const WindowOptions& o) {
    const int w = current_window();
    constexpr int kBits[] = {1, 2, 4, 8, 16};
    for (int code = 1; code <= 5; ++code) {
        const int bit = kBits[code - 1];
        if (flag_given(o.flags, bit)) command_with_3int(w, 'B', 10, code, (o.flags & bit) != 0);
    }
    int ignored[2];
    if (o.x >= 0 && o.y >= 0) lu_get_metrics_in_window(w, 4, &ignored[0], &ignored[1]);
    if (o.width > 0 && o.height > 0) lu_get_metrics_in_window(w, 3, &ignored[0], &ignored[1]);
    if (o.a >= 1 && o.a <= 4) command_with_2int(w, 'B', 16, o.a);
    if (o.m >= 0 && o.m <= 14) command_with_int(w, 'G', o.m);
    if (o.z >= 1 && o.z <= 4) command_with_int(w, 'G', o.z + 10);
    if (o.dpi >= 1 && o.dpi <= 1200) lu_get_metrics_in_window(w, 10, &ignored[0], &ignored[1]);
    return block_table().process_number;
}

enum class Handshake { Accepted, Taken };

// The process answers its own id when it is ours now, 0 when another program took it
// first (or its host keeps it for the program that started it).
Handshake handshake() {
    ClientState& state = client_state();
    platform::Platform& os = platform::current();
    char directory[kDirectorySize + 1] = {};
    const std::uint32_t n = os.current_directory(directory, kDirectorySize);
    if (n >= kDirectorySize) directory[0] = '\0';  // did not fit: nothing was stored
    const int id = block_table().connection_id;
    const std::int32_t r = deliver_formatted("%c,%d,%s;%s;%s", 'K', id, directory,
                                             state.program_file_name, kVersionBanner);
    if (r == id) return Handshake::Accepted;
    if (r == 0) return Handshake::Taken;
    report_message(kLevelError, "%s", localized(MessageId::InitializeFailed));
    end_program(1);
}

// Checks the process found and offers it the handshake.
Handshake take_found_process() {
    check_window_program_version();
    const char* command_line = platform::current().command_line();
    if (command_line != nullptr && command_line[0] == '"') client_state().quoted_command_line = 1;
    check_system_compatibility();
    return handshake();
}

[[noreturn]] void fail_to_connect(bool refused) {
    if (refused) {
        report_message(kLevelError, "%s", localized(MessageId::InitializeFailed));
    } else {
        report_message(kLevelError, localized(MessageId::CannotExecute),
                       platform::kWindowProgramName);
    }
    end_program(1);
}

// An idle process found, else one started; one that another program took in the
// meantime is passed over for the next, so that two programs never share a process.
// Each number is offered at most once before the start and once after it.
void connect_or_start() {
    bool started = false, refused = false;
    int next = block_table().process_block.data != nullptr ? block_table().process_number : 1;
    for (;;) {
        if (block_table().process_block.data == nullptr && find_window_process(next) == 0) {
            if (started) break;
            start_window_process();
            started = true;
            if (find_window_process() == 0) break;
        }
        if (block_table().window_handle == 0) break;
        const int k = block_table().process_number;
        if (take_found_process() == Handshake::Accepted) return;
        refused = true;
        release_blocks(-1);
        next = k + 1;
    }
    fail_to_connect(refused);
}

}  // namespace

extern "C" {

int lu_initialize(int flags, int x, int y, int width, int height, int a, int m, int z, int dpi) {
    const CallLock call;
    ClientState& state = client_state();
    const WindowOptions options{flags, x, y, width, height, a, m, z, dpi};
    if (state.join_pending != 0) return apply_to_joined_process(options);
    if (block_table().process_number != 0) return 0;
    for (auto& view : block_table().blocks) view = {};
    note_program();
    format_window_options(options, state.window_command_line, sizeof state.window_command_line);
    connect_or_start();
    return block_table().process_number;
}

int lu_initialize_(int* result, const int* flags, const int* x, const int* y, const int* width,
                   const int* height, const int* a, const int* m, const int* z, const int* dpi) {
    const CallLock call;
    return store_result(result, lu_initialize(value_at(flags), value_at(x), value_at(y),
                                              value_at(width), value_at(height), value_at(a),
                                              value_at(m), value_at(z), value_at(dpi)));
}

int lu_initialize_defaults(void) {
    const CallLock call;
    return lu_initialize(-1, -1, -1, -1, -1, -1, -1, -1, -1);
}
int lu_initialize_defaults_(int* result) {
    const CallLock call;
    return store_result(result, lu_initialize_defaults());
}

}  // extern "C"
