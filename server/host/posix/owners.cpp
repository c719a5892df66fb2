#include "owners.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <vector>

#include "client/channel/block_layout.h"

namespace luwnd::posix {
namespace {

namespace layout = lumora::layout;

// The owner record lets a block left by a crashed process be recognised even when its
// header line was overwritten by a reply at the time of the crash.
constexpr std::uint32_t kOwnerMagic = 0x6F57754Cu;  // "LuWo"

// The pid that owns a process block: the tail record, else the header's handle field.
long owner_pid(const std::uint8_t* data, std::size_t size) {
    std::size_t text_size = layout::kProcessBlockSize;
    if (size >= text_size + kOwnerTail &&
        static_cast<std::uint32_t>(layout::read_i32(data, text_size)) == kOwnerMagic)
        return layout::read_i32(data, text_size + 4);
    char header[64] = {};
    std::memcpy(header, data, size < sizeof header - 1 ? size : sizeof header - 1);
    int state = 0;
    long handle = 0;
    if (std::sscanf(header, "%d,%ld,", &state, &handle) != 2) return 0;
    return handle;
}

// The start of a regular file of ours, up to the end of the owner record; false for
// anything else.
bool read_own_file(const std::string& path, std::vector<std::uint8_t>& bytes) {
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool ours = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid();
    if (ours) {
        bytes.resize(layout::kProcessBlockSize + kOwnerTail);
        const ssize_t got = pread(fd, bytes.data(), bytes.size(), 0);
        bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    }
    close(fd);
    return ours;
}

}  // namespace

void write_owner(std::uint8_t* data, std::size_t text_size) {
    layout::write_i32(data, text_size, static_cast<std::int32_t>(kOwnerMagic));
    layout::write_i32(data, text_size + 4, static_cast<std::int32_t>(getpid()));
}

bool process_is_gone(long pid) {
    return pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

bool file_is_missing(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

bool is_own_file(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && info.st_uid == geteuid();
}

bool owner_is_gone(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!read_own_file(path, bytes) || bytes.empty()) return false;
    return process_is_gone(owner_pid(bytes.data(), bytes.size()));
}

}  // namespace luwnd::posix
