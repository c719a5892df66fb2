#include "runtime_token.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "private_dir.h"
#include "runtime_names.h"

namespace lumora::platform::posix {

namespace {

constexpr std::size_t kRandomBytes = 16;  // 128 bits
constexpr std::size_t kTokenLength = 2 * kRandomBytes;

bool is_token(const std::string& text) {
    return text.size() == kTokenLength &&
           text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// The whole of a small file of ours; false when it is anything else.
bool read_token_file(int fd, std::string& text) {
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid() ||
        (info.st_mode & 07777) != 0600)
        return false;
    char buffer[kTokenLength + 2];
    const ssize_t length = read(fd, buffer, sizeof buffer);
    if (length <= 0) return false;
    text.assign(buffer, static_cast<std::size_t>(length));
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return true;
}

bool random_token(std::string& token) {
    unsigned char bytes[kRandomBytes];
    std::size_t have = 0;
    while (have < sizeof bytes) {
        const ssize_t got = getrandom(bytes + have, sizeof bytes - have, 0);
        if (got < 0 && errno != EINTR) return false;
        if (got > 0) have += static_cast<std::size_t>(got);
    }
    static const char digits[] = "0123456789abcdef";
    token.clear();
    for (unsigned char byte : bytes) {
        token += digits[byte >> 4];
        token += digits[byte & 15];
    }
    return true;
}

// A new token file at path, mode 0600 whatever the umask.
bool write_token_file(const std::string& path, const std::string& token) {
    unlink(path.c_str());  // left by a process of the same pid that died here
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const std::string line = token + "\n";
    const bool written = fchmod(fd, 0600) == 0 &&
                         write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    return close(fd) == 0 && written;
}

}  // namespace

std::string token_path(const std::string& directory) {
    return directory + "/token";
}

bool read_token(const std::string& directory, std::string& token) {
    const int fd =
        open(token_path(directory).c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    std::string text;
    const bool sound = read_token_file(fd, text) && is_token(text);
    close(fd);
    if (sound) token = text;
    return sound;
}

bool read_or_create_token(const std::string& directory, std::string& token, std::string& error) {
    if (read_token(directory, token)) return true;
    std::string fresh;
    const std::string final_path = token_path(directory);
    const std::string aside = final_path + "." + std::to_string(getpid()) + ".new";
    if (!random_token(fresh) || !write_token_file(aside, fresh)) {
        error = "cannot write " + aside + ": " + std::strerror(errno);
        unlink(aside.c_str());
        return false;
    }
    // link() fails when a token file appeared meanwhile; a sound one is kept, anything
    // else (a symbolic link, bad content, a wrong mode) is replaced in one step.
    bool placed = link(aside.c_str(), final_path.c_str()) == 0;
    if (!placed && errno == EEXIST && read_token(directory, token)) {
        unlink(aside.c_str());
        return true;
    }
    if (!placed) placed = rename(aside.c_str(), final_path.c_str()) == 0;
    if (!placed) error = "cannot create " + final_path + ": " + std::strerror(errno);
    unlink(aside.c_str());
    if (placed) token = fresh;
    return placed;
}

std::string session_block_name(const std::string& ns, const char* name) {
    const std::string directory = existing_runtime_dir(runtime_directories(ns));
    std::string token;
    if (directory.empty() || !read_token(directory, token)) return {};
    return block_object_name(ns, token, name);
}

}  // namespace lumora::platform::posix
