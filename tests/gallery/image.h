// A rendered page as plain pixels, whatever canvas drew it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumora::gallery {

struct Image {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // packed RGB, rows top to bottom

    Image() = default;
    Image(int w, int h, std::uint32_t rgb = 0)
        : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), rgb) {}

    bool empty() const { return width <= 0 || height <= 0; }
    std::uint32_t& at(int x, int y) { return pixels[index(x, y)]; }
    std::uint32_t at(int x, int y) const { return pixels[index(x, y)]; }

  private:
    std::size_t index(int x, int y) const {
        return std::size_t(y) * std::size_t(width) + std::size_t(x);
    }
};

}  // namespace lumora::gallery
