#include "block_ops.h"

#include <cstdio>
#include <cstring>

#include "client_state.h"
#include "messages.h"
#include "text_scan.h"

namespace lumora {

platform::MappedView map_block(const char* name) {
    return platform::current().open_block(name);
}

namespace {

WindowReleaseHook release_hook = nullptr;

void unmap_now(const platform::MappedView& view) {
    platform::Platform& os = platform::current();
    if (!os.unmap_block(view)) {
        report_message(kLevelError, localized(MessageId::UnmapFailed),
                       static_cast<int>(os.last_error()));
    }
}

}  // namespace

void unmap_block(const platform::MappedView& view) {
    if (view.data == nullptr) return;
    if (!platform::current().is_window_alive(block_table().window_handle)) return;
    unmap_now(view);
}

void read_block_text(const platform::MappedView& view, char* out, std::size_t capacity) {
    std::size_t n = 0;
    if (view.data != nullptr) {
        const std::size_t limit = view.size < capacity - 1 ? view.size : capacity - 1;
        while (n < limit && view.data[n] != 0) {
            out[n] = static_cast<char>(view.data[n]);
            ++n;
        }
    }
    out[n] = '\0';
}

bool parse_process_header(const unsigned char* text, std::size_t size, ProcessHeader& header) {
    char line[layout::kTextSize];
    read_block_text({const_cast<unsigned char*>(text), size}, line, sizeof line);
    header = ProcessHeader{};
    const char* p = line;
    return scan_int(p, header.state) && scan_char(p, ',') && scan_int(p, header.handle) &&
           scan_char(p, ',') && scan_int(p, header.id) && scan_char(p, ',') &&
           scan_rest_of_line(p, header.version, sizeof header.version);
}

namespace {

// Entries are cleared before the view is unmapped: a failed unmap reports, and the report
// may release blocks again, which must then find nothing left to release.
void drop_process_block() {
    BlockTable& table = block_table();
    const platform::MappedView view = table.process_block;
    table.process_block = {};
    unmap_block(view);
}

// A block looked at during the search belongs to no connection yet, so it is unmapped
// whatever the state of the connection.
void drop_candidate() {
    BlockTable& table = block_table();
    const platform::MappedView view = table.process_block;
    table.process_block = {};
    if (view.data != nullptr) unmap_now(view);
}

bool try_process(int k) {
    BlockTable& table = block_table();
    std::snprintf(table.block_name, sizeof table.block_name, "%s%d", layout::kBlockPrefix, k);
    drop_candidate();
    table.process_block = map_block(table.block_name);
    if (table.process_block.data == nullptr) return false;
    ProcessHeader header;
    // An idle header whose process has gone (killed, or its display lost) stays behind
    // until a new window process reclaims the name: it is passed over, not connected to.
    if (parse_process_header(table.process_block.data, table.process_block.size, header) &&
        header.state == 0 &&
        platform::current().is_window_alive(static_cast<platform::WindowHandle>(header.handle))) {
        table.process_number = k;
        table.window_handle = static_cast<platform::WindowHandle>(header.handle);
        table.connection_id = header.id;
        std::memcpy(table.process_version, header.version, sizeof table.process_version);
        return true;
    }
    drop_candidate();
    return false;
}

void unmap_window(int index) {
    window_released(index);
    BlockTable& table = block_table();
    const platform::MappedView view = table.blocks[index];
    table.blocks[index] = {};
    --table.open_count;
    unmap_block(view);
}

}  // namespace

int find_window_process(int first) {
    for (int k = first < 1 ? 1 : first; k <= layout::kMaxProcesses; ++k) {
        if (try_process(k)) return block_table().connection_id;
    }
    return 0;
}

void release_blocks(int window) {
    BlockTable& table = block_table();
    if (window >= 0 && window <= layout::kMaxWindows && table.blocks[window].data != nullptr) {
        unmap_window(window);
    } else {
        for (int i = 0; i < layout::kTableSize; ++i) {
            if (table.blocks[i].data != nullptr) unmap_window(i);
        }
    }
    drop_process_block();
    table.current_block = nullptr;
    table.current_text = nullptr;
    table.current_data = nullptr;
    table.window_handle = 0;
    table.connection_id = 0;
    table.current_window = 0;
    table.process_number = 0;
    table.block_name[0] = '\0';
}

bool make_current(int window) {
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return false;
    BlockTable& table = block_table();
    table.current_window = window;
    table.current_block = block;
    table.current_text = reinterpret_cast<char*>(block + layout::kText);
    table.current_data = block + layout::kText;
    return true;
}

void set_window_release_hook(WindowReleaseHook hook) {
    release_hook = hook;
}

void window_released(int window) {
    if (release_hook != nullptr) release_hook(window);
}

}  // namespace lumora
