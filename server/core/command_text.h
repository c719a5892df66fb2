// Reading the comma forms of commands: "K,7,<texts>", "I,0,0,0,-1,-1,-1,<title>", "L,1,".
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace luwnd {

// The text before the first NUL of the data, or nothing when the data holds no NUL.
std::optional<std::string_view> terminated_text(const std::uint8_t* data, std::size_t length);

// Reads `count` decimal fields from the start of the text, each ended by the separator;
// rest receives what follows. False when the text does not have that shape.
bool parse_list(std::string_view text, char separator, std::int32_t* values, int count,
                std::string_view* rest);

// Reads `count` decimal fields that follow the letter and its comma, each ended by a comma,
// into values; rest receives everything after the last of those commas. False when the
// text does not have that shape or a field does not fit 32 bits.
bool parse_fields(std::string_view text, std::int32_t* values, int count, std::string_view* rest);

}  // namespace luwnd
