// The process draws in real screen pixels: without this Windows would scale its windows
// up as bitmaps on a dense screen, and the pictures would blur.
#pragma once

#include <cstdint>

namespace luwnd::win32 {

// Declares the process aware of the system's resolution (before any window is made) and
// returns that resolution in dots per inch (96 when the screen does not say).
std::int32_t become_dpi_aware();

}  // namespace luwnd::win32
