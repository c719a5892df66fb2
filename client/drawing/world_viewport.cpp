// Setting and reading the world window and the viewport of the current window.
#include "binding.h"
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/include/lumora.h"
#include "coordinates.h"

using namespace lumora;

namespace {

constexpr std::int32_t kViewportCommand = 19;
constexpr std::int32_t kWorldCommand = 41;
constexpr int kAreaSizeMetric = 1;

void store_world(std::uint8_t* block, float x1, float y1, float x2, float y2) {
    layout::write_f32(block, layout::kWorldX1, x1);
    layout::write_f32(block, layout::kWorldY1, y1);
    layout::write_f32(block, layout::kWorldX2, x2);
    layout::write_f32(block, layout::kWorldY2, y2);
}

// Both corners equal: world coordinates become the device pixels of the drawing area.
void enter_pixel_mode(int window) {
    int width = 0;
    int height = 0;
    lu_get_metrics_in_window(window, kAreaSizeMetric, &width, &height);
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return;  // the query may have ended the connection
    // 64-bit, so that no reported size can overflow on the way to a real.
    const auto right = static_cast<float>(static_cast<std::int64_t>(width) - 1);
    const auto top = static_cast<float>(static_cast<std::int64_t>(height) - 1);
    store_world(block, 0.0f, 0.0f, right, top);
    layout::write_i32(block, layout::kPixelMode, 1);
    update_scales(block);
}

float view_width(const std::uint8_t* block) {
    return layout::read_f32(block, layout::kViewX2) - layout::read_f32(block, layout::kViewX1);
}

float view_height(const std::uint8_t* block) {
    return layout::read_f32(block, layout::kViewY2) - layout::read_f32(block, layout::kViewY1);
}

// One world axis given as a single value: the range keeps the viewport's aspect.
void set_world_window(std::uint8_t* block, float x1, float y1, float x2, float y2) {
    if (x1 == x2) {
        const float half = view_width(block) * ((y2 - y1) / view_height(block)) / 2.0f;
        store_world(block, x1 - half, y1, x1 + half, y2);
    } else if (y1 == y2) {
        const float half = view_height(block) * ((x2 - x1) / view_width(block)) / 2.0f;
        store_world(block, x1, y1 - half, x2, y1 + half);
    } else {
        store_world(block, x1, y1, x2, y2);
    }
    layout::write_i32(block, layout::kPixelMode, 0);
    update_scales(block);
}

// An empty viewport selects the whole drawing area, measured with the shorter side as 1.
void whole_area(std::uint8_t* block, float& x2, float& y2) {
    const std::int32_t width = layout::read_i32(block, layout::kPageWidth);
    const std::int32_t height = layout::read_i32(block, layout::kPageHeight);
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    if (height < width) {
        layout::write_i32(block, layout::kUnitLength, height);
        x2 = w / h;
        y2 = 1.0f;
    } else {
        layout::write_i32(block, layout::kUnitLength, width);
        x2 = 1.0f;
        y2 = h / w;
    }
}

void copy_out(const std::uint8_t* block, std::size_t first, float* a, float* b, float* c,
              float* d) {
    float* outputs[] = {a, b, c, d};
    for (std::size_t i = 0; i < 4; ++i) {
        if (outputs[i] != nullptr) *outputs[i] = layout::read_f32(block, first + 4 * i);
    }
}

}  // namespace

extern "C" {

int lu_set_world(float x1, float y1, float x2, float y2) {
    const CallLock call;
    const int window = current_window();
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    if (x1 == x2 && y1 == y2) {
        enter_pixel_mode(window);
    } else {
        set_world_window(block, x1, y1, x2, y2);
    }
    command_with_int(window, 'B', kWorldCommand);  // its answer carries nothing for us
    return current_window();
}

int lu_set_world_(int* result, const float* x1, const float* y1, const float* x2, const float* y2) {
    const CallLock call;
    return store_result(result,
                        lu_set_world(value_at(x1), value_at(y1), value_at(x2), value_at(y2)));
}

int lu_get_world(float* x1, float* y1, float* x2, float* y2) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    copy_out(block, layout::kWorldX1, x1, y1, x2, y2);
    return current_window();
}

int lu_get_world_(int* result, float* x1, float* y1, float* x2, float* y2) {
    const CallLock call;
    return store_result(result, lu_get_world(x1, y1, x2, y2));
}

int lu_set_viewport(float x1, float y1, float x2, float y2) {
    const CallLock call;
    const int window = current_window();
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    if ((x2 - x1) * (y2 - y1) == 0.0f) {
        x1 = 0.0f;
        y1 = 0.0f;
        whole_area(block, x2, y2);
    }
    layout::write_f32(block, layout::kViewX1, x1);
    layout::write_f32(block, layout::kViewY1, y1);
    layout::write_f32(block, layout::kViewX2, x2);
    layout::write_f32(block, layout::kViewY2, y2);
    update_scales(block);
    command_with_int(window, 'B', kViewportCommand);  // its answer carries nothing for us
    return current_window();
}

int lu_set_viewport_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2) {
    const CallLock call;
    return store_result(result,
                        lu_set_viewport(value_at(x1), value_at(y1), value_at(x2), value_at(y2)));
}

int lu_set_viewport_world(float x1, float y1, float x2, float y2) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    const auto unit = static_cast<float>(layout::read_i32(block, layout::kUnitLength));
    const std::int64_t height = layout::read_i32(block, layout::kPageHeight);
    const auto from_top = [&](std::int32_t y) { return static_cast<float>(height - y); };
    const std::int32_t left = device_x(block, x1);
    const std::int32_t bottom = device_y(block, y1);
    const std::int32_t right = device_x(block, x2);
    const std::int32_t top = device_y(block, y2);
    return lu_set_viewport(static_cast<float>(left) / unit, from_top(bottom) / unit,
                           static_cast<float>(right) / unit, from_top(top) / unit);
}

int lu_set_viewport_world_(int* result, const float* x1, const float* y1, const float* x2,
                           const float* y2) {
    const CallLock call;
    return store_result(
        result, lu_set_viewport_world(value_at(x1), value_at(y1), value_at(x2), value_at(y2)));
}

int lu_get_viewport(float* x1, float* y1, float* x2, float* y2) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    copy_out(block, layout::kViewX1, x1, y1, x2, y2);
    return current_window();
}

int lu_get_viewport_(int* result, float* x1, float* y1, float* x2, float* y2) {
    const CallLock call;
    return store_result(result, lu_get_viewport(x1, y1, x2, y2));
}

}  // extern "C"
