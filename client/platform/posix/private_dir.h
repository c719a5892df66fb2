// Directories that only this user can enter: the runtime directory of a session holds the
// shared blocks and the command sockets of its window processes.
#pragma once

#include <string>
#include <vector>

namespace lumora::platform::posix {

// 0 when path is a real directory (not a symbolic link) owned by us, with no group or
// other access; else lstat's error, or EACCES for anything else there.
int private_directory_status(const std::string& path);
inline bool is_private_directory(const std::string& path) {
    return private_directory_status(path) == 0;
}

// The private directory at path, opened without following a symbolic link and checked
// through the descriptor, so that what is opened relative to it lies in the directory
// that was checked. -1, with error set, when it is not a private directory of ours.
int open_private_directory(const std::string& path, int& error);

// Creates the directory with mode 0700 when missing, then checks that it is private. On
// failure returns false and describes why in error.
bool prepare_runtime_dir(const std::string& path, std::string& error);

// The first of the places (see runtime_names.h) that is, or can be made, a private
// directory of ours; empty, with the reasons in error, when none can.
std::string choose_runtime_dir(const std::vector<std::string>& places, std::string& error);

// The place choose_runtime_dir would take, without creating anything: empty when that
// directory does not exist yet, so no window process can be using it.
std::string existing_runtime_dir(const std::vector<std::string>& places);

}  // namespace lumora::platform::posix
