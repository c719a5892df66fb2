// The attribute command 'A' 6: the pen and marker words whose bits are set in the block's
// change mask are taken into the window's applied copy. The client only ever sets bits, so
// a set bit means "given at some time"; the applied copy decides what really changed.
#pragma once

#include <cstdint>

#include "colour_table.h"
#include "drawing_attributes.h"

namespace luwnd {

// Applies the marked words that are valid (style 0..9, width 0..kMaxDeviceLength, a colour
// value that names a colour, mix 0..31, marker type 0..6, size 0..kMaxDeviceLength, third
// and fourth value anything, fifth value >= 0). Returns the change-mask bits of the fields
// whose applied value changed. The block is only read.
std::int32_t apply_attribute_mask(const std::uint8_t* block, const ColourTable& colours,
                                  PenState& pen, MarkerState& marker);

}  // namespace luwnd
