#include "char_source.h"

#include <string>

namespace lumora::fourier {

int StreamSource::get() {
    const auto c = in_.get();
    if (std::char_traits<char>::eq_int_type(c, std::char_traits<char>::eof())) return kEndOfInput;
    return static_cast<unsigned char>(std::char_traits<char>::to_char_type(c));
}

int FileSource::get() {
    const int c = std::getc(file_);
    return c == EOF ? kEndOfInput : c;
}

}  // namespace lumora::fourier
