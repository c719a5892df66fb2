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

void single_thread(std::int32_t n, std::int32_t m, double dt, double t, CoefficientSink& sink) {
    lumora::fourier::compute_coefficients(n, m, dt, t, sink, 1);
}

void every_core(std::int32_t n, std::int32_t m, double dt, double t, CoefficientSink& sink) {
    lumora::fourier::compute_coefficients(n, m, dt, t, sink);
}

BENCHMARK(coefficients<lumora::fourier::compute_coefficients_literally>)
    ->Name("literal_loops")
    ->Arg(1000)
    ->Arg(4096)
    ->Unit(benchmark::kMillisecond);
// Small records stay on one thread; the largest takes a minute or more per pass.
BENCHMARK(coefficients<single_thread>)
    ->Name("sample_table_single")
    ->Arg(8)
    ->Arg(64)
    ->Arg(1000)
    ->Arg(4096)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(coefficients<every_core>)
    ->Name("sample_table_parallel")
    ->Arg(8)
    ->Arg(64)
    ->Arg(1000)
    ->Arg(4096)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(coefficients<single_thread>)
    ->Name("sample_table_single")
    ->Arg(65536)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK(coefficients<every_core>)
    ->Name("sample_table_parallel")
    ->Arg(65536)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
