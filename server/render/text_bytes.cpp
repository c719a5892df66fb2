#include "text_bytes.h"

#include <cstdint>

namespace luwnd::render {
namespace {

void append_latin1(std::string& out, unsigned char byte) {
    if (byte < 0x80) {
        out += static_cast<char>(byte);
        return;
    }
    out += static_cast<char>(0xC0 | (byte >> 6));
    out += static_cast<char>(0x80 | (byte & 0x3F));
}

bool continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence at i (no overlong forms, no surrogates, at most
// U+10FFFF), or 0 when there is none.
std::size_t sequence_length(std::string_view s, std::size_t i) {
    auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t length = b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC2 ? 2 : 0;
    if (b0 >= 0xF5 || length == 0 || i + length > s.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if (!continuation(static_cast<unsigned char>(s[i + k]))) return 0;
    }
    auto b1 = static_cast<unsigned char>(s[i + 1]);
    if (b0 == 0xE0 && b1 < 0xA0) return 0;   // overlong
    if (b0 == 0xED && b1 >= 0xA0) return 0;  // surrogate
    if (b0 == 0xF0 && b1 < 0x90) return 0;   // overlong
    if (b0 == 0xF4 && b1 >= 0x90) return 0;  // above U+10FFFF
    return length;
}

}  // namespace

std::string utf8_from_bytes(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == 0) break;  // a text ends at its NUL
        std::size_t length = byte < 0x80 ? 1 : sequence_length(bytes, i);
        if (length == 0) {
            append_latin1(out, byte);
            ++i;
            continue;
        }
        out.append(bytes.substr(i, length));
        i += length;
    }
    return out;
}

}  // namespace luwnd::render
