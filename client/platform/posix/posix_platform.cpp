#include "posix_platform.h"

#include <signal.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "console_keys.h"
#include "shared_block.h"

namespace lumora::platform {

MappedView PosixPlatform::open_block(const char* name) {
    return posix::map_shared_block(name, error_);
}

bool PosixPlatform::unmap_block(const MappedView& view) {
    return posix::unmap_shared_block(view, error_);
}

std::uint32_t PosixPlatform::last_error() {
    return static_cast<std::uint32_t>(error_);
}

// The handle is a process id. A process we may not signal belongs to someone else, and
// only our own window process can take our commands.
bool PosixPlatform::is_window_alive(WindowHandle handle) {
    if (handle <= 0 || handle > INT32_MAX) return false;
    if (kill(static_cast<pid_t>(handle), 0) != 0) {
        error_ = errno;
        return false;
    }
    return socket_.holds(static_cast<long>(handle), error_);
}

std::int32_t PosixPlatform::deliver_message(WindowHandle handle, std::uint32_t tag,
                                            const void* data, std::uint32_t length) {
    if (handle <= 0 || handle > INT32_MAX) {
        error_ = ESRCH;
        return posix::kNoAnswer;
    }
    return socket_.deliver(static_cast<long>(handle), tag, data, length, error_);
}

// There are no message boxes here: the text goes to the error stream and counts as
// unanswered.
int PosixPlatform::message_box(const char* text, std::uint32_t) {
    write_error_line(text);
    return 0;
}

void PosixPlatform::write_error_line(const char* text) {
    std::fprintf(stderr, "%s\n", text != nullptr ? text : "");
}

void PosixPlatform::write_output(const char* text) {
    if (text != nullptr) std::fputs(text, stdout);
    std::fflush(stdout);
}

int PosixPlatform::read_input_char() {
    return std::getchar();
}

int PosixPlatform::poll_key() {
    return posix::key_waiting();
}

int PosixPlatform::read_key(bool echo) {
    return posix::read_one_key(echo);
}

void PosixPlatform::exit_program(int status) {
    std::fflush(nullptr);
    std::exit(status);
}

}  // namespace lumora::platform
