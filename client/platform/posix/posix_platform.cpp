#include "posix_platform.h"

#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "../text_copies.h"
#include "console_keys.h"
#include "detached_launch.h"
#include "display_facts.h"
#include "file_reading.h"
#include "library_location.h"
#include "process_facts.h"
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
    if (socket_.on_page(static_cast<long>(handle))) return true;
    if (kill(static_cast<pid_t>(handle), 0) != 0) {
        error_ = errno;
        return false;
    }
    return socket_.holds(static_cast<long>(handle), error_);
}

Reply PosixPlatform::deliver_message(WindowHandle handle, std::uint32_t tag, const void* data,
                                     std::uint32_t length) {
    if (handle <= 0 || handle > INT32_MAX) {
        error_ = ESRCH;
        return {};
    }
    return socket_.deliver(static_cast<long>(handle), tag, data, length, error_);
}

Posting PosixPlatform::post_slot_command(WindowHandle handle, const std::uint8_t (&command)[2],
                                         const std::int32_t (&slots)[3]) {
    if (handle <= 0 || handle > INT32_MAX) return Posting::kDeliver;
    return socket_.post(static_cast<long>(handle), command, slots, error_);
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

void PosixPlatform::pause(int ms) {
    timespec wanted{ms / 1000, (ms % 1000) * 1000000L};
    // A signal cuts the sleep short: the rest is slept after it.
    while (ms > 0 && nanosleep(&wanted, &wanted) != 0 && errno == EINTR) {
    }
}

std::uint32_t PosixPlatform::get_environment(const char* name, char* buffer, std::uint32_t size) {
    const char* value = name != nullptr ? std::getenv(name) : nullptr;
    if (value == nullptr) return 0;
    return copy_when_it_fits(value, buffer, size);
}

bool PosixPlatform::is_program_file(const char* path) {
    struct stat entry {};
    if (path == nullptr) {
        error_ = EINVAL;
        return false;
    }
    if (stat(path, &entry) != 0) {
        error_ = errno;
        return false;
    }
    if (!S_ISREG(entry.st_mode)) {
        error_ = EACCES;
        return false;
    }
    if (access(path, X_OK) != 0) {
        error_ = errno;
        return false;
    }
    return true;
}

std::uint32_t PosixPlatform::module_file_name(char* buffer, std::uint32_t size) {
    const std::string path = posix::program_path(error_);
    if (path.empty()) {
        if (buffer != nullptr && size > 0) buffer[0] = '\0';
        return 0;
    }
    return copy_cut_to_fit(path.c_str(), buffer, size);
}

std::uint32_t PosixPlatform::installed_program_directory(char* buffer, std::uint32_t size) {
    const std::string directory = posix::programs_beside_library();
    if (directory.empty()) return 0;
    return copy_when_it_fits(directory.c_str(), buffer, size);
}

int PosixPlatform::ansi_code_page() {
    return posix::locale_code_page();
}

std::uint32_t PosixPlatform::process_id() {
    return static_cast<std::uint32_t>(getpid());
}

// Read once: the text stays valid for the rest of the program, as on Windows.
const char* PosixPlatform::command_line() {
    if (command_line_.empty()) command_line_ = posix::joined_command_line();
    return command_line_.c_str();
}

std::uint32_t PosixPlatform::current_directory(char* buffer, std::uint32_t size) {
    const std::string directory = posix::working_directory(error_);
    if (directory.empty()) return 0;
    return copy_when_it_fits(directory.c_str(), buffer, size);
}

FileHandle PosixPlatform::open_file(const char* path) {
    const int fd = posix::open_for_reading(path, error_);
    return fd < 0 ? kNoFile : fd;
}

bool PosixPlatform::seek_file(FileHandle file, std::int32_t offset) {
    return posix::seek_to(static_cast<int>(file), offset, error_);
}

bool PosixPlatform::read_file(FileHandle file, void* buffer, std::uint32_t count,
                              std::uint32_t& bytes_read) {
    return posix::read_up_to(static_cast<int>(file), buffer, count, bytes_read, error_);
}

void PosixPlatform::close_file(FileHandle file) {
    if (file != kNoFile) close(static_cast<int>(file));
}

// The result is 0 whatever happened, as on Windows: the caller looks for the process.
int PosixPlatform::launch_window_process(const char* options, ProgramLocator locate) {
    const char* program = locate != nullptr ? locate() : nullptr;
    posix::start_detached(program, options, kLaunchWaitMs, error_);
    return 0;
}

bool PosixPlatform::screen_size(int& width, int& height) {
    return posix::x_screen_size(width, height);
}

std::uint32_t PosixPlatform::system_colour(int index) {
    return posix::classic_system_colour(index);
}

void PosixPlatform::exit_program(int status) {
    std::fflush(nullptr);
    std::exit(status);
}

}  // namespace lumora::platform
