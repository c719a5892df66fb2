// Texts reach the canvas as UTF-8 made from the bytes the client sent: valid UTF-8
// sequences kept, every other byte taken as a Latin-1 character. GDI reads the bytes in
// the ANSI code page of the machine (Shift-JIS under code page 932), so the canvas turns
// the text back into bytes: a character up to U+00FF becomes that byte, any other keeps
// its UTF-8 bytes. Bytes that happened to form a valid two-byte UTF-8 sequence of a
// character U+0080 .. U+00FF come back as that single byte.
#pragma once

#include <string>
#include <string_view>

namespace luwnd::render {

std::string ansi_bytes(std::string_view utf8);

}  // namespace luwnd::render
