// The pen: colour, style, width and mix mode, stored in the window's block with a change
// mask so that the window process applies only what was given.
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr std::int32_t kApplyAttributes = 6;
constexpr int kKeep = -1;
constexpr int kMaxStyle = 9;
constexpr int kMaxMix = 31;

// Stores a given value and marks it changed, whether or not it differs from the stored one.
void give(std::uint8_t* block, std::size_t offset, std::int32_t bit, int value) {
    layout::write_i32(block, offset, value);
    layout::write_i32(block, layout::kChanged, layout::read_i32(block, layout::kChanged) | bit);
}

}  // namespace

extern "C" {

int lu_set_pen_in_window(int window, int colour, int style, int width, int mix) {
    const CallLock call;
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    // All four left as they are: the call clears the current drawing position instead.
    if (colour == kKeep && style == kKeep && width == kKeep && mix == kKeep) {
        return lu_move_to_in_window(window, -1, -1);
    }
    if (colour != kKeep) give(block, layout::kPenColour, layout::kChangedPenColour, colour);
    if (style >= 0 && style <= kMaxStyle) {
        give(block, layout::kPenStyle, layout::kChangedPenStyle, style);
    }
    if (width >= 0) give(block, layout::kPenWidth, layout::kChangedPenWidth, width);
    if (mix >= 0 && mix <= kMaxMix) give(block, layout::kPenMix, layout::kChangedPenMix, mix);
    return command_with_int(window, 'A', kApplyAttributes);
}

int lu_set_pen(int colour, int style, int width, int mix) {
    const CallLock call;
    return lu_set_pen_in_window(current_window(), colour, style, width, mix);
}

int lu_set_pen_(int* result, const int* colour, const int* style, const int* width,
                const int* mix) {
    const CallLock call;
    return store_result(
        result, lu_set_pen(value_at(colour), value_at(style), value_at(width), value_at(mix)));
}

int lu_get_pen(int* colour, int* style, int* width, int* mix) {
    const CallLock call;
    const std::uint8_t* block = window_block(current_window());
    if (block == nullptr) return 0;
    const std::size_t offsets[] = {layout::kPenColour, layout::kPenStyle, layout::kPenWidth,
                                   layout::kPenMix};
    int* outputs[] = {colour, style, width, mix};
    for (std::size_t i = 0; i < 4; ++i) {
        if (outputs[i] != nullptr) *outputs[i] = layout::read_i32(block, offsets[i]);
    }
    return current_window();
}

int lu_get_pen_(int* result, int* colour, int* style, int* width, int* mix) {
    const CallLock call;
    return store_result(result, lu_get_pen(colour, style, width, mix));
}

}  // extern "C"
