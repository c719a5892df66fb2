// Delivering command texts to the window process and interpreting its results.
#pragma once

#include <cstdint>

namespace lumora {

// The results that are not ordinary answers.
inline constexpr std::int32_t kNotConnected = INT32_MIN;         // 0x80000000
inline constexpr std::int32_t kEndedAbnormally = INT32_MIN + 1;  // 0x80000001
inline constexpr std::int32_t kQuitRequested = INT32_MIN + 2;    // 0x80000002
inline constexpr std::int32_t kExitRequested = INT32_MIN + 3;    // 0x80000003
inline constexpr std::int32_t kDisconnected = INT32_MIN + 4;     // 0x80000004
inline constexpr std::int32_t kTrue = INT32_MIN + 5;             // 0x80000005
inline constexpr std::int32_t kLowestOrdinaryResult = -32767;
inline constexpr std::uint32_t kCopyDataTag = 1;

// Sends the first length bytes of the command buffer; the raw 32-bit result, whatever
// its value. A window process that has gone, or goes without answering, ends the program,
// except for the quit command 'L': its result is then 0 and the program goes on.
std::int32_t deliver_command(int length);

// Posts slot command letter to the window, its three slots already in the block, where the
// channel takes it without waiting for the answer, which is then the window's number:
// true when posted. A window process that has gone ends the program as for a delivery.
bool post_slot_command(int window, char letter, const std::int32_t (&slots)[3]);

// Acts on the special results; the ordinary result, 0 after a disconnect, 1 for "true".
std::int32_t check_result(std::int32_t raw);

// Formats into the command buffer (bounded) and delivers the text with its NUL. A text
// that does not fit is reported as an overflow and ends the program.
std::int32_t deliver_formatted(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace lumora
