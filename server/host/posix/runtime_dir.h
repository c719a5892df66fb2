// The per-user directory that holds the command sockets of the window processes.
#pragma once

#include <string>

namespace luwnd::posix {

// LUMORA_NAMESPACE, or empty. A namespace keeps test runs apart from each other and from
// the user's own processes: it becomes part of every shared memory and directory name.
std::string lumora_namespace();

// "$XDG_RUNTIME_DIR/lumora[-ns]" when XDG_RUNTIME_DIR is set, else "/tmp/lumora-<uid>[-ns]".
std::string runtime_dir_path(const std::string& ns);

// Creates the directory with mode 0700 when missing, then checks that it is a real
// directory owned by us with no group or other access. On failure returns false and
// describes why in error.
bool prepare_runtime_dir(const std::string& path, std::string& error);

}  // namespace luwnd::posix
