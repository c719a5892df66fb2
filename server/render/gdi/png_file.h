// Writing a page image to a PNG file with the system's own encoder (GDI+).
#pragma once

#include <string>

#include "page_image.h"

namespace luwnd::render {

// False (with a reason in error) when the file could not be written. The path is in the
// ANSI code page.
bool write_png(const PageImage& image, const std::string& path, std::string& error);

}  // namespace luwnd::render
