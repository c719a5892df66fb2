// Writing a window's picture to a PNG, SVG or PDF file, and drawing it into an image.
#pragma once

#include <cairo.h>

#include <string>

#include "server/render/output_target.h"
#include "server/render/picture.h"

namespace luwnd::render {

// Largest page side drawn; larger pages are drawn at this size.
inline constexpr int kMaxPageSide = 16384;

// A new RGB image of the picture's page size with the picture drawn; the caller destroys it.
cairo_surface_t* render_image(const Picture& picture);
// False (with a reason in error) when the file could not be written.
bool write_picture(const Picture& picture, const std::string& path, PictureFormat format,
                   std::string& error);

}  // namespace luwnd::render
