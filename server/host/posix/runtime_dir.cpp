#include "runtime_dir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace luwnd::posix {

std::string lumora_namespace() {
    const char* ns = std::getenv("LUMORA_NAMESPACE");
    return ns == nullptr ? std::string() : std::string(ns);
}

std::string runtime_dir_path(const std::string& ns) {
    std::string suffix = ns.empty() ? std::string() : "-" + ns;
    const char* base = std::getenv("XDG_RUNTIME_DIR");
    if (base != nullptr && *base != '\0') return std::string(base) + "/lumora" + suffix;
    return "/tmp/lumora-" + std::to_string(geteuid()) + suffix;
}

bool prepare_runtime_dir(const std::string& path, std::string& error) {
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        error = "cannot inspect " + path + ": " + std::strerror(errno);
        return false;
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != geteuid() || (info.st_mode & 077) != 0) {
        error = path + " is not a private directory of this user";
        return false;
    }
    return true;
}

}  // namespace luwnd::posix
