// Writing a window's picture as SVG: Cairo's drawing, with the text layer (see
// svg_text_layer.h) put in last, so that it lies above everything drawn.
#pragma once

#include <cstdio>
#include <string>

#include "server/render/picture.h"

namespace luwnd::render {

// Writes into the open file; false (with a reason in error) when it could not be written.
bool write_svg(const Picture& picture, int width, int height, std::FILE* file, std::string& error);

}  // namespace luwnd::render
