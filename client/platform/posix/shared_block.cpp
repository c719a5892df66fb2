#include "shared_block.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "private_dir.h"
#include "runtime_names.h"

namespace lumora::platform::posix {

namespace {

// Only a regular file of ours that nobody else may read or write is a block: anything
// else could feed or spy on us.
int check_block_file(const struct stat& info) {
    if (!S_ISREG(info.st_mode) || info.st_uid != geteuid() || (info.st_mode & 077) != 0)
        return EACCES;
    if (info.st_size < 1) return EINVAL;
    return 0;
}

// The block file inside the session's runtime directory, opened for reading and writing
// without following a symbolic link; -1 with error set when there is none.
int open_block_file(const char* name, int& error) {
    std::string ns;
    if (name == nullptr || !session_namespace(ns) || !is_block_name(name)) {
        error = EINVAL;
        return -1;
    }
    // Looked up afresh each time: a window process we just started may have made it.
    const std::string directory = existing_runtime_dir(runtime_directories(ns));
    if (directory.empty()) {
        error = ENOENT;
        return -1;
    }
    const int dir = open_private_directory(directory, error);
    if (dir < 0) return -1;
    const int fd = openat(dir, name, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) error = errno;
    close(dir);
    return fd;
}

}  // namespace

// The whole file is mapped at its size now. A process that shrinks it later makes our
// next access raise SIGBUS; that is left alone: only a process of our own user may open
// the file (checked above), and such a process can stop or change us anyway (signals,
// ptrace, /proc/<pid>/mem), so guarding every access would buy nothing.
MappedView map_shared_block(const char* name, int& error) {
    const int fd = open_block_file(name, error);
    if (fd < 0) return {};
    struct stat info {};
    int failure = fstat(fd, &info) != 0 ? errno : check_block_file(info);
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
