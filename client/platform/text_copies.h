// The two ways the platform hands a text back into a caller's buffer, shared by the
// backends that produce the text themselves.
#pragma once

#include <cstdint>
#include <cstring>

namespace lumora::platform {

// Copies value when it fits (returns its length) and otherwise copies nothing and returns
// the size it needs, NUL included: the convention of GetEnvironmentVariableA.
inline std::uint32_t copy_when_it_fits(const char* value, char* buffer, std::uint32_t size) {
    const std::size_t length = std::strlen(value);
    if (buffer == nullptr || length >= size) return static_cast<std::uint32_t>(length + 1);
    std::memcpy(buffer, value, length + 1);
    return static_cast<std::uint32_t>(length);
}

// Copies as much of value as fits with a NUL; returns its length, or size when it was cut:
// the convention of GetModuleFileNameA.
inline std::uint32_t copy_cut_to_fit(const char* value, char* buffer, std::uint32_t size) {
    if (buffer == nullptr || size == 0) return 0;
    const std::size_t length = std::strlen(value);
    const std::size_t kept = length < size ? length : size - 1;
    std::memcpy(buffer, value, kept);
    buffer[kept] = '\0';
    return length < size ? static_cast<std::uint32_t>(length) : size;
}

}  // namespace lumora::platform
