// The Fourier coefficients of the sampled sine computed independently of the program, in
// double precision, for the checks of what it draws.
#pragma once

#include <cmath>

namespace lumora::test {

// a_k (cosine) or b_k of n samples of sin(0.1 pi i dt).
inline double coefficient(int n, double dt, int k, bool cosine) {
    constexpr double kPi = 3.14159265358979323846;
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const double phase = 2 * kPi * k * i / n;
        sum += std::sin(0.1 * kPi * i * dt) * (cosine ? std::cos(phase) : std::sin(phase));
    }
    return 2 * sum / n;
}

}  // namespace lumora::test
