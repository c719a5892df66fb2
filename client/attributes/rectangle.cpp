// A rectangle with a mode code, held by the window process for later drawing.
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/drawing/coordinates.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr std::int32_t kSetRectangle = 8;
constexpr int kMaxMode = 4;

}  // namespace

extern "C" {

int lu_set_rectangle_mode_in_window(int window, int x1, int y1, int x2, int y2, int mode) {
    const CallLock call;
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    layout::write_i32(block, layout::kResult1, x1);
    layout::write_i32(block, layout::kResult2, y1);
    layout::write_i32(block, layout::kResult3, x2);
    layout::write_i32(block, layout::kResult4, y2);
    const int sent_mode = mode >= 0 && mode <= kMaxMode ? mode : 0;
    return command_with_2int(window, 'A', kSetRectangle, sent_mode);
}

int lu_set_rectangle_mode(float x1, float y1, float x2, float y2, int mode) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    return lu_set_rectangle_mode_in_window(current_window(), device_x(block, x1),
                                           device_y(block, y1), device_x(block, x2),
                                           device_y(block, y2), mode);
}

int lu_set_rectangle_mode_(int* result, const float* x1, const float* y1, const float* x2,
                           const float* y2, const int* mode) {
    const CallLock call;
    return store_result(result, lu_set_rectangle_mode(value_at(x1), value_at(y1), value_at(x2),
                                                      value_at(y2), value_at(mode)));
}

}  // extern "C"
