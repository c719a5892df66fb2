// A picture sent by the program ('B' 60 .. 63, see image_commands.cpp), resolved to packed
// RGB (red << 16 | green << 8 | blue) when it arrived, rows from its first corner on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace luwnd {

struct ImagePixels {
    std::int32_t width = 0, height = 0;
    std::vector<std::uint32_t> rgb;  // width * height, row after row

    std::uint32_t at(std::int32_t x, std::int32_t y) const {
        return rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(x)];
    }
};

}  // namespace luwnd
