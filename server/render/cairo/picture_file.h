// Writing a window's picture to a PNG, SVG or PDF file, and drawing it into an image.
#pragma once

#include <cairo.h>

#include <cstdio>
#include <string>

#include "server/render/output_target.h"
#include "server/render/picture.h"

namespace luwnd::render {

// Largest page side drawn; larger pages are drawn at this size.
inline constexpr int kMaxPageSide = 16384;

// A new RGB image of the picture's page size with the picture drawn; the caller destroys it.
cairo_surface_t* render_image(const Picture& picture);
// Writes the picture into the open file; false (with a reason in error) when it could not
// be written.
bool write_picture(const Picture& picture, std::FILE* file, PictureFormat format,
                   std::string& error);
// The same into a file made or replaced at path, for tools and tests; the window process
// makes its files itself (see server/host/posix/picture_new_file.h).
bool write_picture(const Picture& picture, const std::string& path, PictureFormat format,
                   std::string& error);

}  // namespace luwnd::render
