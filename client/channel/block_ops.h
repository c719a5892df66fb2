// The four block operations: mapping and unmapping shared blocks, finding an idle window
// process, and releasing what is mapped.
#pragma once

#include <cstddef>

#include "client/platform/platform.h"

namespace lumora {

// Opens and maps the named block; {nullptr, 0} when it cannot.
platform::MappedView map_block(const char* name);
// Unmaps the view while the window process is still there; reports a failure.
void unmap_block(const platform::MappedView& view);
// Connects to the first idle window process LuWnd<first> ... LuWnd16; its id, or 0.
int find_window_process(int first = 1);
// Releases window n's block, or every block when n is not a mapped window number, and
// ends the connection either way.
void release_blocks(int window);
// Makes window n current when 1 <= n <= 63 and its block is mapped; true when it did.
bool make_current(int window);

// Called with the window number whenever a window's block is let go (a close, the end of
// the connection), before the window process hears of it: what a layer above keeps
// beside the block (the plot block) is let go with it; 0 stands for every window (the
// client state is reset). One hook; nullptr for none.
using WindowReleaseHook = void (*)(int window);
void set_window_release_hook(WindowReleaseHook hook);
void window_released(int window);

// The header line of an idle window process: "state,handle,id,version".
struct ProcessHeader {
    int state = -1;
    int handle = 0;
    int id = 0;
    char version[256] = {};
};
// Reads the header from a block that need not hold a NUL; true when all four fields were read.
bool parse_process_header(const unsigned char* text, std::size_t size, ProcessHeader& header);

// Copies the block's text into out (capacity bytes, always terminated), stopping at the
// first NUL or the end of the block.
void read_block_text(const platform::MappedView& view, char* out, std::size_t capacity);

}  // namespace lumora
