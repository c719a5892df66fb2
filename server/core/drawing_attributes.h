// The drawing attributes of a window as the window process has applied them. The block
// holds what the client last wrote; these copies change only when a command applies them.
#pragma once

#include <cstdint>
#include <string>

namespace luwnd {

// Largest pen width, marker size and font height taken, in device units.
inline constexpr std::int32_t kMaxDeviceLength = 16384;

struct PenState {
    std::int32_t style = 0;   // 0 .. 9, 0 solid
    std::int32_t width = 0;   // device units, 0 the thinnest line
    std::int32_t colour = 0;  // colour value
    std::int32_t mix = 0;     // 0 .. 31, 0 plain drawing
    bool operator==(const PenState&) const = default;
};

struct MarkerState {
    std::int32_t type = 0;  // 0 .. 6
    std::int32_t size = 0;  // device units
    std::int32_t attr1 = 0, attr2 = 0, attr3 = 0;
    bool operator==(const MarkerState&) const = default;
};

struct FontState {
    std::int32_t angle = 0;  // 1/3600 of a full turn, 0 .. 3599
    std::int32_t size = 16;  // height in device units
    std::int32_t align = 0;  // 0 .. 8
    std::int32_t style = 0;
    std::int32_t colour = 0;  // colour value
    std::string face;         // empty: the renderer's default face
    bool operator==(const FontState&) const = default;
};

// Device transform: x' = (m11·x + m12·y) / 65536 + dx, y' = (m21·x + m22·y) / 65536 + dy.
struct Transform {
    std::int32_t dx = 0, dy = 0;
    std::int32_t m11 = 65536, m12 = 0, m21 = 0, m22 = 65536;
    bool operator==(const Transform&) const = default;
};

// The rectangle of 'A' 8 with its mode 0 .. 4; mode 0 with no corners is the initial state.
struct RectangleMode {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t mode = 0;
    bool operator==(const RectangleMode&) const = default;
};

// Current drawing position in device units; a negative x means there is none.
struct Position {
    std::int32_t x = -1, y = -1;
    bool valid() const { return x >= 0; }
};

}  // namespace luwnd
