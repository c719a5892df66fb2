#include "opacity_layer.h"

#include <cstring>

namespace luwnd::render::raster {
namespace {

std::size_t row_bytes(const PixelTarget& target) {
    return target.bits == nullptr || target.width <= 0 ? 0 : std::size_t(target.width) * 4;
}

}  // namespace

OpacityLayer::OpacityLayer(const PixelTarget& target) : target_(target) {
    const std::size_t bytes = row_bytes(target);
    if (bytes == 0 || target.height <= 0) return;
    before_.resize(bytes * std::size_t(target.height));
    for (int y = 0; y < target.height; ++y)
        std::memcpy(before_.data() + bytes * std::size_t(y), target.bits + target.stride * y,
                    bytes);
}

void OpacityLayer::lay_over(std::uint8_t alpha) const {
    const std::size_t bytes = row_bytes(target_);
    if (before_.empty() || alpha == 255) return;
    for (int y = 0; y < target_.height; ++y) {
        const std::uint8_t* old = before_.data() + bytes * std::size_t(y);
        std::uint8_t* row = target_.bits + target_.stride * y;
        for (std::size_t i = 0; i < bytes; i += 4) {
            std::uint32_t now = 0, under = 0;
            std::memcpy(&now, row + i, 4);
            std::memcpy(&under, old + i, 4);
            if (now == under) continue;
            const std::uint32_t out = raster::lay_over(now & 0xFFFFFF, under & 0xFFFFFF, alpha);
            const std::uint32_t word = (now & 0xFF000000u) | out;
            std::memcpy(row + i, &word, 4);
        }
    }
}

}  // namespace luwnd::render::raster
