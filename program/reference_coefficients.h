// The coefficient loops written out term by term, exactly in the order of the original
// program: the yardstick that compute_coefficients must match bit for bit.
#pragma once

#include <cstdint>

#include "fourier_coefficients.h"

namespace lumora::fourier {

void compute_coefficients_literally(std::int32_t n, std::int32_t m, double dt, double t,
                                    CoefficientSink& sink);

}  // namespace lumora::fourier
