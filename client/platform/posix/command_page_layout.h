// The command page: the fast lane for commands between one client and its window process.
//
// Design. The socket connection stays what it was: it is made first, the peer's
// credentials are checked on it, and its hang-up is how either side learns that the other
// has gone. Right after connecting, the client asks for a page with one request datagram
// whose tag is kPageRequestTag (never a command tag, so the core never sees it). The window
// process creates an anonymous memory file of kPageSize bytes, mode 0600, its size sealed,
// and passes its descriptor back with SCM_RIGHTS beside a result of 1; the client checks
// owner, mode, size and seal as it does for the blocks, maps it, and from then on sends
// every command through it. Nothing is named, so nothing is left behind by a crash.
// A window process that cannot make a page answers 0 and the connection stays on datagrams.
//
// One command: the client writes tag, length and bytes, then bumps the request sequence.
// The window process sees the new sequence, copies the bytes out (it trusts nothing in the
// page), handles the command exactly as one from a datagram, writes the result and sets
// the answer sequence to the request's. Neither side makes a system call for this as long
// as the other is awake and spinning: each spins for a bounded, adaptive while (see
// adaptive_spin.h) before it sleeps. What the window process does after a command for
// its pictures waits until the answer is out, unless the client may look for a picture
// file as soon as it is answered (a window closed, the quit).
//
// Sleeping uses the socket as the doorbell, so that one poll() covers the page, the other
// side's hang-up and, in the window process, the display and every other client. A side
// that goes to sleep first sets its waiting word and then looks at the sequence once more;
// the other side, after publishing a sequence, looks at the waiting word and rings (one
// byte datagram) only when it is set. Both use sequentially consistent operations on the
// two words, so at least one of them sees the other and no wake-up is lost. A doorbell that
// arrives for nothing is read and dropped. Idle, both sides sleep in poll() and use no CPU.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace lumora::page {

inline constexpr std::size_t kPageSize = 4096;
inline constexpr std::uint32_t kPageRequestTag = 0x4C755047u;  // asks for a page
// Changes with the layout, so that a client and a window process of different layouts
// stay on datagrams.
inline constexpr std::uint32_t kMagic = 0x4C754351u;

// Word offsets; every word is a naturally aligned 32-bit value.
inline constexpr std::size_t kMagicWord = 0;
inline constexpr std::size_t kRequest = 4;         // client: sequence of the latest command
inline constexpr std::size_t kAnswer = 8;          // window process: sequence answered
inline constexpr std::size_t kServerWaiting = 12;  // window process: 1 while asleep
inline constexpr std::size_t kClientWaiting = 16;  // client: 1 while asleep
inline constexpr std::size_t kTag = 20;
inline constexpr std::size_t kLength = 24;
inline constexpr std::size_t kResult = 28;
// The command follows the words at once: a slot command and its sequence then travel in
// one cache line, which is what a round trip between two cores costs.
inline constexpr std::size_t kCommand = 32;
inline constexpr std::size_t kCommandSpace = kPageSize - kCommand;

// A one-byte datagram is a doorbell; every request datagram is at least four bytes.
inline constexpr std::size_t kDoorbellSize = 1;

inline std::atomic_ref<std::uint32_t> word(void* page, std::size_t offset) {
    return std::atomic_ref<std::uint32_t>(
        *reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(page) + offset));
}

}  // namespace lumora::page
