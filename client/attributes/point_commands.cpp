// Commands at one point of the window: the world point is converted to device pixels
// and sent in slots 2 and 3 ('A' 19) or 1 and 2 ('F').
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/drawing/coordinates.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr std::int32_t kA19 = 19;
constexpr int kQueryFailed = -1;

}  // namespace

extern "C" {

int lu_send_point_command_a19_in_window(int window, int x, int y, int value) {
    const CallLock call;
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    layout::write_i32(block, layout::kResult1, value);
    return command_with_3int(window, 'A', kA19, x, y) != 0 ? window : 0;
}

int lu_send_point_command_a19(float x, float y, int value) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    return lu_send_point_command_a19_in_window(current_window(), device_x(block, x),
                                               device_y(block, y), value);
}

int lu_send_point_command_a19_(int* result, const float* x, const float* y, const int* value) {
    const CallLock call;
    return store_result(result,
                        lu_send_point_command_a19(value_at(x), value_at(y), value_at(value)));
}

int lu_query_point_in_window(int window, int x, int y) {
    const CallLock call;
    const int result = command_with_2int(window, 'F', x, y);
    const std::uint8_t* block = window_block(window);  // the answer may have ended the connection
    if (result == 0 || block == nullptr) return kQueryFailed;
    return layout::read_i32(block, layout::kResult1);
}

int lu_query_point(float x, float y) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return kQueryFailed;
    return lu_query_point_in_window(current_window(), device_x(block, x), device_y(block, y));
}

int lu_query_point_(int* result, const float* x, const float* y) {
    const CallLock call;
    return store_result(result, lu_query_point(value_at(x), value_at(y)));
}

}  // extern "C"
