// A Fortran format for one number, as a Fortran program writes it ("(F6.2)",
// "('t = ', ES10.3, ' s')"), turned into the printf-like format of number_format.h.
#pragma once

#include <string>
#include <string_view>

namespace lumora::plotcore {

// Whether the text is written as a Fortran format: in parentheses.
bool is_fortran_format(std::string_view format);

// The printf-like form of a Fortran format of quoted texts and exactly one edit
// descriptor Fw.d, Ew.d, ESw.d, Gw.d or Iw (w may be 0 or left out: as narrow as the
// number; letters in either case): "(F6.2)" is "%6.2f", "('x = ', I3)" is "x = %3d".
// Empty, with why set, when it is not of that form.
std::string printf_of_fortran(std::string_view format, std::string& why);

}  // namespace lumora::plotcore
