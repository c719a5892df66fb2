#include "coordinates.h"

#include <cmath>

#include "binding.h"
#include "client/channel/block_layout.h"
#include "float_to_int.h"

namespace lumora {
namespace {

float word(const std::uint8_t* block, std::size_t offset) {
    return layout::read_f32(block, offset);
}

float int_word(const std::uint8_t* block, std::size_t offset) {
    return static_cast<float>(layout::read_i32(block, offset));
}

// Difference of two device values as a real; taken in 64 bits so that no pair of block
// words can overflow.
float difference(std::int32_t a, std::int32_t b) {
    return static_cast<float>(static_cast<std::int64_t>(a) - static_cast<std::int64_t>(b));
}

}  // namespace

std::uint8_t* current_window_block() {
    return window_block(current_window());
}

bool is_pixel_mode(const std::uint8_t* block) {
    return layout::read_i32(block, layout::kPixelMode) != 0;
}

std::int32_t device_x(const std::uint8_t* block, float x) {
    if (is_pixel_mode(block)) return truncate_to_int(x + 0.5f);
    const float offset = (x - word(block, layout::kWorldX1)) * word(block, layout::kXScale);
    return truncate_to_int(int_word(block, layout::kOriginX) + offset + 0.5f);
}

std::int32_t device_y(const std::uint8_t* block, float y) {
    if (is_pixel_mode(block)) return truncate_to_int(y + 0.5f);
    const float offset = (y - word(block, layout::kWorldY1)) * word(block, layout::kYScale);
    return truncate_to_int(int_word(block, layout::kOriginY) - offset + 0.5f);
}

std::int32_t device_width(const std::uint8_t* block, float width) {
    if (is_pixel_mode(block)) return truncate_to_int(width + 0.5f);
    return truncate_to_int(width * std::fabs(word(block, layout::kXScale)) + 0.5f);
}

std::int32_t device_height(const std::uint8_t* block, float height) {
    if (is_pixel_mode(block)) return truncate_to_int(height + 0.5f);
    return truncate_to_int(height * std::fabs(word(block, layout::kYScale)) + 0.5f);
}

float world_x(const std::uint8_t* block, std::int32_t x) {
    if (is_pixel_mode(block)) return static_cast<float>(x);
    const float d = difference(x, layout::read_i32(block, layout::kOriginX));
    return d / word(block, layout::kXScale) + word(block, layout::kWorldX1);
}

float world_y(const std::uint8_t* block, std::int32_t y) {
    if (is_pixel_mode(block)) return static_cast<float>(y);
    const float d = difference(y, layout::read_i32(block, layout::kOriginY));
    return word(block, layout::kWorldY1) - d / word(block, layout::kYScale);
}

void update_scales(std::uint8_t* block) {
    if (is_pixel_mode(block)) {
        layout::write_f32(block, layout::kXScale, 0.0f);
        layout::write_f32(block, layout::kYScale, 0.0f);
        return;
    }
    const float unit = int_word(block, layout::kUnitLength);
    const float view_w = word(block, layout::kViewX2) - word(block, layout::kViewX1);
    const float view_h = word(block, layout::kViewY2) - word(block, layout::kViewY1);
    const float world_w = word(block, layout::kWorldX2) - word(block, layout::kWorldX1);
    const float world_h = word(block, layout::kWorldY2) - word(block, layout::kWorldY1);
    layout::write_f32(block, layout::kXScale, view_w * unit / world_w);
    layout::write_f32(block, layout::kYScale, view_h * unit / world_h);
}

}  // namespace lumora
