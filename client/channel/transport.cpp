#include "transport.h"

#include <cstdarg>
#include <cstdio>

#include "block_layout.h"
#include "block_ops.h"
#include "client/platform/conventions.h"
#include "client/windows/quit.h"
#include "client_state.h"
#include "messages.h"

namespace lumora {
namespace {

[[noreturn]] void report_overflow(int length) {
    char shown[kCommandBufferSize + 1];
    // The buffer may hold no NUL when the text filled it; show what it holds.
    const int n = length < static_cast<int>(kCommandBufferSize) ? length : kCommandBufferSize;
    for (int i = 0; i < n; ++i) shown[i] = client_state().command_buffer[i];
    shown[n] = '\0';
    report_message(kLevelWarning, message_texts(MessageId::BufferOverflow).english, shown);
    end_program(1);
}

[[noreturn]] void report_window_gone() {
    if (client_state().command_buffer[0] == 'K') {
        report_message(kLevelError, localized(MessageId::LaunchFailed),
                       platform::kWindowProgramName, platform::kWindowProgramName);
    } else {
        report_message(kLevelError, "%s", localized(MessageId::WindowClosed));
    }
    end_program(1);
}

}  // namespace

std::int32_t deliver_command(int length) {
    ClientState& state = client_state();
    if (length > static_cast<int>(kCommandBufferSize)) report_overflow(length);
    if (state.table.window_handle == 0) return kNotConnected;
    // The window process may end as soon as it has the quit command: for quit, a window
    // process that is gone, or goes without answering, ends nothing here.
    const bool quitting = state.command_buffer[0] == 'L';
    platform::Platform& os = platform::current();
    if (!os.is_window_alive(state.table.window_handle)) {
        if (quitting) return 0;
        report_window_gone();
    }
    state.copy_data.length = length < 0 ? 0u : static_cast<std::uint32_t>(length);
    const platform::Reply reply = os.deliver_message(state.table.window_handle, state.copy_data.tag,
                                                     state.command_buffer, state.copy_data.length);
    // A window process that went away while it had our command is gone now, not at the
    // next command: a program waiting for that answer must not carry on without it.
    if (!reply.answered && !quitting) report_window_gone();
    return reply.result;
}

bool post_slot_command(int window, char letter, const std::int32_t (&slots)[3]) {
    ClientState& state = client_state();
    if (state.table.window_handle == 0) return false;
    // The buffer holds the command as a delivery would have it.
    char* buffer = state.command_buffer;
    buffer[0] = letter;
    buffer[1] = layout::window_char(window);
    buffer[2] = '\0';
    const std::uint8_t command[2] = {static_cast<std::uint8_t>(buffer[0]),
                                     static_cast<std::uint8_t>(buffer[1])};
    switch (platform::current().post_slot_command(state.table.window_handle, command, slots)) {
        case platform::Posting::kPosted:
            return true;
        case platform::Posting::kGone:
            report_window_gone();
        default:
            return false;
    }
}

std::int32_t check_result(std::int32_t raw) {
    switch (raw) {
        case kEndedAbnormally:
            report_message(kLevelError, "%s", localized(MessageId::EndedAbnormally));
            end_program(1);
        case kQuitRequested:
            quit_with_mode(0);
            end_program(0);
        case kExitRequested:
            end_program(0);
        case kDisconnected:
            release_blocks(-1);
            return 0;
        case kTrue:
            return 1;
        default:
            return raw;
    }
}

std::int32_t deliver_formatted(const char* format, ...) {
    ClientState& state = client_state();
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(state.command_buffer, kCommandBufferSize, format, args);
    va_end(args);
    if (length < 0) report_overflow(static_cast<int>(kCommandBufferSize) + 1);
    return deliver_command(length + 1);
}

}  // namespace lumora
