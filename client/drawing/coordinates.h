// World-to-device conversion and its inverse, read from a window block's drawing state.
//
// All arithmetic is single precision on the block's 32-bit words, in the order written
// in each function, so results agree bit for bit with the window process's view.
#pragma once

#include <cstdint>

namespace lumora {

// The current window's block, or nullptr before any window is open.
std::uint8_t* current_window_block();

bool is_pixel_mode(const std::uint8_t* block);

// Point conversion: device x and y of a world coordinate.
std::int32_t device_x(const std::uint8_t* block, float x);
std::int32_t device_y(const std::uint8_t* block, float y);

// Length conversion with the magnitude of the x or y scale.
std::int32_t device_width(const std::uint8_t* block, float width);
std::int32_t device_height(const std::uint8_t* block, float height);

// Inverse point conversion of device coordinates back to world coordinates.
float world_x(const std::uint8_t* block, std::int32_t x);
float world_y(const std::uint8_t* block, std::int32_t y);

// Recomputes x_scale and y_scale from the viewport, unit and world window; both 0 in
// pixel mode.
void update_scales(std::uint8_t* block);

}  // namespace lumora
