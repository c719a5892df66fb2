#include "reference_coefficients.h"

#include <cmath>

namespace lumora::fourier {

void compute_coefficients_literally(std::int32_t n, std::int32_t m, double dt, double t,
                                    CoefficientSink& sink) {
    for (std::int32_t k = 0; k <= m; ++k) {
        double a = 0.0;
        double b = 0.0;
        const double w = static_cast<double>(k) * kTwoPi / t;
        for (std::int32_t i = 0; i < n; ++i) {
            const double ti = static_cast<double>(i) * dt;
            a = a + std::cos(w * ti) * signal(ti);
            b = b + std::sin(w * ti) * signal(ti);
        }
        a = 2.0 * a / static_cast<double>(n);
        b = 2.0 * b / static_cast<double>(n);
        sink.take(k, a, b);
    }
}

}  // namespace lumora::fourier
