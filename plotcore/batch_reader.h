// Decodes a plot batch that arrived from another process; trusts nothing in it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "items.h"

namespace lumora::plotcore {

struct ReadResult {
    bool ok = false;
    Items items;
    std::string error;  // why the batch was refused, for the trace and the tests
};

// The items of the batch, or ok false with the reason when anything in it is out of the
// bounds that batch_format.h gives; max_items bounds the count (a batch of n bytes cannot
// hold more than n / 8 items anyway).
ReadResult read_batch(std::span<const std::uint8_t> bytes, std::size_t max_items = 1u << 20);

}  // namespace lumora::plotcore
