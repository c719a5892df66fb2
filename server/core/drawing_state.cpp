#include "drawing_state.h"

#include <cmath>

#include "client/channel/block_layout.h"

namespace luwnd {

namespace layout = lumora::layout;

std::int32_t to_device(double value) {
    double rounded = std::trunc(value + 0.5);
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) return INT32_MIN;
    return static_cast<std::int32_t>(rounded);
}

void init_drawing_state(std::uint8_t* block, int width, int height) {
    if (width < 1) width = 1;
    if (height < 1) height = 1;
    int unit = width < height ? width : height;
    float right = static_cast<float>(width) / static_cast<float>(unit);
    float top = static_cast<float>(height) / static_cast<float>(unit);
    layout::write_i32(block, layout::kPageWidth, width);
    layout::write_i32(block, layout::kPageHeight, height);
    layout::write_i32(block, layout::kUnitLength, unit);
    layout::write_i32(block, layout::kPixelMode, 0);
    layout::write_f32(block, layout::kViewX1, 0.0f);
    layout::write_f32(block, layout::kViewY1, 0.0f);
    layout::write_f32(block, layout::kViewX2, right);
    layout::write_f32(block, layout::kViewY2, top);
    layout::write_f32(block, layout::kWorldX1, 0.0f);
    layout::write_f32(block, layout::kWorldY1, 0.0f);
    layout::write_f32(block, layout::kWorldX2, right);
    layout::write_f32(block, layout::kWorldY2, top);
    layout::write_f32(block, layout::kXScale, static_cast<float>(unit));
    layout::write_f32(block, layout::kYScale, static_cast<float>(unit));
    layout::write_i32(block, layout::kPenX, -1);
    layout::write_i32(block, layout::kPenY, -1);
    layout::write_i32(block, layout::kFillRule, 1);
    update_origin(block);
}

void update_origin(std::uint8_t* block) {
    double unit = layout::read_i32(block, layout::kUnitLength);
    double height = layout::read_i32(block, layout::kPageHeight);
    double x1 = layout::read_f32(block, layout::kViewX1);
    double y1 = layout::read_f32(block, layout::kViewY1);
    layout::write_i32(block, layout::kOriginX, to_device(x1 * unit));
    layout::write_i32(block, layout::kOriginY, to_device(height - y1 * unit));
}

void init_window_state(WindowState& state, const std::uint8_t* block) {
    state.page_width = layout::read_i32(block, layout::kPageWidth);
    state.page_height = layout::read_i32(block, layout::kPageHeight);
    std::int32_t size = state.page_height / 30;
    state.text_font.size = size < 1 ? 1 : size;
    state.symbol_font.size = state.text_font.size;
}

void write_page_words(const WindowState& state, std::uint8_t* block) {
    layout::write_i32(block, layout::kPageWidth, state.page_width);
    layout::write_i32(block, layout::kPageHeight, state.page_height);
    layout::write_i32(block, layout::kUnitLength,
                      state.page_width < state.page_height ? state.page_width : state.page_height);
}

}  // namespace luwnd
