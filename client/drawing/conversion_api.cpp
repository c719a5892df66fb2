// Conversions offered to programs: world points and lengths to device values, and the
// current drawing position in either system.
#include "binding.h"
#include "client/channel/call_lock.h"
#include "client/include/lumora.h"
#include "coordinates.h"

using namespace lumora;

namespace {

void put(int* out, int value) {
    if (out != nullptr) *out = value;
}

void put(float* out, float value) {
    if (out != nullptr) *out = value;
}

}  // namespace

extern "C" {

int lu_world_to_device(float x, float y, int* device_x_out, int* device_y_out) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    put(device_x_out, device_x(block, x));
    put(device_y_out, device_y(block, y));
    return current_window();
}

int lu_world_to_device_(int* result, const float* x, const float* y, int* device_x_out,
                        int* device_y_out) {
    const CallLock call;
    return store_result(result,
                        lu_world_to_device(value_at(x), value_at(y), device_x_out, device_y_out));
}

int lu_world_to_device_size(float width, float height, int* device_width_out,
                            int* device_height_out) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    put(device_width_out, device_width(block, width));
    put(device_height_out, device_height(block, height));
    return current_window();
}

int lu_world_to_device_size_(int* result, const float* width, const float* height,
                             int* device_width_out, int* device_height_out) {
    const CallLock call;
    return store_result(result, lu_world_to_device_size(value_at(width), value_at(height),
                                                        device_width_out, device_height_out));
}

int lu_get_position(float* x, float* y) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    const std::int32_t cx = layout::read_i32(block, layout::kPenX);
    if (cx < 0) return 0;  // no current position
    put(x, world_x(block, cx));
    put(y, world_y(block, layout::read_i32(block, layout::kPenY)));
    return current_window();
}

int lu_get_position_(int* result, float* x, float* y) {
    const CallLock call;
    return store_result(result, lu_get_position(x, y));
}

int lu_get_device_position(int window, int* x, int* y) {
    const CallLock call;
    const std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    const std::int32_t cx = layout::read_i32(block, layout::kPenX);
    if (cx < 0) return 0;
    put(x, cx);
    put(y, layout::read_i32(block, layout::kPenY));
    return window;
}

int lu_get_device_position_(int* result, const int* window, int* x, int* y) {
    const CallLock call;
    return store_result(result, lu_get_device_position(value_at(window), x, y));
}

}  // extern "C"
