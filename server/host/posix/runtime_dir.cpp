#include "runtime_dir.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "client/platform/posix/runtime_names.h"

namespace luwnd::posix {

namespace {

bool is_private_directory(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid() &&
           (info.st_mode & 077) == 0;
}

bool process_is_gone(long pid) {
    return kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// A directory changed this recently may belong to a window process that is just about to
// listen in it.
bool recently_changed(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && std::time(nullptr) - info.st_mtime < 10;
}

// The sockets of dead processes go; the directory too when nothing else is left in it.
void clean_directory(const std::string& path) {
    const bool settled = !recently_changed(path);  // before our own removals change it
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = readdir(dir)) {
        const long pid = lumora::platform::posix::socket_owner(entry->d_name);
        if (pid > 0 && process_is_gone(pid)) unlink((path + "/" + entry->d_name).c_str());
    }
    closedir(dir);
    if (settled) rmdir(path.c_str());  // fails while anything is left in it
}

// "/tmp/lumora-1000-ns" gives "/tmp" and "lumora-1000".
void split_place(const std::string& place, std::string& parent, std::string& stem) {
    const std::size_t slash = place.find_last_of('/');
    parent = slash == 0 ? "/" : place.substr(0, slash);
    stem = place.substr(slash + 1);
}

void clean_beside(const std::string& place) {
    std::string parent, stem;
    split_place(place, parent, stem);
    DIR* dir = opendir(parent.c_str());
    if (dir == nullptr) return;
    std::vector<std::string> ours;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == stem || name.rfind(stem + "-", 0) == 0) ours.push_back(parent + "/" + name);
    }
    closedir(dir);
    for (const std::string& path : ours) {
        if (is_private_directory(path)) clean_directory(path);
    }
}

}  // namespace

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

void remove_leftovers(const std::vector<std::string>& places) {
    for (const std::string& place : places) {
        if (place.find('/') != std::string::npos) clean_beside(place);
    }
}

}  // namespace luwnd::posix
