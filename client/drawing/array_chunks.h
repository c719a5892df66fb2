// Sending an array of 32-bit values that are computed while the data area is filled:
// chunks of at most 512 values go through the window's text area with 'B' 36, and the
// transfer ends with 'B' 37 (complete) or 'B' 38 (abandoned). Nothing is allocated; each
// value is written straight into the shared block.
#pragma once

#include <cstdint>

#include "client/channel/block_layout.h"
#include "client/channel/client_state.h"

namespace lumora {

inline constexpr std::int64_t kChunkValues = layout::kTextSize / 4;  // 512

// Ends a transfer with 'B' 37 after its last chunk; the window number.
int complete_chunks(int window);
// Ends a transfer with 'B' 38 after a failed chunk; 0.
int abandon_chunks(int window);
// Sends the chunk of `values` values now in the data area, which follows `sent` values
// of earlier chunks; false when the window process refused it.
bool send_chunk(int window, std::int64_t sent, std::int64_t values);

// Sends `count` values, value i being value_at(block, i), after an announce that
// succeeded. value_at reads the block's drawing state (it is called with the block
// mapped at that moment). Returns the window number, or 0 when a chunk failed.
template <class ValueAt>
int send_computed_values(int window, std::int64_t count, ValueAt value_at) {
    std::int64_t sent = 0;
    while (sent < count) {
        // Looked up per chunk: an answer may have ended the connection and unmapped it.
        std::uint8_t* block = window_block(window);
        if (block == nullptr) return abandon_chunks(window);
        const std::int64_t n = count - sent < kChunkValues ? count - sent : kChunkValues;
        for (std::int64_t j = 0; j < n; ++j) {
            layout::write_i32(block, layout::kText + static_cast<std::size_t>(4 * j),
                              value_at(static_cast<const std::uint8_t*>(block), sent + j));
        }
        if (!send_chunk(window, sent, n)) return abandon_chunks(window);
        sent += n;
    }
    return complete_chunks(window);
}

}  // namespace lumora
