#include "picture_new_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace luwnd::posix {
namespace {

// Temporary names tried beside a file the program names before giving up.
constexpr int kTemporaryNames = 100;

int make_file(const std::string& path) {
    return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

// Writes the content into the file just made at path and closes it. What a failed write
// leaves there (a full disk: a picture cut short) is no picture: it is removed.
bool fill(int fd, const std::string& path, const FileContent& content, std::string& reason) {
    std::FILE* file = fdopen(fd, "wb");
    bool written = file != nullptr && content(file, reason);
    if (file == nullptr) {
        reason = std::strerror(errno);
        close(fd);
    } else if (std::fclose(file) != 0 && written) {
        reason = std::strerror(errno);
        written = false;
    }
    if (!written) unlink(path.c_str());
    return written;
}

std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// A hidden name in the folder of path for its file while it is written.
std::string temporary_name(const std::string& path, int k) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, name) + "." + path.substr(name) + "." + std::to_string(getpid()) + "-" +
           std::to_string(k) + ".part";
}

bool is_link(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

}  // namespace

std::string write_new_file(const NameChoice& choose, const FileContent& content,
                           std::string& error) {
    int fd = -1, failure = 0;
    std::string made;
    const std::string path = choose([&](const std::string& candidate) {
        if (fd >= 0) {  // a name passed over after all
            close(fd);
            unlink(made.c_str());
        }
        fd = make_file(candidate);
        failure = fd < 0 ? errno : 0;
        made = candidate;
        return fd < 0 && failure == EEXIST;
    });
    if (fd >= 0 && path != made) {
        close(fd);
        unlink(made.c_str());
        fd = -1;
    }
    if (path.empty()) {
        error = "no free file name is left";
        return {};
    }
    if (fd < 0) {
        error = "cannot make " + quoted(path) + ": " + std::strerror(failure);
        return {};
    }
    std::string reason;
    if (fill(fd, path, content, reason)) return path;
    error = "cannot write " + quoted(path) + ": " + reason + "; the unfinished file is removed";
    return {};
}

bool replace_file(const std::string& path, const FileContent& content, std::string& error) {
    if (is_link(path)) {
        error = quoted(path) + " is a symbolic link: a picture is not written through one";
        return false;
    }
    std::string temporary;
    int fd = -1;
    for (int k = 0; fd < 0 && k < kTemporaryNames; ++k) {
        temporary = temporary_name(path, k);
        fd = make_file(temporary);
        if (fd < 0 && errno != EEXIST) break;
    }
    std::string reason = std::strerror(errno);
    if (fd >= 0 && fill(fd, temporary, content, reason)) {
        // Replaces whatever has the name now, a link put there meanwhile included: the
        // name changes, never a file it leads to.
        if (rename(temporary.c_str(), path.c_str()) == 0) return true;
        reason = std::strerror(errno);
        unlink(temporary.c_str());
    }
    error = "cannot write " + quoted(path) + ": " + reason;
    return false;
}

}  // namespace luwnd::posix
