// A blank-padded character argument of a reference form as a text: cut at a NUL, at most
// 2047 characters, trailing blanks dropped.
#pragma once

#include <cstddef>
#include <string>

namespace lumora::plot {

inline std::string fortran_text(const char* text, std::size_t length) {
    std::string s;
    if (text == nullptr) return s;
    constexpr std::size_t kLongest = 2047;
    for (std::size_t i = 0; i < length && i < kLongest && text[i] != '\0'; ++i) s += text[i];
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

}  // namespace lumora::plot
