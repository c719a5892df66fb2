// Markers: per-window attributes in the block with a change mask, applied with 'A' 6 and
// drawn with 'A' 17; and the one-value command 'A' 18 of the same family.
#include <cmath>

#include "binding.h"
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/include/lumora.h"
#include "coordinates.h"
#include "float_to_int.h"

using namespace lumora;

namespace {

constexpr std::int32_t kApplyAttributes = 6;
constexpr std::int32_t kDrawMarker = 17;
constexpr std::int32_t kValueA18 = 18;
constexpr std::int32_t kResetB27 = 27;
constexpr std::int32_t kResetB28 = 28;
constexpr int kKeep = -1;
constexpr int kMaxType = 6;

// Stores a value and marks it changed, only when it differs from the stored one.
void update(std::uint8_t* block, std::size_t offset, std::int32_t bit, int value) {
    if (layout::read_i32(block, offset) == value) return;
    layout::write_i32(block, offset, value);
    layout::write_i32(block, layout::kChanged, layout::read_i32(block, layout::kChanged) | bit);
}

// The size in pixels: a plain count for type 0 (also for a kept type that is 0), else a
// world length along y.
int marker_pixels(const std::uint8_t* block, int type, float size) {
    const bool counted =
        type == 0 || (type < 0 && layout::read_i32(block, layout::kMarkerType) == 0);
    return counted ? truncate_to_int(size) : device_height(block, size);
}

}  // namespace

extern "C" {

int lu_set_marker_in_window(int window, int type, int size, int third, int fourth, int fifth) {
    const CallLock call;
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    if (type >= 0 && type <= kMaxType && type != layout::read_i32(block, layout::kMarkerType)) {
        update(block, layout::kMarkerType, layout::kChangedMarkerType, type);
        if (type == 0 && size < 0) size = 0;
    }
    if (size >= 0) update(block, layout::kMarkerSize, layout::kChangedMarkerSize, size);
    if (third != kKeep) update(block, layout::kMarkerAttr1, layout::kChangedMarkerAttr1, third);
    if (fourth != kKeep) update(block, layout::kMarkerAttr2, layout::kChangedMarkerAttr2, fourth);
    if (fifth >= 0) update(block, layout::kMarkerAttr3, layout::kChangedMarkerAttr3, fifth);
    return command_with_int(window, 'A', kApplyAttributes);
}

int lu_set_marker(int type, float size, int third, int fourth, int fifth) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    return lu_set_marker_in_window(current_window(), type, marker_pixels(block, type, size), third,
                                   fourth, fifth);
}

int lu_set_marker_(int* result, const int* type, const float* size, const int* third,
                   const int* fourth, const int* fifth) {
    const CallLock call;
    return store_result(result, lu_set_marker(value_at(type), value_at(size), value_at(third),
                                              value_at(fourth), value_at(fifth)));
}

int lu_get_marker(int* type, float* size, int* third, int* fourth, int* fifth) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    const std::size_t offsets[] = {layout::kMarkerType, layout::kMarkerAttr1, layout::kMarkerAttr2,
                                   layout::kMarkerAttr3};
    int* outputs[] = {type, third, fourth, fifth};
    for (std::size_t i = 0; i < 4; ++i) {
        if (outputs[i] != nullptr) *outputs[i] = layout::read_i32(block, offsets[i]);
    }
    if (size != nullptr) {
        // Back to a world length along y for every type, type 0 included.
        const auto pixels = static_cast<float>(layout::read_i32(block, layout::kMarkerSize));
        *size = is_pixel_mode(block) ? pixels
                                     : pixels / std::fabs(layout::read_f32(block, layout::kYScale));
    }
    return current_window();
}

int lu_get_marker_(int* result, int* type, float* size, int* third, int* fourth, int* fifth) {
    const CallLock call;
    return store_result(result, lu_get_marker(type, size, third, fourth, fifth));
}

int lu_draw_marker_in_window(int window, int x, int y) {
    const CallLock call;
    return command_with_3int(window, 'A', kDrawMarker, x, y);
}

int lu_draw_marker(float x, float y) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    return lu_draw_marker_in_window(current_window(), device_x(block, x), device_y(block, y));
}

int lu_draw_marker_(int* result, const float* x, const float* y) {
    const CallLock call;
    return store_result(result, lu_draw_marker(value_at(x), value_at(y)));
}

int lu_send_command_a18_in_window(int window, int value) {
    const CallLock call;
    if (value == kKeep) {
        command_with_int(window, 'B', kResetB27);
        return command_with_int(window, 'B', kResetB28);
    }
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    layout::write_i32(block, layout::kResult1, value);
    return command_with_int(window, 'A', kValueA18);
}

int lu_send_command_a18(int value) {
    const CallLock call;
    return lu_send_command_a18_in_window(current_window(), value);
}

int lu_send_command_a18_(int* result, const int* value) {
    const CallLock call;
    return store_result(result, lu_send_command_a18(value_at(value)));
}

}  // extern "C"
