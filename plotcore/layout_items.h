// The items that say what a part of a batch was laid out from (items.h, LayoutSource):
// their payload sizes, writing and reading (batch_format.h lists their layout).
#pragma once

#include <cstddef>

#include "byte_reader.h"
#include "byte_writer.h"
#include "items.h"

namespace lumora::plotcore {

inline constexpr int kMaxPanelsAcross = 16;
inline constexpr double kSmallestTextScale = 0.25, kLargestTextScale = 4;
inline constexpr double kSmallestResolution = 0.25, kLargestResolution = 25;
inline constexpr int kFrameOptionBits = 0xEDFF;  // the LU_PLOT_ options and kPolarRoom

bool is_layout_kind(ItemKind kind);
std::size_t layout_payload_size(const Item& item);
void write_layout(Writer& w, const Item& item);
// Reads the payload of a layout item of item.kind, `length` bytes (an item of more than one
// form tells them apart by it); a setup that could not be laid out (ranges frame_world
// refuses, panels or scales out of bounds) fails the reader.
void read_layout(Reader& r, Item& item, std::size_t length);

}  // namespace lumora::plotcore
