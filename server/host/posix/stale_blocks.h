// Block files that window processes killed outright left in a runtime directory.
#pragma once

#include <string>

namespace luwnd::posix {

// Removes the process blocks in the directory whose owner has ended, then the window
// blocks whose process block is gone. Blocks of live processes stay.
void remove_stale_blocks(const std::string& directory);

}  // namespace luwnd::posix
