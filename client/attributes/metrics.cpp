// Device metrics: pairs of integers about the screen, the process and each window.
#include <cmath>
#include <cstring>

#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "client/platform/platform.h"

using namespace lumora;

namespace {

constexpr int kMaxCode = 14;
constexpr int kScreenSize = 2;

int window_metrics(int window, int code, int* first, int* second) {
    if (code >= 1 && code <= kMaxCode) {
        const std::int32_t r = command_with_int(window, 'E', code);
        const std::uint8_t* block = window_block(window);
        if (block != nullptr) {
            if (first != nullptr) *first = layout::read_i32(block, layout::kResult1);
            if (second != nullptr) *second = layout::read_i32(block, layout::kResult2);
        }
        return r;
    }
    if (code >= -kMaxCode && code <= -1) {
        const bool both = first != nullptr && second != nullptr;
        return command_with_3int(window, 'E', code, both ? *first : 0, both ? *second : 0);
    }
    return 0;
}

// Before any connection only the screen size can be told, from the display itself.
int screen_metrics(int code, int* first, int* second) {
    if (code != kScreenSize) return 0;
    int width = 0;
    int height = 0;
    if (!platform::current().screen_size(width, height)) return 0;
    if (first != nullptr) *first = width;
    if (second != nullptr) *second = height;
    return 1;
}

int process_metrics(int code, int* first, int* second) {
    if (code == 0 || code < -kMaxCode || code > kMaxCode) return 0;
    if (code < 0) return exchange_process_block(code, first, second);
    int a = first != nullptr ? *first : -1;
    int b = second != nullptr ? *second : -1;
    const std::int32_t r = exchange_process_block(code, &a, &b);
    if (r != 0) {
        if (first != nullptr) *first = a;
        if (second != nullptr) *second = b;
    }
    return r;
}

}  // namespace

extern "C" {

int lu_get_metrics_in_window(int window, int code, int* first, int* second) {
    const CallLock call;
    if (window != 0) return window_metrics(window, code, first, second);
    if (block_table().process_number == 0) return screen_metrics(code, first, second);
    return process_metrics(code, first, second);
}

int lu_get_metrics(int code, int* first, int* second) {
    const CallLock call;
    return lu_get_metrics_in_window(current_window(), code, first, second);
}

int lu_get_metrics_(int* result, const int* code, int* first, int* second) {
    const CallLock call;
    return store_result(result, lu_get_metrics(value_at(code), first, second));
}

float lu_get_aspect_ratio(int code) {
    const CallLock call;
    if (code >= 1 && code <= 7) {
        int first = 0;
        int second = 0;
        lu_get_metrics(code, &first, &second);
        // A failed query or an empty area gives a square rather than an infinite ratio.
        if (second == 0) return 1.0f;
        return static_cast<float>(first) / static_cast<float>(second);
    }
    const std::uint8_t* block = window_block(current_window());
    if (block == nullptr) return 1.0f;  // no window: nothing to measure
    if (layout::read_i32(block, layout::kPixelMode) != 0) return 1.0f;
    return std::fabs(layout::read_f32(block, layout::kXScale) /
                     layout::read_f32(block, layout::kYScale));
}

float lu_get_aspect_ratio_(const int* code) {
    const CallLock call;
    return lu_get_aspect_ratio(value_at(code));
}

float lu_get_largest_real(void) {
    const CallLock call;
    const std::uint32_t bits = 0x7F7FFFFFu;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

float lu_get_largest_real_(void) {
    const CallLock call;
    return lu_get_largest_real();
}

}  // extern "C"
