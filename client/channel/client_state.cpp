#include "client_state.h"

namespace lumora {
namespace {
ClientState g_state;
}

ClientState& client_state() {
    return g_state;
}

void reset_client_state() {
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
