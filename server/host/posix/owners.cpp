#include "owners.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

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

// The object opened for reading when it is ours, else -1.
int open_own(const std::string& object, struct stat& info) {
    const int fd = shm_open(object.c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (fstat(fd, &info) == 0 && info.st_uid == geteuid()) return fd;
    close(fd);
    return -1;
}

}  // namespace

void write_owner(std::uint8_t* data, std::size_t text_size) {
    layout::write_i32(data, text_size, static_cast<std::int32_t>(kOwnerMagic));
    layout::write_i32(data, text_size + 4, static_cast<std::int32_t>(getpid()));
}

bool process_is_gone(long pid) {
    return pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

bool object_is_missing(const std::string& object) {
    const int fd = shm_open(object.c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (fd >= 0) close(fd);
    return fd < 0 && errno == ENOENT;
}

bool is_own_object(const std::string& object) {
    struct stat info {};
    const int fd = open_own(object, info);
    if (fd >= 0) close(fd);
    return fd >= 0;
}

bool owner_is_gone(const std::string& object) {
    struct stat info {};
    const int fd = open_own(object, info);
    if (fd < 0) return false;
    bool gone = false;
    if (info.st_size > 0) {
        const auto size = static_cast<std::size_t>(info.st_size);
        void* data = mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
        if (data != MAP_FAILED) {
            gone = process_is_gone(owner_pid(static_cast<const std::uint8_t*>(data), size));
            munmap(data, size);
        }
    }
    close(fd);
    return gone;
}

}  // namespace luwnd::posix
