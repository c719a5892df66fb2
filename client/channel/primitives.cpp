#include "primitives.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "block_layout.h"
#include "block_ops.h"
#include "client_state.h"
#include "messages.h"
#include "text_scan.h"
#include "transport.h"

namespace lumora {
namespace {

constexpr std::int32_t kChunkCommand = 36;
constexpr std::int32_t kCompleteCommand = 37;
constexpr std::int32_t kAbandonCommand = 38;

// Sends "letter, window character" with the slots already written.
std::int32_t send_slot_command(int window, char letter) {
    char* buffer = client_state().command_buffer;
    buffer[0] = letter;
    buffer[1] = layout::window_char(window);
    buffer[2] = '\0';
    return check_result(deliver_command(3));
}

// The window's block, or nullptr: slot commands to a window that is not mapped are
// refused rather than written through a null block.
std::uint8_t* slots_of(int window) {
    return window_block(window);
}

// Writes the three slots of the window's block; false when it is not mapped.
bool put_slots(int window, std::int32_t a, std::int32_t b, std::int32_t c) {
    std::uint8_t* block = slots_of(window);
    if (block == nullptr) return false;
    layout::write_i32(block, layout::kParam1, a);
    layout::write_i32(block, layout::kParam2, b);
    layout::write_i32(block, layout::kParam3, c);
    return true;
}

char* text_area(int window) {
    std::uint8_t* block = window_block(window);
    return block == nullptr ? nullptr : reinterpret_cast<char*>(block + layout::kText);
}

}  // namespace

std::int32_t command_with_char(int window, char letter, char character) {
    char* buffer = client_state().command_buffer;
    buffer[0] = letter;
    buffer[1] = layout::window_char(window);
    buffer[2] = character;
    buffer[3] = '\0';
    return check_result(deliver_command(4));
}

std::int32_t command_with_int(int window, char letter, std::int32_t a) {
    std::uint8_t* block = slots_of(window);
    if (block == nullptr) return 0;
    layout::write_i32(block, layout::kParam1, a);
    return send_slot_command(window, letter);
}

std::int32_t command_with_2int(int window, char letter, std::int32_t a, std::int32_t b) {
    std::uint8_t* block = slots_of(window);
    if (block == nullptr) return 0;
    layout::write_i32(block, layout::kParam1, a);
    layout::write_i32(block, layout::kParam2, b);
    return send_slot_command(window, letter);
}

std::int32_t command_with_3int(int window, char letter, std::int32_t a, std::int32_t b,
                               std::int32_t c) {
    if (!put_slots(window, a, b, c)) return 0;
    return send_slot_command(window, letter);
}

std::int32_t posted_command_with_3int(int window, char letter, std::int32_t a, std::int32_t b,
                                      std::int32_t c) {
    if (!put_slots(window, a, b, c)) return 0;
    return post_slot_command(window, letter, {a, b, c}) ? window
                                                        : send_slot_command(window, letter);
}

std::int32_t posted_command_with_int(int window, char letter, std::int32_t a) {
    const std::uint8_t* block = slots_of(window);
    if (block == nullptr) return 0;
    return posted_command_with_3int(window, letter, a, layout::read_i32(block, layout::kParam2),
                                    layout::read_i32(block, layout::kParam3));
}

int put_block_text(int window, const char* text) {
    char* area = text_area(window);
    if (area == nullptr) return 0;
    if (text == nullptr) {
        area[0] = '\0';
        return 0;
    }
    if (text == area) return static_cast<int>(strnlen(area, layout::kTextSize - 1));
    std::size_t n = strnlen(text, layout::kTextSize - 1);
    std::memmove(area, text, n);
    area[n] = '\0';
    return static_cast<int>(n);
}

char* put_block_fortran_text(int window, const char* text, std::size_t length) {
    char* area = text_area(window);
    if (area == nullptr) return nullptr;
    if (text == nullptr) {
        area[0] = '\0';
        return nullptr;
    }
    const std::size_t n = length < layout::kTextSize - 1 ? length : layout::kTextSize - 1;
    std::size_t copied = 0;
    while (copied < n && text[copied] != '\0') {
        area[copied] = text[copied];
        ++copied;
    }
    // Positions after an early NUL stay NUL, so the trimming below sees no stale bytes.
    std::memset(area + copied, 0, n + 1 - copied);
    for (std::size_t i = n; i > 0 && (area[i - 1] == ' ' || area[i - 1] == '\0'); --i) {
        area[i - 1] = '\0';
    }
    return area;
}

int put_block_formatted(int window, const char* format, ...) {
    char* area = text_area(window);
    if (area == nullptr) return 0;
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(area, layout::kTextSize, format, args);
    va_end(args);
    if (n < 0) {
        area[0] = '\0';
        return 0;
    }
    return n < static_cast<int>(layout::kTextSize) ? n : static_cast<int>(layout::kTextSize) - 1;
}

int send_block_data(int window, const void* data, std::int64_t length) {
    char* area = text_area(window);
    if (area == nullptr) return length > 0 ? 0 : window;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::int64_t offset = 0;
    while (length > 0) {
        const std::int64_t n = length < 2048 ? length : 2048;
        std::memcpy(area, bytes + offset, static_cast<std::size_t>(n));
        if (command_with_3int(window, 'B', kChunkCommand, static_cast<std::int32_t>(offset),
                              static_cast<std::int32_t>(n)) == 0) {
            command_with_int(window, 'B', kAbandonCommand);
            return 0;
        }
        offset += n;
        length -= n;
    }
    return window;
}

int command_with_data(int window, std::int32_t kind, const void* data, std::int64_t length) {
    if (command_with_int(window, 'N', kind) == 0) return 0;
    if (send_block_data(window, data, length) != 0) {
        command_with_int(window, 'B', kCompleteCommand);
        return window;
    }
    command_with_int(window, 'B', kAbandonCommand);
    return 0;
}

std::int32_t exchange_process_block(int code, int* a, int* b) {
    BlockTable& table = block_table();
    if (table.process_block.data == nullptr) {
        report_message(kLevelError, "%s", localized(MessageId::CommunicationFailed));
        end_program(1);
    }
    const int mask = (a != nullptr ? 1 : 0) + (b != nullptr ? 2 : 0);
    char request[64];
    const int n = std::snprintf(request, sizeof request, "%d;%d;%d;%d;", code, mask,
                                a != nullptr ? *a : 0, b != nullptr ? *b : 0);
    if (table.process_block.size < static_cast<std::size_t>(n) + 1) return 0;
    std::memcpy(table.process_block.data, request, static_cast<std::size_t>(n) + 1);

    const std::int32_t r = command_with_char(0, 'E', ' ');
    if (code < 0) return r;
    char reply[layout::kTextSize];
    read_block_text(block_table().process_block, reply, sizeof reply);
    const char* p = reply;
    int first = 0;
    int second = 0;
    if (!(scan_char(p, '3') && scan_char(p, ';'))) return 0;
    const bool got_first = scan_int(p, first);
    if (got_first && a != nullptr) *a = first;
    const bool got_second = got_first && scan_char(p, ';') && scan_int(p, second);
    if (got_second && b != nullptr) *b = second;
    return got_second ? r : 0;
}

int test_channel() {
    BlockTable& table = block_table();
    if (table.current_window <= 0 || table.current_block == nullptr) return -1;
    char* buffer = client_state().command_buffer;
    buffer[0] = 'O';
    buffer[1] = layout::window_char(table.current_window);
    buffer[2] = '\0';
    layout::write_i32(table.current_block, layout::kParam1, 1);
    if (deliver_command(3) != kEndedAbnormally) return 1;
    layout::write_i32(table.current_block, layout::kParam1, 2);
    if (deliver_command(3) != INT32_MAX) return 2;
    return 0;
}

}  // namespace lumora
