// The main routine of the Fourier program.
#pragma once

#include <ostream>

#include "char_source.h"
#include "fourier_graphics.h"

namespace lumora::fourier {

// Exit status after a failed console read. It differs from the graphics library's fatal
// status 1, as a Fortran run-time I/O error does.
inline constexpr int kInputFailureStatus = 2;

// Opens the graphics, reads N and dt, draws the frames, computes the coefficients with the
// bars of each k, and ends the graphics. Returns the exit status: 0, or
// kInputFailureStatus after writing the reason to err.
int run_fourier(CharSource& in, std::ostream& out, std::ostream& err, FourierGraphics& graphics);

}  // namespace lumora::fourier
