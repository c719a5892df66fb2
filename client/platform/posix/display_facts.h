// The screen and the system colours, for a client that has no window process yet.
#pragma once

#include <cstdint>

namespace lumora::platform::posix {

// The size of the default screen of the X display named by DISPLAY. False without a
// display, or when the X library is not installed: it is loaded only when needed.
bool x_screen_size(int& width, int& height);

// The colours of the classic Windows scheme for system colour indices 0 ... 20, so that
// programs see the same values everywhere; 0 for any other index.
std::uint32_t classic_system_colour(int index);

}  // namespace lumora::platform::posix
