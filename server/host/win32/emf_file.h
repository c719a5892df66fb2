// A window's picture as an enhanced metafile: the same GDI calls that draw the page on
// the screen, recorded, so that lines, figures and texts stay vectors and texts stay text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "server/render/picture.h"

namespace luwnd::win32 {

// The metafile's bytes; false (with a reason in error) when they could not be made. The
// title the file's description carries is in the ANSI code page.
bool emf_bytes(const render::Picture& picture, const std::string& title,
               std::vector<std::uint8_t>& bytes, std::string& error);

}  // namespace luwnd::win32
