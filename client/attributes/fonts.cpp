// The text font and the symbol font: their words in the window's block and the one
// command that tells the window process to rebuild the font.
#include <cmath>

#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/drawing/coordinates.h"
#include "client/drawing/float_to_int.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr std::int32_t kTextFontCommand = 9;
constexpr std::int32_t kSymbolFontCommand = 10;
constexpr std::int32_t kFullTurn = 3600;
constexpr std::int32_t kMaxAlignment = 8;
constexpr std::int32_t kDefaultHeightDivisor = 30;

// Where one font keeps its settings.
struct FontWords {
    std::size_t angle;
    std::size_t size;
    std::size_t align;
    std::size_t style;
    std::size_t colour;
};

constexpr FontWords kTextFont = {layout::kFontAngle, layout::kFontSize, layout::kFontAlign,
                                 layout::kFontAttr4, layout::kFontAttr5};
constexpr FontWords kSymbolFont = {layout::kFont2Angle, layout::kFont2Size, layout::kFont2Align,
                                   layout::kFont2Attr4, layout::kFont2Attr5};

struct FontUpdate {
    int changes = 0;     // height, angle, style or face changed: the font must be rebuilt
    bool given = false;  // anything at all was set
};

// Stores value when it differs from the stored one; true when it did.
bool store_if_changed(std::uint8_t* block, std::size_t offset, std::int32_t value) {
    if (layout::read_i32(block, offset) == value) return false;
    layout::write_i32(block, offset, value);
    return true;
}

void count_change(FontUpdate& update, bool changed) {
    if (!changed) return;
    ++update.changes;
    update.given = true;
}

// Height and angle are stored, and counted, only when they change. A height of 0 asks
// for the default, a thirtieth of the drawing area's height.
void update_size_and_angle(std::uint8_t* block, const FontWords& words, int height, int angle,
                           FontUpdate& update) {
    if (height == 0) height = layout::read_i32(block, layout::kPageHeight) / kDefaultHeightDivisor;
    if (height > 0) count_change(update, store_if_changed(block, words.size, height));
    if (angle > -kFullTurn && angle < kFullTurn) {
        if (angle < 0) angle += kFullTurn;
        count_change(update, store_if_changed(block, words.angle, angle));
    }
}

FontUpdate update_font(int window, const FontWords& words, int height, int angle, int alignment,
                       int style, int colour, const char* face) {
    std::uint8_t* block = window_block(window);
    FontUpdate update;
    update_size_and_angle(block, words, height, angle, update);
    // Alignment and colour do not change the font's shape, so they never count.
    if (alignment >= 0 && alignment <= kMaxAlignment) {
        layout::write_i32(block, words.align, alignment);
        update.given = true;
    }
    if (style != -1) {
        count_change(update, store_if_changed(block, words.style, style));
        update.given = true;
    }
    if (colour != -1) {
        layout::write_i32(block, words.colour, colour);
        update.given = true;
    }
    count_change(update, put_block_text(window, face) > 0);
    return update;
}

// World height and angle in turns to device units: a negative or NaN height keeps the
// stored one; the angle is truncated to 1/3600 of a turn.
int font_height(int window, float height) {
    if (!(height >= 0.0f)) return -1;
    return device_height(window_block(window), height);
}

// The product is a 32-bit real, so 0.7 turns gives 2520, not 2519.
int font_angle(float turns) {
    return truncate_to_int(turns * static_cast<float>(kFullTurn));
}

}  // namespace

extern "C" {

int lu_set_font_in_window(int window, int height, int angle, int alignment, int style, int colour,
                          const char* face) {
    const CallLock call;
    if (!is_open_window(window)) return 0;
    const FontUpdate update =
        update_font(window, kTextFont, height, angle, alignment, style, colour, face);
    return command_with_2int(window, 'A', kTextFontCommand, update.changes);
}

int lu_set_font(float height, float angle, int alignment, int style, int colour, const char* face) {
    const CallLock call;
    const int window = current_window();
    if (!is_open_window(window)) return 0;
    return lu_set_font_in_window(window, font_height(window, height), font_angle(angle), alignment,
                                 style, colour, face);
}

int lu_set_font_(int* result, const float* height, const float* angle, const int* alignment,
                 const int* style, const int* colour, const char* face, std::size_t face_length) {
    const CallLock call;
    const char* text = put_block_fortran_text(current_window(), face, face_length);
    return store_result(result, lu_set_font(value_at(height), value_at(angle), value_at(alignment),
                                            value_at(style), value_at(colour), text));
}

int lu_set_symbol_font_in_window(int window, int height, int angle, int alignment, int style,
                                 int colour, const char* face) {
    const CallLock call;
    if (!is_open_window(window)) return 0;
    const FontUpdate update =
        update_font(window, kSymbolFont, height, angle, alignment, style, colour, face);
    if (!update.given) return 0;
    return command_with_2int(window, 'A', kSymbolFontCommand, update.changes);
}

int lu_set_symbol_font(float height, float angle, int alignment, int style, int colour,
                       const char* face) {
    const CallLock call;
    const int window = current_window();
    if (!is_open_window(window)) return 0;
    return lu_set_symbol_font_in_window(window, font_height(window, height), font_angle(angle),
                                        alignment, style, colour, face);
}

int lu_set_symbol_font_(int* result, const float* height, const float* angle, const int* alignment,
                        const int* style, const int* colour, const char* face,
                        std::size_t face_length) {
    const CallLock call;
    const char* text = put_block_fortran_text(current_window(), face, face_length);
    return store_result(result,
                        lu_set_symbol_font(value_at(height), value_at(angle), value_at(alignment),
                                           value_at(style), value_at(colour), text));
}

}  // extern "C"
