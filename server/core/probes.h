// The four compatibility probes "O,0" .. "O,3": the client sends a binary value after the
// probe text and expects fixed answers when both sides agree on block layout and number
// representation.
#pragma once

#include <cstddef>
#include <cstdint>

namespace luwnd {

struct ProbeAnswer {
    int probe = -1;  // 0..3, or -1 when the data is no probe
    std::int32_t result = 0;
};

// True when the data has the shape of a probe: 'O', ',', a digit, NUL.
bool looks_like_probe(const std::uint8_t* data, std::size_t length);

// Reads the value as the client wrote it (little-endian, IEEE-754) and answers: 224 for the
// block size 2304, 256 for the float -3.141592..., 0x7FFFFFFF for the double -pi and
// 0x80000000 for the float 9.8696...; 0 for any other value or length.
ProbeAnswer answer_probe(const std::uint8_t* data, std::size_t length);

}  // namespace luwnd
