// Keeping the library's own descriptors off the standard streams.
#pragma once

#include <fcntl.h>
#include <unistd.h>

namespace lumora::platform::posix {

// Moves a descriptor that landed on 0, 1 or 2 (a program started with a standard stream
// closed) above them, keeping its close-on-exec flag: otherwise the program's console
// reads and writes would go to our socket or pipe. Returns the descriptor to use.
inline int above_standard_streams(int fd) {
    if (fd < 0 || fd > 2) return fd;
    const int keep_on_exec = fcntl(fd, F_GETFD);
    const int moved = fcntl(fd, (keep_on_exec & FD_CLOEXEC) != 0 ? F_DUPFD_CLOEXEC : F_DUPFD, 3);
    close(fd);
    return moved;
}

}  // namespace lumora::platform::posix
