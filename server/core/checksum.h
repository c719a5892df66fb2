// A checksum of received data for the trace, so a test can tell that an array arrived
// intact without the trace holding the array itself.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace luwnd {

// FNV-1a, 32 bits, as eight lower-case hex digits.
inline std::string fnv1a_hex(const std::vector<std::uint8_t>& bytes) {
    std::uint32_t hash = 2166136261u;
    for (std::uint8_t b : bytes) hash = (hash ^ b) * 16777619u;
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(hash));
    return text;
}

}  // namespace luwnd
