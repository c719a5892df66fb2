#include "shared_block.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "runtime_names.h"
#include "runtime_token.h"

namespace lumora::platform::posix {

namespace {

// Another user's object, or one others may read or write, could feed or spy on us.
int check_object(const struct stat& info) {
    if (info.st_uid != geteuid() || (info.st_mode & 077) != 0) return EACCES;
    if (info.st_size < 1) return EINVAL;
    return 0;
}

}  // namespace

// The whole object is mapped at its size now. A process that shrinks it later makes our
// next access raise SIGBUS; that is left alone: only a process of our own user may open
// the object (checked above), and such a process can stop or change us anyway (signals,
// ptrace, /proc/<pid>/mem), so guarding every access would buy nothing.
MappedView map_shared_block(const char* name, int& error) {
    std::string ns;
    if (name == nullptr || !session_namespace(ns)) {
        error = EINVAL;
        return {};
    }
    // Read afresh each time: a window process we just started may have made the token.
    const std::string object = session_block_name(ns, name);
    if (object.empty()) {
        error = ENOENT;
        return {};
    }
    const int fd = shm_open(object.c_str(), O_RDWR | O_CLOEXEC, 0);
    if (fd < 0) {
        error = errno;
        return {};
    }
    struct stat info {};
    int failure = fstat(fd, &info) != 0 ? errno : check_object(info);
    void* address = MAP_FAILED;
    const auto size = static_cast<std::size_t>(info.st_size);
    if (failure == 0) {
        address = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (address == MAP_FAILED) failure = errno;
    }
    close(fd);  // the mapping stays valid without the descriptor
    if (failure != 0) {
        error = failure;
        return {};
    }
    return {static_cast<std::uint8_t*>(address), size};
}

bool unmap_shared_block(const MappedView& view, int& error) {
    if (view.data == nullptr || munmap(view.data, view.size) != 0) {
        error = view.data == nullptr ? EINVAL : errno;
        return false;
    }
    return true;
}

}  // namespace lumora::platform::posix
