#include "image_compare.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace lumora::gallery {
namespace {

constexpr std::uint32_t kStrictMark = 0xFF0000, kLooseMark = 0xFF00FF, kRegionEdge = 0x80C0FF;

int channel_of(std::uint32_t rgb, int shift) {
    return static_cast<int>((rgb >> shift) & 0xFF);
}

// Three quarters of the way to white, so that the marks stand out.
std::uint32_t faded(std::uint32_t rgb) {
    std::uint32_t out = 0;
    for (int shift : {0, 8, 16}) {
        const int c = channel_of(rgb, shift);
        out |= static_cast<std::uint32_t>(c + (255 - c) * 3 / 4) << shift;
    }
    return out;
}

// The cells of a page and the text region each belongs to (-1: none).
class CellGrid {
  public:
    CellGrid(const Image& page, const Tolerance& tolerance)
        : size_(std::max(tolerance.cell, 1)),
          columns_((page.width + size_ - 1) / size_),
          rows_((page.height + size_ - 1) / size_),
          region_(std::size_t(columns_) * std::size_t(rows_), -1) {
        for (int row = 0; row < rows_; ++row) {
            for (int column = 0; column < columns_; ++column) {
                const int cx = column * size_ + size_ / 2, cy = row * size_ + size_ / 2;
                for (std::size_t r = tolerance.loose.size(); r-- > 0;)
                    if (tolerance.loose[r].contains(cx, cy)) region_[index(column, row)] = int(r);
            }
        }
    }
    int size() const { return size_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int region(int column, int row) const { return region_[index(column, row)]; }
    bool loose_pixel(int x, int y) const { return region(x / size_, y / size_) >= 0; }

  private:
    std::size_t index(int column, int row) const {
        return std::size_t(row) * std::size_t(columns_) + std::size_t(column);
    }
    int size_, columns_, rows_;
    std::vector<int> region_;
};

// Channel sums over the cell of the page moved by (dx, dy), its edges repeated outward;
// count receives the number of pixels summed.
std::array<long, 3> cell_sums(const Image& page, int column, int row, int size, int dx, int dy,
                              long& count) {
    std::array<long, 3> sums{};
    count = 0;
    for (int y = row * size; y < std::min((row + 1) * size, page.height); ++y) {
        for (int x = column * size; x < std::min((column + 1) * size, page.width); ++x) {
            const std::uint32_t rgb = page.at(std::clamp(x + dx, 0, page.width - 1),
                                              std::clamp(y + dy, 0, page.height - 1));
            for (int c = 0; c < 3; ++c) sums[std::size_t(c)] += channel_of(rgb, 8 * c);
            ++count;
        }
    }
    return sums;
}

// Whether the actual cell's channel means differ by more than the threshold from those of
// the expected cell at every shift of up to cell_shift pixels.
bool cell_differs(const Image& actual, const Image& expected, int column, int row,
                  const Tolerance& tolerance) {
    const int size = std::max(tolerance.cell, 1);
    long count = 0;
    const std::array<long, 3> want = cell_sums(actual, column, row, size, 0, 0, count);
    for (int dy = -tolerance.cell_shift; dy <= tolerance.cell_shift; ++dy) {
        for (int dx = -tolerance.cell_shift; dx <= tolerance.cell_shift; ++dx) {
            const std::array<long, 3> have = cell_sums(expected, column, row, size, dx, dy, count);
            bool close = true;
            for (std::size_t c = 0; c < 3; ++c)
                close = close && std::labs(want[c] - have[c]) <= tolerance.cell_channel * count;
            if (close) return false;
        }
    }
    return true;
}

void mark_cell(Image& image, int column, int row, int size) {
    for (int y = row * size; y < std::min((row + 1) * size, image.height); ++y)
        for (int x = column * size; x < std::min((column + 1) * size, image.width); ++x)
            image.at(x, y) = kLooseMark;
}

bool on_edge(const Region& r, int x, int y) {
    return r.contains(x, y) && (x == r.left || y == r.top || x == r.right - 1 || y == r.bottom - 1);
}

}  // namespace

bool pixels_differ(std::uint32_t a, std::uint32_t b, int channel) {
    for (int shift : {0, 8, 16}) {
        if (std::abs(channel_of(a, shift) - channel_of(b, shift)) > channel) return true;
    }
    return false;
}

Comparison compare(const Image& actual, const Image& expected, const Tolerance& tolerance) {
    Comparison result;
    result.same_size =
        actual.width == expected.width && actual.height == expected.height && !expected.empty();
    if (!result.same_size) return result;
    result.page_pixels = long(expected.width) * expected.height;
    result.difference = Image(expected.width, expected.height);
    const CellGrid grid(expected, tolerance);
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            std::uint32_t& shown = result.difference.at(x, y);
            shown = faded(expected.at(x, y));
            for (const Region& r : tolerance.loose)
                if (on_edge(r, x, y)) shown = kRegionEdge;
            if (grid.loose_pixel(x, y)) continue;
            if (pixels_differ(actual.at(x, y), expected.at(x, y), tolerance.channel)) {
                ++result.strict_differing;
                shown = kStrictMark;
            }
        }
    }
    result.region_cells.assign(tolerance.loose.size(), 0);
    result.region_differing.assign(tolerance.loose.size(), 0);
    for (int row = 0; row < grid.rows(); ++row) {
        for (int column = 0; column < grid.columns(); ++column) {
            const int region = grid.region(column, row);
            if (region < 0) continue;
            ++result.region_cells[std::size_t(region)];
            if (cell_differs(actual, expected, column, row, tolerance)) {
                ++result.region_differing[std::size_t(region)];
                mark_cell(result.difference, column, row, grid.size());
            }
        }
    }
    return result;
}

bool Comparison::passes(const Tolerance& tolerance) const {
    if (!same_size || double(strict_differing) > tolerance.fraction * double(page_pixels))
        return false;
    for (std::size_t r = 0; r < region_cells.size(); ++r) {
        if (double(region_differing[r]) > tolerance.loose_fraction * double(region_cells[r]))
            return false;
    }
    return true;
}

std::string Comparison::summary() const {
    if (!same_size) return "the sizes differ";
    std::string text = std::to_string(strict_differing) + " of " + std::to_string(page_pixels) +
                       " pixels differ outside text";
    for (std::size_t r = 0; r < region_cells.size(); ++r) {
        if (region_differing[r] == 0) continue;
        text += "; text region " + std::to_string(r) + ": " + std::to_string(region_differing[r]) +
                " of " + std::to_string(region_cells[r]) + " cells";
    }
    return text;
}

}  // namespace lumora::gallery
