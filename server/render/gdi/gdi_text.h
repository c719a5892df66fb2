// The GDI font a text is drawn with: a TrueType font of the em height, the angle as
// escapement and orientation, the style bits as weight, italic, underline and strikeout.
#pragma once

#include <windows.h>

#include "server/render/canvas.h"

namespace luwnd::render {

// A new font; the caller deletes it.
HFONT create_font(const TextStyle& style);

}  // namespace luwnd::render
