// Colour values and the window's numbered colour entries.
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "client/platform/platform.h"

using namespace lumora;

namespace {

constexpr int kInvalidColour = -999;
constexpr int kRgbFlag = 0x02000000;
constexpr int kPaletteFlag = 0x01000000;
constexpr int kMaxColourNumber = 35;
constexpr std::int32_t kSetEntry = 5;
constexpr std::int32_t kQueryEntry = 9;

bool is_byte(int v) {
    return v >= 0 && v <= 255;
}

}  // namespace

extern "C" {

int lu_make_rgb_colour(int red, int green, int blue) {
    const CallLock call;
    if (!is_byte(red) || !is_byte(green) || !is_byte(blue)) return kInvalidColour;
    return kRgbFlag | red | green << 8 | blue << 16;
}
int lu_make_rgb_colour_(const int* red, const int* green, const int* blue) {
    const CallLock call;
    return lu_make_rgb_colour(value_at(red), value_at(green), value_at(blue));
}

int lu_make_colour_from_rgb(int packed) {
    const CallLock call;
    return packed < 0 ? kInvalidColour : kRgbFlag | (packed & 0xFFFFFF);
}
int lu_make_colour_from_rgb_(const int* packed) {
    const CallLock call;
    return lu_make_colour_from_rgb(value_at(packed));
}

int lu_make_palette_colour(int index) {
    const CallLock call;
    return is_byte(index) ? kPaletteFlag | (index & 0xFFFF) : kInvalidColour;
}
int lu_make_palette_colour_(const int* index) {
    const CallLock call;
    return lu_make_palette_colour(value_at(index));
}

int lu_get_max_colour_number(void) {
    const CallLock call;
    return kMaxColourNumber;
}
int lu_get_max_colour_number_(int* result) {
    const CallLock call;
    return store_result(result, kMaxColourNumber);
}

int lu_get_system_colour(int index) {
    const CallLock call;
    return static_cast<int>(platform::current().system_colour(index));
}
int lu_get_system_colour_(int* result, const int* index) {
    const CallLock call;
    return store_result(result, lu_get_system_colour(value_at(index)));
}

int lu_set_colour_entry_in_window(int window, int colour, int entry) {
    const CallLock call;
    return command_with_3int(window, 'A', kSetEntry, colour, entry);
}
int lu_set_colour_entry(int colour, int entry) {
    const CallLock call;
    return lu_set_colour_entry_in_window(current_window(), colour, entry);
}
int lu_set_colour_entry_(int* result, const int* colour, const int* entry) {
    const CallLock call;
    return store_result(result, lu_set_colour_entry(value_at(colour), value_at(entry)));
}

int lu_get_colour_entry_in_window(int window, int entry, int* red, int* green, int* blue) {
    const CallLock call;
    if (command_with_2int(window, 'B', kQueryEntry, entry) == 0) return 0;
    const std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;  // the answer ended the connection
    const std::int32_t v = layout::read_i32(block, layout::kParam2);
    const std::int32_t r = v / 65536;
    if (blue != nullptr) *blue = v % 256;
    if (green != nullptr) *green = (v / 256) % 256;
    if (red != nullptr) *red = r;
    return r <= 255 ? window : 0;
}
int lu_get_colour_entry(int entry, int* red, int* green, int* blue) {
    const CallLock call;
    return lu_get_colour_entry_in_window(current_window(), entry, red, green, blue);
}
int lu_get_colour_entry_(int* result, const int* entry, int* red, int* green, int* blue) {
    const CallLock call;
    return store_result(result, lu_get_colour_entry(value_at(entry), red, green, blue));
}

}  // extern "C"
