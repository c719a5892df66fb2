#include "array_chunks.h"

#include "client/channel/primitives.h"

namespace lumora {
namespace {

constexpr std::int32_t kChunk = 36;
constexpr std::int32_t kComplete = 37;
constexpr std::int32_t kAbandon = 38;

}  // namespace

int complete_chunks(int window) {
    command_with_int(window, 'B', kComplete);
    return window;
}

int abandon_chunks(int window) {
    command_with_int(window, 'B', kAbandon);
    return 0;
}

bool send_chunk(int window, std::int64_t sent, std::int64_t values) {
    // The slots are 32-bit words; an array too large for them wraps (C++20 conversions
    // are modular), and the window process refuses such a size at the announce anyway.
    const auto offset = static_cast<std::int32_t>(4 * sent);
    const auto length = static_cast<std::int32_t>(4 * values);
    return command_with_3int(window, 'B', kChunk, offset, length) != 0;
}

}  // namespace lumora
