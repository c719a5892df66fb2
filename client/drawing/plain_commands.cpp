// Window commands that carry no logic of their own: one command each.
#include "binding.h"
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr std::int32_t kRequestA2 = 2;
constexpr std::int32_t kValueB16 = 16;
constexpr std::int32_t kQueryE14 = 14;

}  // namespace

extern "C" {

int lu_send_command_a2_in_window(int window) {
    const CallLock call;
    return command_with_int(window, 'A', kRequestA2);
}

int lu_send_command_a2(void) {
    const CallLock call;
    return lu_send_command_a2_in_window(current_window());
}

int lu_send_command_a2_(int* result) {
    const CallLock call;
    return store_result(result, lu_send_command_a2());
}

int lu_send_command_g(int code) {
    const CallLock call;
    return command_with_int(current_window(), 'G', code >= 0 && code <= 14 ? code : -1);
}

int lu_send_command_g_(int* result, const int* code) {
    const CallLock call;
    return store_result(result, lu_send_command_g(value_at(code)));
}

int lu_send_command_g15(int window, int code) {
    const CallLock call;
    return command_with_int(window, 'G', code >= 0 && code <= 10 ? code + 15 : -2);
}

int lu_send_command_g15_(int* result, const int* window, const int* code) {
    const CallLock call;
    return store_result(result, lu_send_command_g15(value_at(window), value_at(code)));
}

int lu_send_command_b16_in_window(int window, int value) {
    const CallLock call;
    if (value < 1 || value > 8) return 0;
    return command_with_2int(window, 'B', kValueB16, value);
}

int lu_send_command_b16(int value) {
    const CallLock call;
    return lu_send_command_b16_in_window(current_window(), value);
}

int lu_send_command_b16_(int* result, const int* value) {
    const CallLock call;
    return store_result(result, lu_send_command_b16(value_at(value)));
}

int lu_query_e14(int* a, int* b) {
    const CallLock call;
    const int window = current_window();
    const std::int32_t r = command_with_int(window, 'E', kQueryE14);
    if (r <= 0) return r;
    const std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;  // the answer may have ended the connection
    if (a != nullptr) *a = layout::read_i32(block, layout::kResult3);
    if (b != nullptr) *b = layout::read_i32(block, layout::kResult1);
    return current_window();
}

int lu_query_e14_(int* result, int* a, int* b) {
    const CallLock call;
    return store_result(result, lu_query_e14(a, b));
}

}  // extern "C"
