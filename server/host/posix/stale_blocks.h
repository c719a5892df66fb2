// Blocks in shared memory that window processes killed outright left behind, under any
// token of ours: a token can change once its directory went, and the blocks made under
// the old one would otherwise stay for good.
#pragma once

namespace luwnd::posix {

// Removes our process blocks whose owner has ended, then our window blocks whose process
// block is gone. Blocks of live processes stay. Other users' objects are never touched.
void remove_stale_blocks();

}  // namespace luwnd::posix
