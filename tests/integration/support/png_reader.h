// Reading a PNG file back for the picture checks (GDI+ on Windows, Cairo elsewhere).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumora::test {

struct PngImage {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // packed RGB, rows top to bottom
    bool loaded() const { return width > 0; }
    std::uint32_t at(int x, int y) const {
        return x < 0 || y < 0 || x >= width || y >= height
                   ? 0xFFFFFFFFu
                   : pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

// The image, or one with no pixels when the file cannot be read.
PngImage read_png(const std::string& path);

}  // namespace lumora::test
