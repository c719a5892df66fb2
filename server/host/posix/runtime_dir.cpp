#include "runtime_dir.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include "client/platform/posix/private_dir.h"
#include "client/platform/posix/runtime_names.h"
#include "owners.h"
#include "runtime_dir_lock.h"
#include "stale_blocks.h"

namespace luwnd::posix {

namespace {

namespace names = lumora::platform::posix;

// A directory changed this recently may belong to a window process that is just about to
// lock it.
bool recently_changed(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && std::time(nullptr) - info.st_mtime < 10;
}

// Earlier versions named their blocks with a token kept in this file (and written aside
// first); it goes with the directory.
constexpr char kOldTokenFile[] = "token";

bool is_old_token_aside(const std::string& file_name) {
    const std::string stem = "token.", end = ".new";
    return file_name.size() > stem.size() + end.size() && file_name.rfind(stem, 0) == 0 &&
           file_name.compare(file_name.size() - end.size(), end.size(), end) == 0;
}

// Removes what dead processes left; true when a live process still has its socket here.
bool remove_dead_entries(const std::string& path) {
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) return true;
    bool live = false;
    while (const dirent* entry = readdir(dir)) {
        const long pid = names::socket_owner(entry->d_name);
        const bool dead = pid > 0 ? process_is_gone(pid) : is_old_token_aside(entry->d_name);
        if (dead) unlink((path + "/" + entry->d_name).c_str());
        live = live || (pid > 0 && !dead);
    }
    closedir(dir);
    return live;
}

// With the lock held no window process is between choosing the directory and making its
// first block there; a directory with nothing left in it can go.
void clean_directory(const std::string& path, bool only_when_settled) {
    DirectoryLock lock;
    if (!lock.hold(path, 0)) return;
    const bool settled = !only_when_settled || !recently_changed(path);  // before our removals
    remove_stale_blocks(path);
    if (remove_dead_entries(path) || !settled) return;
    unlink((path + "/" + kOldTokenFile).c_str());
    rmdir(path.c_str());  // fails while anything else is left in it
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
        if (names::is_private_directory(path)) clean_directory(path, true);
    }
}

}  // namespace

void remove_leftovers(const std::vector<std::string>& places) {
    for (const std::string& place : places) {
        if (place.find('/') != std::string::npos) clean_beside(place);
    }
}

void remove_if_unused(const std::string& path) {
    clean_directory(path, false);
}

}  // namespace luwnd::posix
