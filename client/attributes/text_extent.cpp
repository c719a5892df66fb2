// Measuring a text or a symbol: the window process answers in device units, which go
// back to the caller as world lengths.
#include <cmath>

#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr std::int32_t kTextExtentCommand = 17;
constexpr std::int32_t kSymbolExtentCommand = 18;

// A device length as a world length: divided by the scale of its axis, or unchanged in
// pixel mode, where world units are pixels.
float world_length(const std::uint8_t* block, int length, std::size_t scale) {
    const auto value = static_cast<float>(length);
    if (layout::read_i32(block, layout::kPixelMode) != 0) return value;
    return value / std::fabs(layout::read_f32(block, scale));
}

void copy_reply(const std::uint8_t* block, std::size_t offset, int* out) {
    if (out != nullptr) *out = layout::read_i32(block, offset);
}

void store_length(const std::uint8_t* block, int length, std::size_t scale, float* out) {
    if (out != nullptr) *out = world_length(block, length, scale);
}

}  // namespace

extern "C" {

int lu_get_text_extent_in_window(int window, int* first, int* second, int* third, int* fourth,
                                 const char* text) {
    const CallLock call;
    if (!is_open_window(window)) return 0;
    put_block_text(window, text);
    const std::int32_t r = command_with_int(window, 'B', kTextExtentCommand);
    const std::uint8_t* block = window_block(window);
    // The answer may have ended the connection, and with it the block.
    if (r <= 0 || block == nullptr) return r;
    copy_reply(block, layout::kResult1, first);
    copy_reply(block, layout::kResult2, second);
    copy_reply(block, layout::kResult3, third);
    copy_reply(block, layout::kResult4, fourth);
    return window;
}

int lu_get_text_extent(float* first, float* second, float* third, float* fourth, const char* text) {
    const CallLock call;
    const int window = current_window();
    int device[4] = {};
    const int r =
        lu_get_text_extent_in_window(window, &device[0], &device[1], &device[2], &device[3], text);
    const std::uint8_t* block = window_block(window);
    if (r <= 0 || block == nullptr) return r;
    store_length(block, device[0], layout::kXScale, first);
    store_length(block, device[1], layout::kYScale, second);
    store_length(block, device[2], layout::kXScale, third);
    store_length(block, device[3], layout::kYScale, fourth);
    return r;
}

int lu_get_text_extent_(int* result, float* first, float* second, float* third, float* fourth,
                        const char* text, std::size_t text_length) {
    const CallLock call;
    const char* copied = put_block_fortran_text(current_window(), text, text_length);
    return store_result(result, lu_get_text_extent(first, second, third, fourth, copied));
}

int lu_get_symbol_extent_in_window(int window, int* width, int* height, int code) {
    const CallLock call;
    const std::int32_t r = command_with_2int(window, 'B', kSymbolExtentCommand, code);
    const std::uint8_t* block = window_block(window);
    if (r <= 0 || block == nullptr) return r;
    copy_reply(block, layout::kResult2, width);
    copy_reply(block, layout::kResult3, height);
    return window;
}

int lu_get_symbol_extent(float* width, float* height, int code) {
    const CallLock call;
    const int window = current_window();
    int device[2] = {};
    const int r = lu_get_symbol_extent_in_window(window, &device[0], &device[1], code);
    const std::uint8_t* block = window_block(window);
    if (r <= 0 || block == nullptr) return r;
    store_length(block, device[0], layout::kXScale, width);
    store_length(block, device[1], layout::kYScale, height);
    return r;
}

int lu_get_symbol_extent_(int* result, float* width, float* height, const int* code) {
    const CallLock call;
    return store_result(result, lu_get_symbol_extent(width, height, value_at(code)));
}

}  // extern "C"
