// Numbers in a caller's printf-like format, checked before use: axis numbers, contour
// labels and colour-bar numbers that a program wants in its own form ("%.2f", "%g V").
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ticks.h"

namespace lumora::plotcore {

inline constexpr std::size_t kMaxFormatBytes = 64;

// The formats of a frame's numbers; empty: chosen by the axis. time is a time axis's
// (time_format.h).
struct NumberFormats {
    std::string x, y, time;
    bool operator==(const NumberFormats&) const = default;
};

// Why a number format cannot be used; empty when it can. A format is text with exactly one
// conversion %[flags][width][.precision]type: flags - + space # 0, width and precision up
// to 40, type f F e E g G, or d for the value rounded to a whole number (no precision);
// %% is a percent sign. At most kMaxFormatBytes bytes.
std::string number_format_problem(std::string_view format);

// v as a message shows it: %g, and NaN, infinity and -infinity spelt the same everywhere.
std::string message_number(double v);

// v in a format that number_format_problem accepts. A value that the format rounds to
// zero prints as zero, without a minus sign.
std::string format_number(const std::string& format, double v);

// The labels of ticks anew in the format: their values, or on a log axis (log10 values)
// the powers of ten; no common exponent.
void format_tick_labels(Ticks& t, const std::string& format, bool log);

}  // namespace lumora::plotcore
