// The default colours of successive data sets.
#pragma once

namespace lumora::plot {

// Colour i of the cycle (any integer, taken modulo its length) as an RGB colour value.
int cycle_colour(int i);
constexpr int kCycleLength = 8;

}  // namespace lumora::plot
