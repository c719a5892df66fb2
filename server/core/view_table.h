// Saved coordinate systems of one window: the transform words at the start of its block,
// kept under the view number the client chose.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>

namespace luwnd {

class ViewTable {
  public:
    // Bytes 0..75 of the block: scales, world window, viewport, page, unit, pixel mode,
    // origin and the current drawing position.
    static constexpr std::size_t kViewBytes = 76;
    // Bound on distinct view numbers per window, so that a client cannot exhaust memory.
    static constexpr std::size_t kMaxViews = 256;

    // False when the table is full and the number is new.
    bool save(std::int32_t number, const std::uint8_t* block);
    // False when nothing was saved under the number; the block is then unchanged.
    bool restore(std::int32_t number, std::uint8_t* block) const;

    // Calls change(words) with the kViewBytes saved words of every view, so that a change
    // of the drawing area reaches the saved views as it reaches the current words.
    template <class Change>
    void for_each(Change change) {
        for (auto& [number, words] : views_) change(words.data());
    }

  private:
    std::map<std::int32_t, std::array<std::uint8_t, kViewBytes>> views_;
};

}  // namespace luwnd
