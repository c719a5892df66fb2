// Writing a window's picture as SVG: Cairo's drawing, with the text layer (see
// svg_text_layer.h) put in last, so that it lies above everything drawn.
#pragma once

#include <string>

#include "server/render/picture.h"

namespace luwnd::render {

// False (with a reason in error) when the file could not be written.
bool write_svg(const Picture& picture, int width, int height, const std::string& path,
               std::string& error);

}  // namespace luwnd::render
