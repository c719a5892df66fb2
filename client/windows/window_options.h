// The option text a newly started window process gets as its command line, built from
// the nine integer options of initialize.
#pragma once

#include <cstddef>

namespace lumora {

struct WindowOptions {
    int flags = -1;
    int x = -1, y = -1;
    int width = -1, height = -1;
    int a = -1, m = -1, z = -1;
    int dpi = -1;
};

// Writes the option texts, each beginning with a blank, for the valid options only.
void format_window_options(const WindowOptions& options, char* out, std::size_t capacity);

// Whether flag bit (1, 2, 4, 8, 16) takes part: flags not negative, its suppress bit clear.
bool flag_given(int flags, int bit);

}  // namespace lumora
