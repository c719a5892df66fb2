#include "ansi_text.h"

namespace luwnd::render {

std::string ansi_bytes(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        bool latin1 = (lead == 0xC2 || lead == 0xC3) && (next & 0xC0) == 0x80;
        if (!latin1) {
            out += utf8[i];
            continue;
        }
        out += static_cast<char>(((lead & 0x03) << 6) | (next & 0x3F));
        ++i;
    }
    return out;
}

}  // namespace luwnd::render
