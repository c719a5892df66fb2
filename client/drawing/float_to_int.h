// The one conversion from a real to a 32-bit integer used by every coordinate path.
#pragma once

#include <cstdint>

namespace lumora {

// Truncates toward zero. NaN and values outside the 32-bit range give INT32_MIN, the
// value the processor's own truncating conversion produces, so no input is undefined.
// A float argument converts to double exactly, so both kinds of real go through here.
std::int32_t truncate_to_int(double value);

}  // namespace lumora
