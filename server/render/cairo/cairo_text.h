// The Pango layout a text is drawn with: the face (with fontconfig's fallback), the em
// height in pixels, the style bits, unhinted metrics so that sizes scale smoothly. The
// angle and the alignment are applied where the layout is drawn.
#pragma once

#include <pango/pangocairo.h>

#include <string>

#include "server/render/canvas.h"

namespace luwnd::render {

// A new layout of the UTF-8 text on the context; the caller unrefs it.
PangoLayout* text_layout(cairo_t* cr, const std::string& utf8, const TextStyle& style);

}  // namespace luwnd::render
