// Writing a page image to a PNG file with the system's own encoder (GDI+).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "page_image.h"

namespace luwnd::render {

// The PNG file's bytes; false (with a reason in error) when they could not be made.
bool encode_png(const PageImage& image, std::vector<std::uint8_t>& png, std::string& error);
// False (with a reason in error) when the file could not be written. The path is in the
// ANSI code page. For tools and tests, which write where they like; the window process
// makes its files itself (see server/host/win32/picture_new_file.h).
bool write_png(const PageImage& image, const std::string& path, std::string& error);

}  // namespace luwnd::render
