// Thin window commands that place one to four values (and in one case a text) in the
// window's block under a fixed code; the window process gives them their meaning.
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr std::int32_t kB4 = 4;
constexpr std::int32_t kB5 = 5;
constexpr std::int32_t kB6 = 6;
constexpr std::int32_t kB10 = 10;
constexpr std::int32_t kB12 = 12;
constexpr std::int32_t kB23 = 23;
constexpr std::int32_t kB26 = 26;
constexpr std::int32_t kB29 = 29;
constexpr std::int32_t kB34 = 34;
constexpr std::int32_t kA14 = 14;

// 'B' 12 after the text is in place: p and q in result words 1 and 2.
int send_b12(int window, int p, int q, int a, int b) {
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    layout::write_i32(block, layout::kResult1, p);
    layout::write_i32(block, layout::kResult2, q);
    return command_with_3int(window, 'B', kB12, a, b);
}

// 'B' 6 to every open window in increasing order; the first answer <= 0 stops with 0.
int send_b6_to_all(int a) {
    int result = 0;
    for (int window = 1; window <= layout::kMaxWindows; ++window) {
        if (!is_open_window(window)) continue;
        result = command_with_2int(window, 'B', kB6, a);
        if (result <= 0) return 0;
    }
    return result;
}

}  // namespace

extern "C" {

int lu_send_command_b4_in_window(int window) {
    const CallLock call;
    // An erase is answered with its window's number: it need not wait for that.
    return posted_command_with_int(window, 'B', kB4);
}
int lu_send_command_b4(void) {
    const CallLock call;
    return lu_send_command_b4_in_window(current_window());
}
int lu_send_command_b4_(int* result) {
    const CallLock call;
    return store_result(result, lu_send_command_b4());
}

int lu_send_command_b5_in_window(int window, int a, int b) {
    const CallLock call;
    return command_with_3int(window, 'B', kB5, a, b);
}
int lu_send_command_b5(int a, int b) {
    const CallLock call;
    return lu_send_command_b5_in_window(current_window(), a, b);
}
int lu_send_command_b5_(int* result, const int* a, const int* b) {
    const CallLock call;
    return store_result(result, lu_send_command_b5(value_at(a), value_at(b)));
}

int lu_send_command_b10_in_window(int window, int option, int state) {
    const CallLock call;
    return command_with_3int(window, 'B', kB10, option, state);
}
int lu_send_command_b10(int option, int state) {
    const CallLock call;
    return lu_send_command_b10_in_window(current_window(), option, state);
}
int lu_send_command_b10_(int* result, const int* option, const int* state) {
    const CallLock call;
    return store_result(result, lu_send_command_b10(value_at(option), value_at(state)));
}

int lu_send_command_b23(int a, int b) {
    const CallLock call;
    return command_with_3int(current_window(), 'B', kB23, a, b);
}
int lu_send_command_b23_(int* result, const int* a, const int* b) {
    const CallLock call;
    return store_result(result, lu_send_command_b23(value_at(a), value_at(b)));
}

int lu_send_command_b26_in_window(int window, int a) {
    const CallLock call;
    return command_with_2int(window, 'B', kB26, a);
}
int lu_send_command_b26(int a) {
    const CallLock call;
    return lu_send_command_b26_in_window(current_window(), a);
}
int lu_send_command_b26_(int* result, const int* a) {
    const CallLock call;
    return store_result(result, lu_send_command_b26(value_at(a)));
}

int lu_send_command_b29(int a) {
    const CallLock call;
    return command_with_2int(current_window(), 'B', kB29, a);
}
int lu_send_command_b29_(int* result, const int* a) {
    const CallLock call;
    return store_result(result, lu_send_command_b29(value_at(a)));
}

int lu_send_command_b34_in_window(int window, int a) {
    const CallLock call;
    return command_with_2int(window, 'B', kB34, a);
}
int lu_send_command_b34(int a) {
    const CallLock call;
    return lu_send_command_b34_in_window(current_window(), a);
}
int lu_send_command_b34_(int* result, const int* a) {
    const CallLock call;
    return store_result(result, lu_send_command_b34(value_at(a)));
}

int lu_send_command_b12(int p, int q, int a, int b, const char* text) {
    const CallLock call;
    const int window = current_window();
    if (!is_open_window(window)) return 0;
    put_block_text(window, text);
    return send_b12(window, p, q, a, b);
}
int lu_send_command_b12_(int* result, const int* p, const int* q, const int* a, const int* b,
                         const char* text, std::size_t text_length) {
    const CallLock call;
    const int window = current_window();
    if (!is_open_window(window)) return store_result(result, 0);
    put_block_fortran_text(window, text, text_length);
    return store_result(result,
                        send_b12(window, value_at(p), value_at(q), value_at(a), value_at(b)));
}

int lu_send_command_b12_text(const char* text) {
    const CallLock call;
    return lu_send_command_b12(0, 0, 0, 0, text);
}
int lu_send_command_b12_text_(int* result, const char* text, std::size_t text_length) {
    const CallLock call;
    const int zero = 0;
    return lu_send_command_b12_(result, &zero, &zero, &zero, &zero, text, text_length);
}

int lu_send_command_b6(int window, int a) {
    const CallLock call;
    if (window < 0) return send_b6_to_all(a);
    if (window == 0) return command_with_2int(current_window(), 'B', kB6, a);
    if (!is_open_window(window)) return 0;
    return command_with_2int(window, 'B', kB6, a);
}
int lu_send_command_b6_(int* result, const int* window, const int* a) {
    const CallLock call;
    return store_result(result, lu_send_command_b6(value_at(window), value_at(a)));
}

int lu_send_command_a14_in_window(int window, int p, int q) {
    const CallLock call;
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    layout::write_i32(block, layout::kResult2, p);
    layout::write_i32(block, layout::kResult3, q);
    return command_with_int(window, 'A', kA14);
}

}  // extern "C"
