// Drawing a text at a world point.
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/drawing/coordinates.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr std::int32_t kDrawTextCommand = 15;
// Sent for both coordinates of a point far outside the world window.
constexpr int kFarAway = 32767;

// True when v lies more than one range width beyond either end of (a, b); a point
// exactly one width beyond is still in range. The two limits are computed in single
// precision, as a program computes a point one width out and as the conversion works,
// so that such a point is never pushed past its limit by a rounding of its own.
// Comparing against the limits instead of multiplying avoids overflow; NaN counts as
// in range and is left to the conversion.
bool far_outside(float v, float a, float b) {
    const float width = b - a;
    const float beyond_a = a - width;
    const float beyond_b = b + width;
    return (v < beyond_a && v < beyond_b) || (v > beyond_a && v > beyond_b);
}

bool far_outside_world(const std::uint8_t* block, float x, float y) {
    return far_outside(x, layout::read_f32(block, layout::kWorldX1),
                       layout::read_f32(block, layout::kWorldX2)) ||
           far_outside(y, layout::read_f32(block, layout::kWorldY1),
                       layout::read_f32(block, layout::kWorldY2));
}

}  // namespace

extern "C" {

int lu_draw_text_in_window(int window, int x, int y, const char* text) {
    const CallLock call;
    if (!is_open_window(window)) return 0;
    put_block_text(window, text);
    return command_with_3int(window, 'A', kDrawTextCommand, x, y) != 0 ? window : 0;
}

int lu_draw_text(float x, float y, const char* text) {
    const CallLock call;
    const int window = current_window();
    const std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    if (far_outside_world(block, x, y)) {
        return lu_draw_text_in_window(window, kFarAway, kFarAway, text);
    }
    return lu_draw_text_in_window(window, device_x(block, x), device_y(block, y), text);
}

int lu_draw_text_(int* result, const float* x, const float* y, const char* text,
                  std::size_t text_length) {
    const CallLock call;
    const char* copied = put_block_fortran_text(current_window(), text, text_length);
    return store_result(result, lu_draw_text(value_at(x), value_at(y), copied));
}

}  // extern "C"
