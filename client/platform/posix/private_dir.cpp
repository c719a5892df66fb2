#include "private_dir.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lumora::platform::posix {

namespace {

// Whether mkdir could make path: its parent is a directory we may write in.
bool could_make(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return false;
    const std::string parent = slash == 0 ? "/" : path.substr(0, slash);
    return access(parent.c_str(), W_OK | X_OK) == 0;
}

bool is_private(const struct stat& info) {
    return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}

}  // namespace

int private_directory_status(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) return errno;
    return is_private(info) ? 0 : EACCES;
}

int open_private_directory(const std::string& path, int& error) {
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    struct stat info {};
    if (fstat(fd, &info) == 0 && is_private(info)) return fd;
    error = EACCES;
    close(fd);
    return -1;
}

bool prepare_runtime_dir(const std::string& path, std::string& error) {
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    if (!is_private_directory(path)) {
        error = path + " is not a private directory of this user";
        return false;
    }
    return true;
}

std::string choose_runtime_dir(const std::vector<std::string>& places, std::string& error) {
    error.clear();
    for (const std::string& place : places) {
        std::string why;
        if (prepare_runtime_dir(place, why)) return place;
        error += (error.empty() ? "" : "; ") + why;
    }
    if (places.empty()) error = "no place for the runtime directory";
    return {};
}

std::string existing_runtime_dir(const std::vector<std::string>& places) {
    for (const std::string& place : places) {
        if (is_private_directory(place)) return place;
        struct stat info {};
        if (lstat(place.c_str(), &info) != 0 && errno == ENOENT && could_make(place)) return {};
    }
    return {};
}

}  // namespace lumora::platform::posix
