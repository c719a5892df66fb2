#include "runtime_dir_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "client/platform/posix/private_dir.h"

namespace luwnd::posix {
namespace {

bool lock_within(int fd, int wait_ms) {
    for (int waited = 0;; ++waited) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= wait_ms) return false;
        usleep(1000);
    }
}

// The directory we hold is still the one at path.
bool still_there(int fd, const std::string& path) {
    struct stat held {
    }, named{};
    return fstat(fd, &held) == 0 && lstat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino &&
           lumora::platform::posix::is_private_directory(path);
}

}  // namespace

bool DirectoryLock::hold(const std::string& path, int wait_ms) {
    release();
    fd_ = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd_ >= 0 && lock_within(fd_, wait_ms) && still_there(fd_, path)) return true;
    release();
    return false;
}

void DirectoryLock::release() {
    if (fd_ >= 0) close(fd_);  // closing the only descriptor lets go of the lock
    fd_ = -1;
}

}  // namespace luwnd::posix
