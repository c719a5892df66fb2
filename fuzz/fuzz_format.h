// The input format of the luwnd fuzz targets: a session of a client with the window
// process, so that state builds up over many commands as it does for a real client.
//
//   byte 0      flags: 1 windows are joinable after 'L' 0, 2 the process ends after a quit,
//               4 display lists hold only 64 items, 8 every command is traced (to
//               /dev/null)
//   byte 1      n: the length of the command-line options (n % 32), then n bytes of them
//   then operations until the input ends; an operation is one byte (its value % 13 picks
//   it) and its operands. Numbers are little-endian; an operand cut off by the end of the
//   input reads as zeros or as fewer bytes.
//
//   0 send     len:u8, len bytes            one command with tag 1, exactly these bytes
//   1 slot     letter:u8, w:u8, p1 p2 p3:i32 writes the slots of window w % 64 (when open)
//                                           and sends "<letter><w % 64 + 32>\0"
//   2 poke     w:u8, off:u16, len:u8, bytes writes the bytes into the block of window
//                                           w % 64 (0: the process block) at off, cut at the
//                                           block's end
//   3 text     w:u8, len:u16, bytes         the text area of window w % 64 gets len % 2049
//                                           bytes and a NUL (none after 2048 bytes)
//   4 words    w:u8, i:u8, k:u8, k x i32    header words i % 64, i % 64 + 1, ... (k % 16
//                                           of them, up to word 63) of window w % 64
//   5 tagged   tag:u32, len:u8, len bytes   one command with that tag
//   6 gone     -                            the client went away without 'L'
//   7 paint    -                            paints every window's picture now (the target
//                                           also paints them all when the input ends)
//   8 file     len:u16, bytes               the harness's data file gets len % 8192 bytes
//   9 resize   w:u8, width:i32, height:i32  the user resized window w % 64 on screen
//   10 close   w:u8                         the user closed window w % 64 on screen
//   11 image   w:u8, format:u8, smooth:u8,  a picture to window w % 64 ('B' 60 .. 62):
//              width:u8, height:u8,         the header (format % 4, smooth % 3, the
//              x1 y1 x2 y2:i32, colours:u8, corners, colours colour values k * 0x010101
//              then the pixel bytes         | 0x02000000, k = 0, 1, ...) and 'B' 60 with
//                                           width and height, the bytes the picture
//                                           takes (fewer when the input ends) in
//                                           chunks of 2048 with 'B' 61, then 'B' 62
//   12 posted  letter:u8, wc:u8, p1 p2 p3:i32 a command posted through the command page's
//                                           ring: letter and window character wc as they
//                                           are, the slots in the entry
//
// The connection id published in the header line is kConnectionId ("K,4711,..."). A data
// file command ('B' 11) always reads the harness's own data file: the harness writes that
// file's path into the text area first, so that no input reads other files.
#pragma once

#include <cstddef>
#include <cstdint>

namespace luwnd::fuzz {

enum class Op : std::uint8_t {
    kSend = 0,
    kSlot = 1,
    kPoke = 2,
    kText = 3,
    kWords = 4,
    kTagged = 5,
    kGone = 6,
    kPaint = 7,
    kFile = 8,
    kResize = 9,
    kClose = 10,
    kImage = 11,
    kPosted = 12,
};
inline constexpr std::uint8_t kOpCount = 13;

inline constexpr std::uint8_t kFlagJoinable = 1;
inline constexpr std::uint8_t kFlagEndsAfterQuit = 2;
inline constexpr std::uint8_t kFlagSmallLists = 4;
inline constexpr std::uint8_t kFlagTrace = 8;

inline constexpr int kConnectionId = 4711;
inline constexpr std::size_t kMaxOptions = 32;
inline constexpr std::size_t kSmallListItems = 64;
inline constexpr std::size_t kMaxDataFile = 8192;
inline constexpr int kWindowSlots = 64;

}  // namespace luwnd::fuzz
