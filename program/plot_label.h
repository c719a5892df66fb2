// The label of the upper chart, written as the formatted write "(A,F7.5)" writes it.
#pragma once

#include <string>

namespace lumora::fourier {

inline constexpr int kLabelLength = 80;

// A value in an F7.5 field: rounded to five decimals, right-aligned in seven columns; the
// leading zero is dropped when only that makes it fit, and a value that still does not
// fit fills the field with asterisks.
std::string format_f7_5(double value);

// The 80-character label of the upper chart: the frequency interval after its text.
std::string upper_label(double frequency_interval);
// The 80-character label of the lower chart.
std::string lower_label();

}  // namespace lumora::fourier
