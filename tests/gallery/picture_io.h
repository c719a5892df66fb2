// The platform's canvas for the gallery: Cairo natively, GDI on Windows. Each build
// compares against the references of its own canvas.
#pragma once

#include <string>

#include "image.h"
#include "server/render/picture.h"

namespace lumora::gallery {

// "cairo" or "gdi": the reference folder of this build.
const char* canvas_name();
// The picture drawn the way the window process draws it.
Image render(const luwnd::render::Picture& picture);
// Writes the picture as PNG with the window process's own writer; false with a reason.
bool write_reference(const luwnd::render::Picture& picture, const std::string& path,
                     std::string& error);
// A PNG file's pixels; an empty image when it cannot be read.
Image read_png_image(const std::string& path);
// False when the file could not be written.
bool write_png_image(const Image& image, const std::string& path);

}  // namespace lumora::gallery
