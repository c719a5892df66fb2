// The GDI font a text is drawn with: a TrueType font of the em height, the angle as
// escapement and orientation, the style bits as weight, italic, underline and strikeout.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "server/render/canvas.h"

namespace luwnd::render {

// A new font; the caller deletes it.
HFONT create_font(const TextStyle& style);

// UTF-8 bytes as UTF-16 for the wide text calls; invalid sequences become U+FFFD.
std::wstring wide_from_utf8(std::string_view bytes);

}  // namespace luwnd::render
