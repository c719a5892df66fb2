// Assembly of an array that the client sends in chunks: 'N' announces it, 'B' 36 brings
// each chunk through the text area, 'B' 37 completes it and 'B' 38 abandons it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace luwnd {

// Array kinds (the sub-code of 'N').
inline constexpr std::int32_t kArrayPolygon = 28;
inline constexpr std::int32_t kArrayBezier = 29;
inline constexpr std::int32_t kArrayPolyline = 30;
inline constexpr std::int32_t kArrayPlot = 32;

// Largest array accepted, far above any figure a client draws.
inline constexpr std::size_t kMaxArrayBytes = std::size_t{16} << 20;

// A complete array with the parameters of its announcement.
struct ArrayData {
    std::int32_t kind = 0;
    std::int32_t count = 0;               // points, or values (signed) for a plot
    std::int32_t mode = 0;                // param3 of a plot
    std::array<std::int32_t, 4> words{};  // result1..result4 at the announcement
    std::int32_t fill_rule = 1;           // the block's fill-rule word at the announcement
    std::vector<std::uint8_t> bytes;
};

// Byte size of an announced array: 8 per point for figures, 4 per value for plots;
// 0 for an unknown kind, a count that cannot be valid or a size above the limit.
std::size_t array_size(std::int32_t kind, std::int32_t count);

class ArrayTransfer {
  public:
    // Starts a new array, dropping any unfinished one; false when the size is refused.
    bool announce(std::int32_t kind, std::int32_t count, std::int32_t mode,
                  const std::array<std::int32_t, 4>& words, std::int32_t fill_rule = 1);
    // Copies a chunk to its offset; false when nothing is announced or the chunk is empty,
    // longer than the text area or outside the announced size.
    bool add_chunk(std::int64_t offset, std::int64_t length, const std::uint8_t* chunk);
    // Ends the transfer; the array when every byte arrived, else nothing.
    std::optional<ArrayData> complete();
    // Abandons the transfer; false when none was going on.
    bool discard();

    bool pending() const { return pending_; }
    std::size_t size() const { return pending_ ? data_.bytes.size() : 0; }

  private:
    void reset();

    bool pending_ = false;
    ArrayData data_;
    std::vector<bool> covered_;
    std::size_t covered_count_ = 0;
};

}  // namespace luwnd
