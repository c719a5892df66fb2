// The affine transform the window process applies to later drawing: two offsets in
// device units and four 16.16 fixed-point factors.
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/drawing/coordinates.h"
#include "client/drawing/float_to_int.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr std::int32_t kSetTransform = 7;
constexpr std::int32_t kGetTransform = 30;
constexpr float kFixedOne = 65536.0f;

std::int32_t fixed(float factor) {
    return truncate_to_int(factor * kFixedOne);
}

}  // namespace

extern "C" {

int lu_set_transform_in_window(int window, int x_offset, int y_offset, int a, int b, int c, int d) {
    const CallLock call;
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    layout::write_i32(block, layout::kResult1, a);
    layout::write_i32(block, layout::kResult2, b);
    layout::write_i32(block, layout::kResult3, c);
    layout::write_i32(block, layout::kResult4, d);
    return command_with_3int(window, 'A', kSetTransform, x_offset, y_offset);
}

int lu_set_transform(const float* record) {
    const CallLock call;
    const int window = current_window();
    const std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    if (record == nullptr) {
        return lu_set_transform_in_window(window, 0, 0, fixed(1.0f), 0, 0, fixed(1.0f));
    }
    // The offsets are relative to the device position of the world origin, which pixel
    // mode puts at the device origin.
    const bool pixels = is_pixel_mode(block);
    const float origin_x = pixels ? 0.0f : static_cast<float>(device_x(block, 0.0f));
    const float origin_y = pixels ? 0.0f : static_cast<float>(device_y(block, 0.0f));
    const float x_offset = static_cast<float>(device_x(block, record[0])) - record[1] * origin_x -
                           record[2] * origin_y;
    const float y_offset = static_cast<float>(device_y(block, record[3])) - record[4] * origin_x -
                           record[5] * origin_y;
    return lu_set_transform_in_window(window, truncate_to_int(x_offset), truncate_to_int(y_offset),
                                      fixed(record[1]), fixed(-record[2]), fixed(-record[4]),
                                      fixed(record[5]));
}

int lu_set_transform_(int* result, const float* record) {
    const CallLock call;
    return store_result(result, lu_set_transform(record));
}

int lu_get_transform_in_window(int window, int* x_offset, int* y_offset, float* factors) {
    const CallLock call;
    const std::int32_t r = command_with_int(window, 'B', kGetTransform);
    const std::uint8_t* block = window_block(window);
    if (r <= 0 || block == nullptr) return r;  // the answer may have ended the connection
    if (x_offset != nullptr) *x_offset = layout::read_i32(block, layout::kParam2);
    if (y_offset != nullptr) *y_offset = layout::read_i32(block, layout::kParam3);
    if (factors != nullptr) {
        for (std::size_t i = 0; i < 4; ++i) {
            const auto word = static_cast<float>(layout::read_i32(block, layout::kResult1 + 4 * i));
            factors[i] = word / kFixedOne;
        }
    }
    return r;
}

int lu_get_transform(float* record) {
    const CallLock call;
    if (record == nullptr) return 0;
    const int window = current_window();
    int x_offset = 0;
    int y_offset = 0;
    float factors[4] = {};
    const std::int32_t r = lu_get_transform_in_window(window, &x_offset, &y_offset, factors);
    const std::uint8_t* block = window_block(window);
    if (r <= 0 || block == nullptr) return r;
    // The factors come back as sent: the matrix's off-diagonal terms stay negated.
    record[0] = world_x(block, x_offset);
    record[1] = factors[0];
    record[2] = factors[1];
    record[3] = world_y(block, y_offset);
    record[4] = factors[2];
    record[5] = factors[3];
    return r;
}

int lu_get_transform_(int* result, float* record) {
    const CallLock call;
    return store_result(result, lu_get_transform(record));
}

}  // extern "C"
