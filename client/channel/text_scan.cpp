#include "text_scan.h"

#include <cctype>
#include <climits>

namespace lumora {

bool scan_int(const char*& p, int& value) {
    const char* s = p;
    while (std::isspace(static_cast<unsigned char>(*s))) ++s;
    bool negative = false;
    if (*s == '+' || *s == '-') negative = *s++ == '-';
    if (!std::isdigit(static_cast<unsigned char>(*s))) return false;
    long long magnitude = 0;
    for (; std::isdigit(static_cast<unsigned char>(*s)); ++s) {
        if (magnitude <= static_cast<long long>(INT_MAX) + 1)
            magnitude = magnitude * 10 + (*s - '0');
    }
    const long long signed_value = negative ? -magnitude : magnitude;
    if (signed_value > INT_MAX) {
        value = INT_MAX;
    } else if (signed_value < INT_MIN) {
        value = INT_MIN;
    } else {
        value = static_cast<int>(signed_value);
    }
    p = s;
    return true;
}

bool scan_char(const char*& p, char c) {
    if (*p != c) return false;
    ++p;
    return true;
}

bool scan_rest_of_line(const char*& p, char* out, std::size_t capacity) {
    std::size_t n = 0;
    while (p[n] != '\0' && p[n] != '\n' && n + 1 < capacity) {
        out[n] = p[n];
        ++n;
    }
    out[n] = '\0';
    while (*p != '\0' && *p != '\n') ++p;  // the part that did not fit is dropped
    return n > 0;
}

}  // namespace lumora
