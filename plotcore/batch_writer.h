// Encodes drawing items into plot batches (see batch_format.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "byte_writer.h"
#include "items.h"

namespace lumora::plotcore {

// The bytes of one batch holding all the items.
Bytes encode_batch(const Items& items);

// The items in batches of at most max_bytes each, in order. Lines and markers too long
// for one batch are split (a line's pieces share their end points, so it stays joined);
// a clip in force is repeated at the start of each later batch. Returns no batches when
// a polygon alone is larger than max_bytes: a polygon cannot be split.
std::vector<Bytes> encode_batches(const Items& items, std::size_t max_bytes);

// The bytes an item takes in a batch, its header included.
std::size_t encoded_size(const Item& item);

}  // namespace lumora::plotcore
