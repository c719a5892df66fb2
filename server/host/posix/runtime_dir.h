// The per-user directory that holds the command sockets of the window processes, and
// what dead window processes left in such directories.
#pragma once

#include <string>
#include <vector>

namespace luwnd::posix {

// Creates the directory with mode 0700 when missing, then checks that it is a real
// directory owned by us with no group or other access. On failure returns false and
// describes why in error.
bool prepare_runtime_dir(const std::string& path, std::string& error);

// The first of the places (see runtime_names.h) that is, or can be made, a private
// directory of ours; empty, with the reasons in error, when none can.
std::string choose_runtime_dir(const std::vector<std::string>& places, std::string& error);

// Removes the sockets of processes that no longer exist from every private directory of
// ours beside the places (other namespaces' too), and such directories once empty. A
// window process killed with SIGKILL cannot do this itself.
void remove_leftovers(const std::vector<std::string>& places);

}  // namespace luwnd::posix
