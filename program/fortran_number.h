// Conversion of one list-directed value (the characters between two separators) into an
// integer or a double, with the rules of Fortran numeric constants.
#pragma once

#include <cstdint>
#include <string_view>

namespace lumora::fourier {

enum class NumberStatus { ok, malformed, out_of_range };

// Optional sign and decimal digits; the value must fit in 32 bits.
NumberStatus parse_integer(std::string_view text, std::int32_t& value);

// Optional sign, digits with at most one decimal point, and an optional exponent written
// with E, D or Q (either case) or with a bare sign ("1.5-3"); also INF, INFINITY, NAN and
// NAN(...). Too large a magnitude gives an infinity and too small one a zero, as the
// Fortran run-time does.
NumberStatus parse_real(std::string_view text, double& value);

}  // namespace lumora::fourier
