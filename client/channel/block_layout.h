// Byte layout of the shared blocks, and the accessors that read and write them.
//
// Both sides of the exchange use these offsets. Fields are 32-bit little-endian words;
// they are always read and written through the accessors below, never through a struct
// laid over the block, so the layout is exactly the one written here on every compiler.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace lumora::layout {

inline constexpr char kBlockPrefix[] = "LuWnd";
inline constexpr int kMaxProcesses = 16;
inline constexpr int kMaxWindows = 63;
inline constexpr int kTableSize = 64;

// WindowBlock fields (byte offsets).
inline constexpr std::size_t kXScale = 0;
inline constexpr std::size_t kYScale = 4;
inline constexpr std::size_t kWorldX1 = 8;
inline constexpr std::size_t kWorldY1 = 12;
inline constexpr std::size_t kWorldX2 = 16;
inline constexpr std::size_t kWorldY2 = 20;
inline constexpr std::size_t kViewX1 = 24;
inline constexpr std::size_t kViewY1 = 28;
inline constexpr std::size_t kViewX2 = 32;
inline constexpr std::size_t kViewY2 = 36;
inline constexpr std::size_t kPageWidth = 40;
inline constexpr std::size_t kPageHeight = 44;
inline constexpr std::size_t kUnitLength = 48;
inline constexpr std::size_t kPixelMode = 52;
inline constexpr std::size_t kOriginX = 56;
inline constexpr std::size_t kOriginY = 60;
inline constexpr std::size_t kPenX = 68;
inline constexpr std::size_t kPenY = 72;
inline constexpr std::size_t kChanged = 76;
inline constexpr std::size_t kFillRule = 80;
inline constexpr std::size_t kPenStyle = 92;
inline constexpr std::size_t kPenWidth = 96;
inline constexpr std::size_t kPenColour = 100;
inline constexpr std::size_t kPenMix = 104;
inline constexpr std::size_t kMarkerType = 140;
inline constexpr std::size_t kMarkerSize = 144;
inline constexpr std::size_t kMarkerAttr1 = 148;
inline constexpr std::size_t kMarkerAttr2 = 152;
inline constexpr std::size_t kMarkerAttr3 = 156;
inline constexpr std::size_t kFontAngle = 160;
inline constexpr std::size_t kFontSize = 164;
inline constexpr std::size_t kFontAlign = 168;
inline constexpr std::size_t kFontAttr4 = 172;
inline constexpr std::size_t kFontAttr5 = 176;
inline constexpr std::size_t kFont2Angle = 180;
inline constexpr std::size_t kFont2Attr2 = 184;
inline constexpr std::size_t kFont2Size = 188;
inline constexpr std::size_t kFont2Align = 192;
inline constexpr std::size_t kFont2Attr4 = 196;
inline constexpr std::size_t kFont2Attr5 = 200;
inline constexpr std::size_t kParam1 = 224;
inline constexpr std::size_t kParam2 = 228;
inline constexpr std::size_t kParam3 = 232;
inline constexpr std::size_t kResult1 = 240;
inline constexpr std::size_t kResult2 = 244;
inline constexpr std::size_t kResult3 = 248;
inline constexpr std::size_t kResult4 = 252;
inline constexpr std::size_t kText = 256;

inline constexpr std::size_t kHeaderSize = 256;
inline constexpr std::size_t kTextSize = 2048;
inline constexpr std::size_t kWindowBlockSize = kHeaderSize + kTextSize;  // 2304

// The ProcessBlock is text only; this is the size our window process gives it.
inline constexpr std::size_t kProcessBlockSize = 4096;

// Bits of the `changed` word.
inline constexpr std::int32_t kChangedPenStyle = 0x1;
inline constexpr std::int32_t kChangedPenWidth = 0x2;
inline constexpr std::int32_t kChangedPenColour = 0x4;
inline constexpr std::int32_t kChangedPenMix = 0x8;
inline constexpr std::int32_t kChangedMarkerType = 0x80;
inline constexpr std::int32_t kChangedMarkerSize = 0x100;
inline constexpr std::int32_t kChangedMarkerAttr1 = 0x200;
inline constexpr std::int32_t kChangedMarkerAttr2 = 0x400;
inline constexpr std::int32_t kChangedMarkerAttr3 = 0x800;

inline std::int32_t read_i32(const std::uint8_t* block, std::size_t offset) {
    const std::uint8_t* p = block + offset;
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

inline void write_i32(std::uint8_t* block, std::size_t offset, std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    std::uint8_t* p = block + offset;
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

inline float read_f32(const std::uint8_t* block, std::size_t offset) {
    auto bits = static_cast<std::uint32_t>(read_i32(block, offset));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void write_f32(std::uint8_t* block, std::size_t offset, float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    write_i32(block, offset, static_cast<std::int32_t>(bits));
}

// A double in two words, the low one first.
inline double read_f64(const std::uint8_t* block, std::size_t offset) {
    const std::uint64_t bits =
        static_cast<std::uint32_t>(read_i32(block, offset)) |
        std::uint64_t{static_cast<std::uint32_t>(read_i32(block, offset + 4))} << 32;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void write_f64(std::uint8_t* block, std::size_t offset, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    write_i32(block, offset, static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)));
    write_i32(block, offset + 4, static_cast<std::int32_t>(static_cast<std::uint32_t>(bits >> 32)));
}

// Window character of a command: the window number plus 32.
inline constexpr char window_char(int window) {
    return static_cast<char>(window + 32);
}

}  // namespace lumora::layout
