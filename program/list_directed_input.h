// One list-directed READ of a single numeric item, as the Fortran run-time does it:
// blanks and line ends before the value are skipped, the value ends at a blank, comma,
// slash or line end, and whatever follows on its line is discarded with the line end.
#pragma once

#include <cstdint>
#include <string>

#include "char_source.h"

namespace lumora::fourier {

enum class ReadStatus {
    ok,            // the item holds the value read
    null_value,    // a comma, slash or "r*" stood for the value: the item keeps its value
    end_of_input,  // the input ended before a value
    bad_value,     // the characters read are not a constant of the item's type
    out_of_range,  // an integer that does not fit in 32 bits
};

struct ReadResult {
    ReadStatus status = ReadStatus::ok;
    std::string text;  // the characters of the value as typed
};

ReadResult read_integer(CharSource& in, std::int32_t& item);
ReadResult read_real(CharSource& in, double& item);

}  // namespace lumora::fourier
