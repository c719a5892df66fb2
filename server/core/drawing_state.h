// The drawing-state words of a window block that the window process keeps current:
// page size, unit length and the device origin of the viewport's lower left corner.
#pragma once

#include <cstdint>

#include "window_state.h"

namespace luwnd {

// Fills a fresh block: a width x height page, the unit its shorter side, the viewport the
// whole page in normalized units, a world window equal to the viewport, no pen position.
void init_drawing_state(std::uint8_t* block, int width, int height);

// Takes the page size from a block filled by init_drawing_state, with fonts of a thirtieth
// of the page height.
void init_window_state(WindowState& state, const std::uint8_t* block);

// Writes the window's page size and unit (its shorter side) back into the block, so that
// the window process's words stay its own whatever a client wrote there.
void write_page_words(const WindowState& state, std::uint8_t* block);

// Recomputes origin_x and origin_y from the viewport, unit and page height.
void update_origin(std::uint8_t* block);

// Rounds to the nearest device unit; NaN and values outside 32 bits give INT32_MIN.
std::int32_t to_device(double value);

}  // namespace luwnd
