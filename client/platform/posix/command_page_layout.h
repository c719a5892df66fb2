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
//
// Posted commands. A move, a line or an erase ('A' 11, 'A' 20, 'B' 4) is answered with its
// window's number whenever the window process takes it, so the client need not wait for that
// answer: it posts the command, with its three slot values, into a ring after the
// command area and goes on. The window process handles the posted commands in order, each
// exactly as if it had come alone with those slots, and always before the next command
// that waits for its answer, so the trace, the pictures and every answer a program reads
// are the same. Two things keep the foreseen answer true:
//   - room: with each answer the window process grants how many commands may be posted
//     before the next answer (what the display lists can still take); the client posts no
//     more than that;
//   - a fault word: a posted command answered otherwise (a window the user closed, one
//     another program closed) sets it, and from then on the client delivers its commands
//     and waits, so that the next one brings the true answer; the next answer clears it.
// The client waits for room in the ring as it waits for an answer. A client that hangs up
// has its posted commands handled first.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace lumora::page {

inline constexpr std::uint32_t kPageRequestTag = 0x4C755047u;  // asks for a page
// Changes with the layout, so that a client and a window process of different layouts
// stay on datagrams.
inline constexpr std::uint32_t kMagic = 0x4C754352u;

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
inline constexpr std::size_t kCommandSpace = 4096 - kCommand;

// The ring of posted commands; head and tail count entries from 0 and wrap at 2^32. Each
// side's words have a cache line of their own, so that posting reads nothing the window
// process writes while it handles the ring, until the ring is full.
inline constexpr std::size_t kRingHead = 4096;   // client: entries posted
inline constexpr std::size_t kRingTail = 4160;   // window process: entries handled
inline constexpr std::size_t kRingFault = 4224;  // window process: 1 after a foreseen answer failed
inline constexpr std::size_t kRingRoom = 4228;   // window process: may post after this answer
inline constexpr std::size_t kRingEntries = 4288;
// An entry: the command letter, the window character, two zero bytes, the three slots.
inline constexpr std::size_t kEntrySize = 16;
inline constexpr std::uint32_t kRingCapacity = 2048;
inline constexpr std::size_t kPageSize = kRingEntries + kRingCapacity * kEntrySize;

// A one-byte datagram is a doorbell; every request datagram is at least four bytes.
inline constexpr std::size_t kDoorbellSize = 1;

inline std::atomic_ref<std::uint32_t> word(void* page, std::size_t offset) {
    return std::atomic_ref<std::uint32_t>(
        *reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(page) + offset));
}

}  // namespace lumora::page
