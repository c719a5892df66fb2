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

}  // namespace luwnd
