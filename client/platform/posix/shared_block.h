// Shared blocks made by the window process as files in the runtime directory, opened
// and mapped whole.
#pragma once

#include "../platform.h"

namespace lumora::platform::posix {

// Maps the named block for reading and writing. Only a non-empty regular file owned by this
// user and closed to everyone else is accepted. On failure returns {} and sets error.
MappedView map_shared_block(const char* name, int& error);

// Unmaps a view from map_shared_block; false (and error set) on failure.
bool unmap_shared_block(const MappedView& view, int& error);

}  // namespace lumora::platform::posix
