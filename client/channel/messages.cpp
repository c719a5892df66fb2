#include "messages.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "block_ops.h"
#include "client/windows/quit.h"
#include "client_state.h"

namespace lumora {

void report_message(int level, const char* format, ...) {
    char text[kMessageBufferSize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);  // cuts what does not fit
    va_end(args);

    ClientState& state = client_state();
    platform::Platform& os = platform::current();
    if (state.use_message_box == 1) {
        const auto style = level == kLevelWarning ? platform::kBoxWarning : platform::kBoxError;
        const int answer = os.message_box(text, style);
        if (level == kLevelWarning && answer == platform::kAnswerAbort &&
            state.table.open_count > 0) {
            detach();
        }
        return;
    }
    os.write_error_line(text);
    if (level != kLevelWarning && state.table.open_count > 0) detach();
}

const char* localized(MessageId id) {
    return message_text(id, client_state().ansi_code_page);
}

void end_program(int status) {
    release_blocks(-1);
    platform::current().exit_program(status);
    std::abort();  // exit_program does not return; this tells the compiler so
}

}  // namespace lumora
