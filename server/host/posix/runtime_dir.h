// What window processes leave in the per-user runtime directories (see private_dir.h for
// choosing one): the blocks and sockets of dead processes, and directories nobody uses
// any more.
#pragma once

#include <string>
#include <vector>

namespace luwnd::posix {

// Removes the blocks and sockets of processes that no longer exist from every private
// directory of ours beside the places (other namespaces' too), and such a directory once
// nothing is left in it and it has not changed for a while. A window process killed with
// SIGKILL cannot do this itself.
void remove_leftovers(const std::vector<std::string>& places);

// For a window process at its end, after its blocks and socket went: removes the
// directory unless another window process lives in it or is starting there.
void remove_if_unused(const std::string& path);

}  // namespace luwnd::posix
