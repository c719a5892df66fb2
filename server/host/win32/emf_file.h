// A window's picture as an enhanced metafile: the same GDI calls that draw the page on
// the screen, recorded, so that lines, figures and texts stay vectors and texts stay text.
#pragma once

#include <string>

#include "server/render/picture.h"

namespace luwnd::win32 {

// False (with a reason in error) when the file could not be written. The path and the
// title the file's description carries are in the ANSI code page.
bool write_emf(const render::Picture& picture, const std::string& title, const std::string& path,
               std::string& error);

}  // namespace luwnd::win32
