// The text area of a window block read as a text: up to its first NUL, and never past the
// 2048 bytes of the area when the client left no NUL there.
#pragma once

#include <cstdint>
#include <string_view>

namespace luwnd {

std::string_view block_text(const std::uint8_t* block);

}  // namespace luwnd
