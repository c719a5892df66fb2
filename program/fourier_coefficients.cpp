#include "fourier_coefficients.h"

#include <cmath>
#include <cstddef>

#include "reference_coefficients.h"

namespace lumora::fourier {
namespace {

// Above this many samples the table is not worth its memory: the M * N sums take hours.
constexpr std::int32_t kMaxTableSamples = std::int32_t{1} << 24;

struct Sample {
    double t;  // i * dt
    double f;  // f(i * dt)
};

// t and f(t) depend only on i, so they are computed once instead of once per k and sum.
std::vector<Sample> sample_table(std::int32_t n, double dt) {
    std::vector<Sample> table(static_cast<std::size_t>(n > 0 ? n : 0));
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i].t = static_cast<double>(i) * dt;
        table[i].f = signal(table[i].t);
    }
    return table;
}

}  // namespace

double signal(double t) {
    return std::sin(kSignalFactor * t);
}

void CoefficientList::take(std::int32_t, double a_k, double b_k) {
    values.push_back({a_k, b_k});
}

void compute_coefficients(std::int32_t n, std::int32_t m, double dt, double t,
                          CoefficientSink& sink) {
    if (n > kMaxTableSamples) {
        compute_coefficients_literally(n, m, dt, t, sink);
        return;
    }
    const std::vector<Sample> table = sample_table(n, dt);
    for (std::int32_t k = 0; k <= m; ++k) {
        const double w = static_cast<double>(k) * kTwoPi / t;
        double a = 0.0;
        double b = 0.0;
        // w * t is rounded before each call, so cos and sin stay per term.
        for (const Sample& s : table) {
            const double x = w * s.t;
            a = a + std::cos(x) * s.f;
            b = b + std::sin(x) * s.f;
        }
        sink.take(k, 2.0 * a / static_cast<double>(n), 2.0 * b / static_cast<double>(n));
    }
}

}  // namespace lumora::fourier
