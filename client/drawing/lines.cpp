// Lines with a current drawing position kept in the window's block, so that a path of
// connected lines costs one line-to command per segment.
#include "binding.h"
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/include/lumora.h"
#include "coordinates.h"

using namespace lumora;

namespace {

constexpr std::int32_t kMove = 11;
constexpr std::int32_t kLine = 20;

// Sends a move or a line to (x, y) and, when the window process took it, records (x, y)
// as the current position.
std::int32_t path_command(int window, std::int32_t code, std::int32_t x, std::int32_t y) {
    // A move or a line is answered with its window's number: it need not wait for that.
    const std::int32_t r = posted_command_with_3int(window, 'A', code, x, y);
    std::uint8_t* block = window_block(window);  // the answer may have ended the connection
    if (r != 0 && block != nullptr) {
        layout::write_i32(block, layout::kPenX, x);
        layout::write_i32(block, layout::kPenY, y);
    }
    return r;
}

bool is_at(const std::uint8_t* block, std::int32_t x, std::int32_t y) {
    return layout::read_i32(block, layout::kPenX) == x &&
           layout::read_i32(block, layout::kPenY) == y;
}

}  // namespace

extern "C" {

int lu_move_to_in_window(int window, int x, int y) {
    const CallLock call;
    const std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    if (is_at(block, x, y)) return window;
    return path_command(window, kMove, x, y);
}

int lu_line_to_in_window(int window, int x, int y) {
    const CallLock call;
    const std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    // Without a current position there is nothing to draw from: the line only moves.
    const bool has_position = layout::read_i32(block, layout::kPenX) >= 0;
    return path_command(window, has_position ? kLine : kMove, x, y);
}

int lu_draw_line_in_window(int window, int x1, int y1, int x2, int y2) {
    const CallLock call;
    const std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    if (!is_at(block, x1, y1)) lu_move_to_in_window(window, x1, y1);
    return lu_line_to_in_window(window, x2, y2);
}

int lu_move_to(float x, float y) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    return lu_move_to_in_window(current_window(), device_x(block, x), device_y(block, y));
}

int lu_move_to_(int* result, const float* x, const float* y) {
    const CallLock call;
    return store_result(result, lu_move_to(value_at(x), value_at(y)));
}

int lu_line_to(float x, float y) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    return lu_line_to_in_window(current_window(), device_x(block, x), device_y(block, y));
}

int lu_line_to_(int* result, const float* x, const float* y) {
    const CallLock call;
    return store_result(result, lu_line_to(value_at(x), value_at(y)));
}

int lu_draw_line(float x1, float y1, float x2, float y2) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    return lu_draw_line_in_window(current_window(), device_x(block, x1), device_y(block, y1),
                                  device_x(block, x2), device_y(block, y2));
}

int lu_draw_line_(int* result, const float* x1, const float* y1, const float* x2, const float* y2) {
    const CallLock call;
    return store_result(result,
                        lu_draw_line(value_at(x1), value_at(y1), value_at(x2), value_at(y2)));
}

}  // extern "C"
