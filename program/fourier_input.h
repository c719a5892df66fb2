// The input routine: asks for N and dt at the console and derives M and T from them.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "char_source.h"

namespace lumora::fourier {

inline constexpr std::string_view kPromptN = "number of data points N (even) = ";
inline constexpr std::string_view kPromptDt = "sampling time dt = ";

struct FourierInput {
    std::int32_t n = 0;  // number of samples
    std::int32_t m = 0;  // highest coefficient index, n / 2
    double dt = 0.0;     // sampling time
    double t = 0.0;      // record length, n * dt
};

struct InputFailure {
    std::string reason;  // e.g. "cannot read N: end of input"
    bool end_of_input = false;
};

// Prompts for and reads N and dt, then sets M and T. A null value ("," or "/") leaves the
// quantity at zero, as list-directed input leaves its item unchanged. Returns why when a
// read fails.
std::optional<InputFailure> read_fourier_input(CharSource& in, std::ostream& out,
                                               FourierInput& input);

}  // namespace lumora::fourier
