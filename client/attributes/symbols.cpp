// Drawing one symbol character of the symbol font at a world point.
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/drawing/coordinates.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr std::int32_t kDrawSymbolCommand = 16;

}  // namespace

extern "C" {

int lu_draw_symbol_in_window(int window, int x, int y, int code) {
    const CallLock call;
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    // A negative code repeats the last symbol; any other becomes the last symbol.
    if (code < 0) {
        code = layout::read_i32(block, layout::kFont2Attr2);
    } else {
        layout::write_i32(block, layout::kFont2Attr2, code);
    }
    // Only the code's low byte travels, without a terminating NUL.
    block[layout::kText] = static_cast<std::uint8_t>(code & 0xff);
    return command_with_3int(window, 'A', kDrawSymbolCommand, x, y) != 0 ? window : 0;
}

int lu_draw_symbol(float x, float y, int code) {
    const CallLock call;
    const int window = current_window();
    const std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    return lu_draw_symbol_in_window(window, device_x(block, x), device_y(block, y), code);
}

int lu_draw_symbol_(int* result, const float* x, const float* y, const int* code) {
    const CallLock call;
    return store_result(result, lu_draw_symbol(value_at(x), value_at(y), value_at(code)));
}

}  // extern "C"
