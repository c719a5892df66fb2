#include "client_state.h"

#include "block_ops.h"

namespace lumora {
namespace {
ClientState g_state;
}

ClientState& client_state() {
    return g_state;
}

// What the layers above keep beside the blocks (the plot blocks) goes with them: a state
// made afresh could otherwise find a block at the address of one it forgot and take what
// was kept for that one as its own.
void reset_client_state() {
    window_released(0);
    g_state = ClientState{};
}

BlockTable& block_table() {
    return g_state.table;
}

std::uint8_t* window_block(int window) {
    if (window < 1 || window > layout::kMaxWindows) return nullptr;
    return g_state.table.blocks[window].data;
}

}  // namespace lumora
