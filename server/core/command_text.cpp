#include "command_text.h"

#include <cstring>

namespace luwnd {
namespace {

// Reads one field "-?digits" and its separator at pos and advances pos past the separator.
bool read_field(std::string_view text, char separator, std::size_t& pos, std::int32_t& value) {
    bool negative = pos < text.size() && text[pos] == '-';
    if (negative) ++pos;
    std::int64_t magnitude = 0;
    std::size_t digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > 2147483648LL) return false;
        ++pos;
        ++digits;
    }
    if (digits == 0 || pos >= text.size() || text[pos] != separator) return false;
    ++pos;
    std::int64_t signed_value = negative ? -magnitude : magnitude;
    if (signed_value > INT32_MAX) return false;
    value = static_cast<std::int32_t>(signed_value);
    return true;
}

}  // namespace

std::optional<std::string_view> terminated_text(const std::uint8_t* data, std::size_t length) {
    if (data == nullptr) return std::nullopt;
    const void* nul = std::memchr(data, 0, length);
    if (nul == nullptr) return std::nullopt;
    auto size = static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - data);
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

bool parse_list(std::string_view text, char separator, std::int32_t* values, int count,
                std::string_view* rest) {
    std::size_t pos = 0;
    for (int i = 0; i < count; ++i) {
        if (!read_field(text, separator, pos, values[i])) return false;
    }
    if (rest != nullptr) *rest = text.substr(pos);
    return true;
}

bool parse_fields(std::string_view text, std::int32_t* values, int count, std::string_view* rest) {
    if (text.size() < 2 || text[1] != ',') return false;
    return parse_list(text.substr(2), ',', values, count, rest);
}

}  // namespace luwnd
