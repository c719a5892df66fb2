// Reads a fuzz input front to back. Every read is defined for any input: past the end it
// yields zeros and empty byte runs, so that a cut-off operation still does something.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace luwnd::fuzz {

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool done() const { return pos_ >= size_; }
    std::uint8_t u8() { return done() ? 0 : data_[pos_++]; }
    std::uint16_t u16() {
        auto low = u8();
        return static_cast<std::uint16_t>(low | u8() << 8);
    }
    std::uint32_t u32() {
        std::uint32_t low = u16();
        return low | static_cast<std::uint32_t>(u16()) << 16;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    // Up to count bytes, fewer when the input ends first.
    std::span<const std::uint8_t> bytes(std::size_t count) {
        std::size_t left = size_ - (done() ? size_ : pos_);
        if (count > left) count = left;
        std::span<const std::uint8_t> run(data_ + pos_, count);
        pos_ += count;
        return run;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace luwnd::fuzz
