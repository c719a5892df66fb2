// The rules every entry point shares: how reference forms hand back results and take
// logical arguments, and which window an operation acts on.
#pragma once

#include <cstdint>

#include "client/channel/client_state.h"

namespace lumora {

static_assert(sizeof(int) == 4, "the interface's integers are 32-bit");

// Stores a reference form's result through its first argument (when there is one) and
// returns it, so the function value and the result variable always agree.
inline int store_result(int* result, int value) {
    if (result != nullptr) *result = value;
    return value;
}

// Reads an argument passed by address; a null address reads as 0.
inline int value_at(const int* p) {
    return p != nullptr ? *p : 0;
}
inline float value_at(const float* p) {
    return p != nullptr ? *p : 0.0f;
}

// A logical argument passed by reference: nonzero becomes 1.
inline int logical_at(const int* p) {
    return value_at(p) != 0 ? 1 : 0;
}

// The window an operation without a window argument acts on.
inline int current_window() {
    return block_table().current_window;
}

// True when the window number names a mapped window (1 ... 63).
inline bool is_open_window(int window) {
    return window_block(window) != nullptr;
}

}  // namespace lumora
