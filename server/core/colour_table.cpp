#include "colour_table.h"

namespace luwnd {
namespace {

constexpr std::array<std::uint32_t, kColourEntries> kDefaults = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x808080,
    0xC0C0C0, 0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0x404040, 0x606060,
    0xA0A0A0, 0xE0E0E0, 0xFF0000, 0xFF6000, 0xFFBF00, 0xDFFF00, 0x80FF00, 0x20FF00, 0x00FF40,
    0x00FF9F, 0x00FFFF, 0x009FFF, 0x0040FF, 0x2000FF, 0x8000FF, 0xDF00FF, 0xFF00BF, 0xFF0060,
};

constexpr std::uint32_t kRgbFlag = 0x02000000;
constexpr std::uint32_t kPaletteFlag = 0x01000000;

}  // namespace

std::uint32_t default_entry(int entry) {
    if (entry < 0 || entry >= kColourEntries) return 0;
    return kDefaults[static_cast<std::size_t>(entry)];
}

std::uint32_t palette_colour(int index) {
    if (index < 0 || index > 255) return 0;
    if (index < 16) return default_entry(index);
    if (index < 232) {
        auto cube = static_cast<std::uint32_t>(index - 16);
        std::uint32_t r = cube / 36 * 51, g = cube / 6 % 6 * 51, b = cube % 6 * 51;
        return r << 16 | g << 8 | b;
    }
    auto grey = static_cast<std::uint32_t>(8 + 10 * (index - 232));
    return grey << 16 | grey << 8 | grey;
}

ColourTable::ColourTable() : entries_(kDefaults) {}

std::optional<std::uint32_t> ColourTable::entry(std::int32_t number) const {
    if (number < 0 || number >= kColourEntries) return std::nullopt;
    return entries_[static_cast<std::size_t>(number)];
}

bool ColourTable::set(std::int32_t value, std::int32_t number) {
    if (number < 0 || number >= kColourEntries) return false;
    std::optional<std::uint32_t> rgb = resolve(value);
    if (!rgb) return false;
    entries_[static_cast<std::size_t>(number)] = *rgb;
    return true;
}

std::optional<std::uint32_t> ColourTable::resolve(std::int32_t value) const {
    if (value >= 0 && value < kColourEntries) return entry(value);
    auto bits = static_cast<std::uint32_t>(value);
    if ((bits & 0xFF000000u) == kRgbFlag) {
        std::uint32_t r = bits & 0xFF, g = bits >> 8 & 0xFF, b = bits >> 16 & 0xFF;
        return r << 16 | g << 8 | b;
    }
    if ((bits & 0xFFFFFF00u) == kPaletteFlag) return palette_colour(static_cast<int>(bits & 0xFF));
    return std::nullopt;
}

}  // namespace luwnd
