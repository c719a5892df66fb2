// Reading numbers out of texts the window process wrote, the way "%d" does, but with a
// defined result for any input: values beyond the 32-bit range saturate.
#pragma once

#include <cstddef>

namespace lumora {

// Skips white space, reads an optionally signed decimal number and advances p past it.
// False (p unchanged) when no digit follows.
bool scan_int(const char*& p, int& value);

// Expects the exact character c at p and advances past it.
bool scan_char(const char*& p, char c);

// Copies the rest of the line (up to a line end or the NUL) into out, at most capacity-1
// characters, always terminated. False when it is empty, as "%[^\n]" fails then.
bool scan_rest_of_line(const char*& p, char* out, std::size_t capacity);

}  // namespace lumora
