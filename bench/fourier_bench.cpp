// The coefficient computation against the plain loops it must match bit for bit.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "fourier_coefficients.h"
#include "reference_coefficients.h"

namespace {

using lumora::fourier::CoefficientSink;

// Folds every coefficient into one value, so that nothing can be optimised away.
class Checksum final : public CoefficientSink {
  public:
    void take(std::int32_t, double a_k, double b_k) override { sum += a_k + b_k; }
    double sum = 0.0;
};

constexpr double kDt = 0.37;

template <void (*Compute)(std::int32_t, std::int32_t, double, double, CoefficientSink&)>
void coefficients(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        Checksum sink;
        Compute(n, lumora::fourier::highest_index(n), kDt, lumora::fourier::record_length(n, kDt),
                sink);
        benchmark::DoNotOptimize(sink.sum);
    }
}

BENCHMARK(coefficients<lumora::fourier::compute_coefficients_literally>)
    ->Name("literal_loops")
    ->Arg(1000)
    ->Arg(4096)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(coefficients<lumora::fourier::compute_coefficients>)
    ->Name("sample_table")
    ->Arg(1000)
    ->Arg(4096)
    ->Unit(benchmark::kMillisecond);

}  // namespace
