// Opening, selecting and closing numbered windows.
#include <cstdio>
#include <cstring>

#include "client/channel/block_ops.h"
#include "client/channel/call_lock.h"
#include "client/channel/messages.h"
#include "client/channel/primitives.h"
#include "client/channel/text_scan.h"
#include "client/channel/transport.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr std::int32_t kSaveView = 24;
constexpr std::int32_t kAfterClose = 22;
constexpr std::size_t kTitleSize = 260;

// A pending join applies the opening's colours and size code to the joined window. Its
// position is not carried over: the joined window only gets the position query, whose
// answer is not used.
int apply_to_joined_window(int p1, int p2, int p3, int p4, int p5) {
    const int w = current_window();
    int ignored[2];
    if (p1 > 0 && p2 > 0) lu_get_metrics_in_window(w, 4, &ignored[0], &ignored[1]);
    if (p3 >= 0) lu_set_colour_entry_in_window(w, p3, 1);
    if (p4 >= 0) lu_set_colour_entry_in_window(w, p4, 2);
    if (p5 >= 0) command_with_int(w, 'G', p5 <= 10 ? p5 + 15 : -2);
    client_state().join_pending = 0;
    return current_window();
}

// The window number that the window process wrote at the start of its reply line, or
// the requested one when the line holds none.
int reply_window_number(int requested) {
    const BlockTable& table = block_table();
    if (table.process_block.data == nullptr) {
        report_message(kLevelError, "%s", localized(MessageId::CommunicationFailed));
        end_program(1);
    }
    char line[layout::kTextSize];
    read_block_text(table.process_block, line, sizeof line);
    const char* p = line;
    int n = requested;
    char rest[256];
    if (scan_int(p, n) && scan_char(p, ',')) scan_rest_of_line(p, rest, sizeof rest);
    return n;
}

int map_new_window(int n) {
    BlockTable& table = block_table();
    char name[64];
    std::snprintf(name, sizeof name, "%s%d:%d", layout::kBlockPrefix, table.process_number, n);
    // A number outside the table, or one this client has mapped already, is no new window.
    const bool usable = n >= 1 && n <= layout::kMaxWindows && table.blocks[n].data == nullptr;
    const platform::MappedView view = usable ? map_block(name) : platform::MappedView{};
    if (view.data == nullptr || view.size < layout::kWindowBlockSize) {
        if (view.data != nullptr) platform::current().unmap_block(view);
        report_message(kLevelWarning, localized(MessageId::OpenWindowFailed), n);
        return 0;
    }
    table.blocks[n] = view;
    table.opacity[n] = kOpaqueWindow;
    make_current(n);
    ++table.open_count;
    return n;
}

int send_open_command(int n, const int p[5], const char* title) {
    if (title != nullptr && title[0] != '\0') {
        return check_result(deliver_formatted("%c,%d,%d,%d,%d,%d,%d,%s", 'I', n, p[0], p[1], p[2],
                                              p[3], p[4], title));
    }
    return check_result(
        deliver_formatted("%c,%d,%d,%d,%d,%d,%d,", 'I', n, p[0], p[1], p[2], p[3], p[4]));
}

// After a close the window process names the new current window; its block is used
// only when this client has it mapped.
void take_current_after_close(std::int32_t answer) {
    BlockTable& table = block_table();
    table.current_window = answer >= 0 && answer <= layout::kMaxWindows ? answer : 0;
    if (!make_current(table.current_window)) {
        table.current_block = nullptr;
        table.current_text = nullptr;
        table.current_data = nullptr;
    }
}

void close_one(int index) {
    window_released(index);
    BlockTable& table = block_table();
    const platform::MappedView view = table.blocks[index];
    table.blocks[index] = {};
    --table.open_count;
    unmap_block(view);
    char* buffer = client_state().command_buffer;
    buffer[0] = 'J';
    buffer[1] = layout::window_char(index);
    buffer[2] = '\0';
    take_current_after_close(check_result(deliver_command(3)));
}

}  // namespace

extern "C" {

int lu_open_window_full(int n, int p1, int p2, int p3, int p4, int p5, const char* title) {
    const CallLock call;
    if (client_state().join_pending != 0) return apply_to_joined_window(p1, p2, p3, p4, p5);
    if (block_table().process_block.data == nullptr && lu_initialize_defaults() == 0) return 0;
    const int p[5] = {p1, p2, p3, p4, p5};
    if (send_open_command(n, p, title) <= 0) {
        report_message(kLevelError, "%s", localized(MessageId::OpenFailed));
        end_program(1);
    }
    const int window = map_new_window(reply_window_number(n));
    if (window == 0) return 0;
    return command_with_2int(window, 'B', kSaveView, 0);
}

int lu_open_window_full_(int* result, const int* n, const int* p1, const int* p2, const int* p3,
                         const int* p4, const int* p5, const char* title, size_t title_length) {
    const CallLock call;
    char copy[kTitleSize] = {};
    std::size_t length = title == nullptr ? 0 : title_length < 259 ? title_length : 259;
    if (length > 0) std::memcpy(copy, title, length);
    copy[length] = '\0';
    length = strnlen(copy, length);
    while (length > 0 && copy[length - 1] == ' ') copy[--length] = '\0';
    return store_result(
        result, lu_open_window_full(value_at(n), value_at(p1), value_at(p2), value_at(p3),
                                    value_at(p4), value_at(p5), length > 0 ? copy : nullptr));
}

int lu_open_window(int n) {
    const CallLock call;
    return lu_open_window_full(n, 0, 0, -1, -1, -1, nullptr);
}
int lu_open_window_(int* result, const int* n) {
    const CallLock call;
    return store_result(result, lu_open_window(value_at(n)));
}

int lu_select_window(int n) {
    const CallLock call;
    make_current(n);
    return current_window();
}
int lu_select_window_(int* result, int* n) {
    const CallLock call;
    const int current = lu_select_window(value_at(n));
    if (n != nullptr) *n = current;
    return store_result(result, current);
}

int lu_close_window(int n) {
    const CallLock call;
    if (n == 0) n = current_window();
    const bool single = n >= 1 && n <= layout::kMaxWindows;
    const int first = single ? n : 0;
    const int last = single ? n : layout::kMaxWindows;
    for (int i = first; i <= last; ++i) {
        if (block_table().blocks[i].data != nullptr) close_one(i);
    }
    const int current = current_window();
    if (current > 0 && make_current(current)) command_with_int(current, 'B', kAfterClose);
    return current_window();
}
int lu_close_window_(int* result, int* n) {
    const CallLock call;
    const int current = lu_close_window(value_at(n));
    if (n != nullptr) *n = current;
    return store_result(result, current);
}

}  // extern "C"
