#include "block_text.h"

#include <cstring>

#include "client/channel/block_layout.h"

namespace luwnd {

namespace layout = lumora::layout;

std::string_view block_text(const std::uint8_t* block) {
    const char* text = reinterpret_cast<const char*>(block + layout::kText);
    const void* nul = std::memchr(text, 0, layout::kTextSize);
    std::size_t size = nul == nullptr
                           ? layout::kTextSize
                           : static_cast<std::size_t>(static_cast<const char*>(nul) - text);
    return std::string_view(text, size);
}

std::string_view put_reply_text(std::uint8_t* block, std::string_view text) {
    text = text.substr(0, layout::kTextSize - 1);
    std::memmove(block + layout::kText, text.data(), text.size());
    block[layout::kText + text.size()] = 0;
    return std::string_view(reinterpret_cast<const char*>(block + layout::kText), text.size());
}

}  // namespace luwnd
