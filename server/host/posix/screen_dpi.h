// The resolution of the X screen, so that windows on a dense screen get pages large
// enough to read.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>

namespace luwnd::posix {

inline constexpr std::int32_t kDefaultDpi = 96;

// From the Xft.dpi resource when it is set (what desktops set for scaling), else from the
// screen's size in pixels and millimetres; rounded and kept within 72 .. 480. 96 when
// neither says anything usable.
std::int32_t screen_dpi(Display* display);

// The same decision from the values themselves: xft_dpi is the resource text or nullptr.
std::int32_t dpi_from(const char* xft_dpi, int width_pixels, int width_mm);

}  // namespace luwnd::posix
