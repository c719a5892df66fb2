#include "window_options.h"

#include <cstdio>
#include <cstring>

namespace lumora {
namespace {

struct FlagLetter {
    int bit;
    char letter;
};
constexpr FlagLetter kFlags[] = {{1, 't'}, {2, 'b'}, {4, 'r'}, {8, 'i'}, {16, 'l'}};

// Appends formatted text when it fits whole; a text that would be cut is left out.
void append(char* out, std::size_t capacity, const char* format, int a, int b = 0) {
    const std::size_t used = std::strlen(out);
    char piece[32];
    const int n = std::snprintf(piece, sizeof piece, format, a, b);
    if (n > 0 && used + static_cast<std::size_t>(n) < capacity) {
        std::memcpy(out + used, piece, static_cast<std::size_t>(n) + 1);
    }
}

}  // namespace

bool flag_given(int flags, int bit) {
    return flags >= 0 && (flags & (bit << 16)) == 0;
}

void format_window_options(const WindowOptions& o, char* out, std::size_t capacity) {
    if (capacity == 0) return;
    out[0] = '\0';
    for (const FlagLetter& f : kFlags) {
        if (!flag_given(o.flags, f.bit)) continue;
        const char letter = (o.flags & f.bit) != 0 ? f.letter : static_cast<char>(f.letter - 32);
        append(out, capacity, " /%c", letter);
    }
    if (o.x >= 0 && o.y >= 0) append(out, capacity, " /p%d,%d", o.x, o.y);
    if (o.width > 0 && o.height > 0) append(out, capacity, " /s%d,%d", o.width, o.height);
    if (o.a >= 1 && o.a <= 4) append(out, capacity, " /a%d", o.a);
    if (o.m >= 0 && o.m <= 14) append(out, capacity, " /m%d", o.m);
    if (o.z >= 1 && o.z <= 4) append(out, capacity, " /z%d", o.z);
    if (o.dpi >= 1 && o.dpi <= 1200) append(out, capacity, " /dpi%d", o.dpi);
}

}  // namespace lumora
