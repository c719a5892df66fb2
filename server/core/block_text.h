// The text area of a window block read as a text: up to its first NUL, and never past the
// 2048 bytes of the area when the client left no NUL there.
#pragma once

#include <cstdint>
#include <string_view>

namespace luwnd {

std::string_view block_text(const std::uint8_t* block);
// Writes a reply text with its NUL into the text area, cut to the 2047 characters the
// area holds; returns what was written.
std::string_view put_reply_text(std::uint8_t* block, std::string_view text);

}  // namespace luwnd
