// Joining a window that another program opened in a running window process: the search
// through the process blocks, the confirmation question, and the join_window entry points.
#include <cstdio>
#include <cstring>

#include "client/channel/block_ops.h"
#include "client/channel/call_lock.h"
#include "client/channel/messages.h"
#include "client/channel/primitives.h"
#include "client/channel/version_checks.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "join_header.h"
#include "program_facts.h"

using namespace lumora;

namespace {

constexpr std::int32_t kSwitchCommand = 10;
constexpr std::int32_t kConfirmSwitch = 4;  // the window process wants joins confirmed
constexpr std::int32_t kSwitchQuery = -1;
constexpr std::size_t kShortestDescription = 10;  // reference-form buffers this short get none

// The caller's description buffer; capacity 0 means none.
struct Description {
    char* text = nullptr;
    std::size_t capacity = 0;
};

void describe(const Description& d, int process, int window, const char* title) {
    if (d.capacity > 0) std::snprintf(d.text, d.capacity, "%d:%d %s", process, window, title);
}

void clear_description(const Description& d) {
    if (d.capacity > 0) d.text[0] = '\0';
}

// A process block looked at during the search belongs to no connection: it is unmapped
// whatever the state of its process, and nothing of it stays in the table.
void drop_candidate() {
    BlockTable& table = block_table();
    const platform::MappedView view = table.process_block;
    table.process_block = {};
    table.window_handle = 0;
    table.connection_id = 0;
    table.process_version[0] = '\0';
    table.block_name[0] = '\0';
    if (view.data != nullptr) platform::current().unmap_block(view);
}

bool map_candidate(int k) {
    BlockTable& table = block_table();
    std::snprintf(table.block_name, sizeof table.block_name, "%s%d", layout::kBlockPrefix, k);
    table.process_block = map_block(table.block_name);
    if (table.process_block.data != nullptr) return true;
    table.block_name[0] = '\0';
    return false;
}

// Steps that every process with a readable header goes through, idle or not: the header
// is taken and the versions and the channel are checked.
void take_header(const JoinHeader& header) {
    BlockTable& table = block_table();
    table.window_handle = static_cast<platform::WindowHandle>(header.handle);
    table.connection_id = header.id;
    std::memcpy(table.process_version, header.version, sizeof table.process_version);
    check_window_program_version();
    const char* command_line = platform::current().command_line();
    if (command_line != nullptr && command_line[0] == '"') client_state().quoted_command_line = 1;
    check_system_compatibility();
}

// Maps window n of process k, or ends the program: the process does not have it.
void map_joined_window(int k, int n) {
    BlockTable& table = block_table();
    char name[64];
    std::snprintf(name, sizeof name, "%s%d:%d", layout::kBlockPrefix, k, n);
    const bool in_table = n >= 1 && n <= layout::kMaxWindows;
    platform::MappedView view = in_table ? map_block(name) : platform::MappedView{};
    if (view.data != nullptr && view.size < layout::kWindowBlockSize) {
        platform::current().unmap_block(view);
        view = {};
    }
    if (view.data == nullptr) {
        drop_candidate();
        report_message(kLevelWarning, localized(MessageId::JoinFailed),
                       localized(MessageId::NoWindowFound));
        end_program(1);
    }
    table.blocks[n] = view;
    table.opacity[n] = 0;  // whatever the other program set
    table.process_number = k;
    ++table.open_count;
    make_current(n);
}

// The window process may want the user to confirm: true when it does not ask, or when
// the user said yes.
bool confirmed(int k, int n, const char* title) {
    if (command_with_3int(n, 'B', kSwitchCommand, kConfirmSwitch, kSwitchQuery) <= 0) return true;
    char question[layout::kTextSize];
    std::snprintf(question, sizeof question, localized(MessageId::JoinQuestion), k, n, title);
    return lu_ask_yes_no_in_window(n, question) == 1;
}

// One process: the window joined (or found, in mode 0), 0 to try the next process, or
// -1 when the user declined and the search ends.
int attach_to_process(int k, int n, int mode, const Description& description) {
    if (!map_candidate(k)) return 0;
    for (auto& view : block_table().blocks) view = {};
    if (client_state().ansi_code_page == 0) note_program();
    JoinHeader header;
    const platform::MappedView candidate = block_table().process_block;
    if (!parse_join_header(candidate.data, candidate.size, header)) {
        drop_candidate();
        return 0;
    }
    take_header(header);
    if (header.state == 0) {
        drop_candidate();
        return 0;
    }
    if (n <= 0) n = header.state;
    map_joined_window(k, n);
    describe(description, k, n, header.title);
    if (mode == 0) {
        release_blocks(n);
        return n;
    }
    if (!confirmed(k, n, header.title)) {
        release_blocks(n);
        clear_description(description);
        return -1;
    }
    return n;
}

// Searches process k (or all sixteen when k <= 0) for a window to join.
int attach_to_window(int k, int n, int mode, const Description& description) {
    const int first = k > 0 ? k : 1;
    const int last = k > 0 ? k : layout::kMaxProcesses;
    for (int p = first; p <= last; ++p) {
        const int found = attach_to_process(p, n, mode, description);
        if (found > 0) return found;
        if (found < 0) return 0;
    }
    clear_description(description);
    return 0;
}

// A look (mode 0) leaves nothing connected, so nothing is pending either: the next
// initialize or open_window connects as usual instead of addressing a window of no process.
bool joined(int found) {
    if (found <= 0 || block_table().process_number == 0) return false;
    client_state().join_pending = 1;
    return true;
}

int join(int n, int k, int mode, const Description& description) {
    if (block_table().process_number != 0) return 0;
    const int found = attach_to_window(k, n, mode, description);
    if (joined(found)) return current_window();
    if (found > 0) return 0;  // described only
    if (n > 0) {
        const int second = attach_to_window(k, 0, mode, description);
        if (joined(second)) return current_window();
        if (second > 0) return 0;
    }
    block_table().process_number = 0;
    client_state().join_pending = 0;
    return 0;
}

}  // namespace

extern "C" {

int lu_join_window(int n, int k, int mode, char* description) {
    const CallLock call;
    return join(n, k, mode, {description, description != nullptr ? LU_JOIN_DESCRIPTION_SIZE : 0u});
}

int lu_join_window_(int* result, const int* n, const int* k, const int* mode, char* description,
                    size_t description_length) {
    const CallLock call;
    const bool given = description != nullptr && description_length > kShortestDescription;
    const Description d{given ? description : nullptr, given ? description_length : 0};
    return store_result(result, join(value_at(n), value_at(k), value_at(mode), d));
}

}  // extern "C"
