// Texts arrive as 8-bit bytes. On Linux they are UTF-8; a byte that does not start or
// continue a valid UTF-8 sequence is taken as a Latin-1 character, so that any bytes
// give a valid UTF-8 text. A NUL byte ends the text.
#pragma once

#include <string>
#include <string_view>

namespace luwnd::render {

std::string utf8_from_bytes(std::string_view bytes);

}  // namespace luwnd::render
