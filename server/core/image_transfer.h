// Assembly of a picture the program sends in chunks: 'B' 60 announces it with its header
// in the text area, 'B' 61 brings each chunk through the text area strictly in order,
// 'B' 62 completes it and 'B' 63 abandons it. The header, 32-bit little-endian words at
// the start of the text area:
//
//   word 0      format: 1 RGB (3 bytes a pixel: red, green, blue), 2 indexed (1 byte)
//   word 1      interpolation: 0 nearest, 1 bilinear
//   words 2..5  device corners x1, y1, x2, y2: pixel (0, 0) lies at the corner x1, y1,
//               the last pixel at x2, y2 (a corner given the other way round mirrors)
//   word 6      indexed: the number of colours 1 .. 256, else 0
//   word 7      0
//   words 8..   indexed: that many colour values (any form the window resolves)
//
// The slots of 'B' 60 carry the width (slot 2) and height (slot 3) in pixels.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "colour_table.h"
#include "image_pixels.h"

namespace luwnd {

inline constexpr std::int32_t kImageRgb = 1;
inline constexpr std::int32_t kImageIndexed = 2;
// Largest side and area of a picture. Its pixels are kept as 4 bytes each.
inline constexpr std::int32_t kMaxImageSide = 8192;
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{16} << 20;
inline constexpr std::size_t kImageHeaderBytes = 32;
inline constexpr int kMaxImageColours = 256;

struct ImageHeader {
    std::int32_t format = 0;
    bool smooth = false;
    std::array<std::int32_t, 4> corners{};
    std::vector<std::int32_t> colours;  // the colour values of an indexed picture
    std::int32_t width = 0, height = 0;

    // Bytes of pixel data that follow.
    std::size_t data_size() const;
};

// The header of an announcement read from the text area (kTextSize bytes) with the
// slots' width and height, or nothing when any value is out of range.
std::optional<ImageHeader> read_image_header(const std::uint8_t* text, std::int32_t width,
                                             std::int32_t height);

class ImageTransfer {
  public:
    // Starts a picture, dropping any unfinished one.
    void announce(ImageHeader header);
    // Appends a chunk; false when nothing is announced, the chunk is empty or longer than
    // the text area, its offset is not the number of bytes received so far, or it would
    // run past the announced size.
    bool add_chunk(std::int64_t offset, std::int64_t length, const std::uint8_t* chunk);
    // Ends the transfer; the pixels, resolved with the colours, when every byte arrived.
    std::optional<ImagePixels> complete(const ColourTable& colours);
    // Abandons the transfer; false when none was going on.
    bool discard();

    bool pending() const { return pending_; }
    const ImageHeader& header() const { return header_; }
    std::size_t received() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

  private:
    bool pending_ = false;
    ImageHeader header_;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace luwnd
