// The test signal and its Fourier coefficients a_k, b_k for k = 0 ... M.
//
// The results are bit-identical to the plain double loop over k and i (see
// reference_coefficients.h); only work that does not change a single rounding is saved.
// Each k is independent: large records spread the k values over threads, each summing
// its k in the literal order, and the sink still gets them in order on the calling thread.
// When the system gives no further thread (a process limit, no memory), the calling
// thread computes the rest alone, with the same results.
#pragma once

#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

namespace lumora::fourier {

inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kSignalFactor = 0.3141592653589793;  // 0.1 * pi

// The test signal f(t) = sin(0.1 * pi * t).
double signal(double t);

// M: N / 2, truncated toward zero.
inline std::int32_t highest_index(std::int32_t n) {
    return n / 2;
}

// T: N * dt.
inline double record_length(std::int32_t n, double dt) {
    return static_cast<double>(n) * dt;
}

// Receives the coefficients of each k in increasing order, as soon as they are known.
class CoefficientSink {
  public:
    virtual ~CoefficientSink() = default;
    virtual void take(std::int32_t k, double a_k, double b_k) = 0;
};

struct Coefficients {
    double a = 0.0;
    double b = 0.0;
};

// Keeps every pair, for callers that want them all.
class CoefficientList final : public CoefficientSink {
  public:
    void take(std::int32_t k, double a_k, double b_k) override;
    std::vector<Coefficients> values;
};

// a_k and b_k for k = 0 ... m over the n samples f(i * dt), frequency k * 2 pi / t.
// most_threads bounds the threads (0: as many as pay off; 1: this thread only).
void compute_coefficients(std::int32_t n, std::int32_t m, double dt, double t,
                          CoefficientSink& sink, unsigned most_threads = 0);

// Starts one helper thread running work; throws std::system_error when the system gives
// none. std::thread unless replaced (tests replace it to see a system without threads).
using HelperStart = std::thread (*)(std::function<void()> work);
// nullptr puts std::thread back.
void set_helper_start(HelperStart start);

}  // namespace lumora::fourier
