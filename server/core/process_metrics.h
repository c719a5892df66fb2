// Metric pairs of the window process as a whole, asked and set through the process
// block mailbox ('E' to window 0) and asked by windows ('E' with a code):
//   1  drawing area of a new window (width, height)    default 640, 480
//   2  screen size (width, height)                     1280, 1024 off-screen
//   3  size of a new window (width, height)            same pair as 1; settable
//   4  position of a new window (x, y)                 0, 0; settable
//   10 resolution in dots per inch (x, y)              96, 96; settable
// Other codes have no value.
#pragma once

#include <cstdint>

namespace luwnd {

class ProcessMetrics {
  public:
    // Longest page side in pixels.
    static constexpr std::int32_t kMaxPage = 16384;
    // Pixels of a page at most: its picture (4 bytes a pixel) stays within 256 MiB.
    static constexpr std::int64_t kMaxPageArea = std::int64_t{8192} * 8192;

    // The pair of code 1..14; false for a code without a value.
    bool get(int code, std::int32_t& first, std::int32_t& second) const;
    // Sets the pair of metric -code; bit 1 of mask gives first, bit 2 second. Values out of
    // range are ignored. False for a code that cannot be set.
    // A page size whose area is beyond kMaxPageArea is refused as a whole.
    bool set(int code, int mask, std::int32_t first, std::int32_t second);

    int page_width() const { return width_; }
    int page_height() const { return height_; }

  private:
    std::int32_t width_ = 640, height_ = 480;
    std::int32_t x_ = 0, y_ = 0;
    std::int32_t dpi_x_ = 96, dpi_y_ = 96;
};

}  // namespace luwnd
