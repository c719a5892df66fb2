#include "file_reading.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace lumora::platform::posix {

int open_for_reading(const char* path, int& error) {
    if (path == nullptr) {
        error = EINVAL;
        return -1;
    }
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) error = errno;
    return fd;
}

bool seek_to(int fd, std::int32_t offset, int& error) {
    if (offset < 0) {
        error = EINVAL;
        return false;
    }
    if (lseek(fd, offset, SEEK_SET) < 0) {
        error = errno;
        return false;
    }
    return true;
}

bool read_up_to(int fd, void* buffer, std::uint32_t count, std::uint32_t& bytes_read, int& error) {
    auto* bytes = static_cast<char*>(buffer);
    bytes_read = 0;
    while (bytes_read < count) {
        const ssize_t got = read(fd, bytes + bytes_read, count - bytes_read);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        bytes_read += static_cast<std::uint32_t>(got);
    }
    return true;
}

}  // namespace lumora::platform::posix
