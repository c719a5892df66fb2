#include "fourier_coefficients.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <system_error>
#include <thread>
#include <vector>

#include "reference_coefficients.h"

namespace lumora::fourier {
namespace {

std::vector<Coefficients> fast(std::int32_t n, double dt) {
    CoefficientList list;
    compute_coefficients(n, highest_index(n), dt, record_length(n, dt), list);
    return list.values;
}

std::vector<Coefficients> literal(std::int32_t n, double dt) {
    CoefficientList list;
    compute_coefficients_literally(n, highest_index(n), dt, record_length(n, dt), list);
    return list.values;
}

std::uint64_t bits(double x) {
    std::uint64_t b = 0;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

void expect_bit_identical(std::int32_t n, double dt) {
    const std::vector<Coefficients> got = fast(n, dt);
    const std::vector<Coefficients> want = literal(n, dt);
    ASSERT_EQ(got.size(), want.size()) << "N=" << n << " dt=" << dt;
    for (std::size_t k = 0; k < got.size(); ++k) {
        EXPECT_EQ(bits(got[k].a), bits(want[k].a)) << "a_" << k << " N=" << n << " dt=" << dt;
        EXPECT_EQ(bits(got[k].b), bits(want[k].b)) << "b_" << k << " N=" << n << " dt=" << dt;
    }
}

TEST(FourierCoefficients, BitIdenticalToTheLiteralLoops) {
    struct Case {
        std::int32_t n;
        double dt;
    };
    for (const Case& c : {Case{8, 1.0}, Case{7, 1.0}, Case{1, 1.0}, Case{2, 0.5}, Case{-1, 1.0},
                          Case{-2, 1.0}, Case{-9, 0.3}, Case{0, 1.0}, Case{8, 0.0}, Case{9, -0.25},
                          Case{1000, 0.37}, Case{333, 1.5e-3}, Case{64, 1e300}, Case{16, 1e-310}}) {
        expect_bit_identical(c.n, c.dt);
    }
}

// A record large enough to be spread over threads: the values are the same bits as on one
// thread, and the sink sees every k once, in order, on the calling thread (the plot draws
// from there).
class OrderedSink final : public CoefficientSink {
  public:
    void take(std::int32_t k, double a_k, double b_k) override {
        ks.push_back(k);
        values.push_back({a_k, b_k});
        on_caller = on_caller && std::this_thread::get_id() == caller;
    }
    std::thread::id caller = std::this_thread::get_id();
    bool on_caller = true;
    std::vector<std::int32_t> ks;
    std::vector<Coefficients> values;
};

TEST(FourierCoefficients, ThreadsChangeNeitherBitsNorOrder) {
    constexpr std::int32_t kN = 3000;
    constexpr double kDt = 0.013;
    OrderedSink threaded, single;
    compute_coefficients(kN, highest_index(kN), kDt, record_length(kN, kDt), threaded);
    compute_coefficients(kN, highest_index(kN), kDt, record_length(kN, kDt), single, 1);
    ASSERT_EQ(threaded.ks.size(), static_cast<std::size_t>(highest_index(kN)) + 1);
    for (std::size_t k = 0; k < threaded.ks.size(); ++k) {
        ASSERT_EQ(threaded.ks[k], static_cast<std::int32_t>(k));
        EXPECT_EQ(bits(threaded.values[k].a), bits(single.values[k].a)) << k;
        EXPECT_EQ(bits(threaded.values[k].b), bits(single.values[k].b)) << k;
    }
    EXPECT_TRUE(threaded.on_caller);
    expect_bit_identical(2048, 0.37);
}

// Many short threaded runs: a lost wake-up between the threads would hang one of them (a
// hang the test's time limit reports), and each must still give every k once, in order.
TEST(FourierCoefficients, ManyShortThreadedRunsAllFinish) {
    constexpr std::int32_t kN = 512;  // 257 frequencies of 512 samples: enough for threads
    const std::vector<Coefficients> want = literal(kN, 0.1);
    for (int run = 0; run < 200; ++run) {
        OrderedSink sink;
        compute_coefficients(kN, highest_index(kN), 0.1, record_length(kN, 0.1), sink, 2);
        ASSERT_EQ(sink.ks.size(), want.size()) << "run " << run;
        ASSERT_EQ(sink.ks.back(), highest_index(kN)) << "run " << run;
        ASSERT_EQ(bits(sink.values.back().b), bits(want.back().b)) << "run " << run;
    }
}

int g_refused_starts = 0;

std::thread refuse_thread(std::function<void()>) {
    ++g_refused_starts;
    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
}

// A system that gives no thread (a process limit, no memory) gets the same coefficients,
// every k once and in order, from the calling thread alone.
TEST(FourierCoefficients, WithoutThreadsTheCallingThreadComputesThemAll) {
    if (std::thread::hardware_concurrency() < 2) GTEST_SKIP() << "one core: no threads tried";
    constexpr std::int32_t kN = 3000;
    constexpr double kDt = 0.013;
    OrderedSink alone, single;
    set_helper_start(refuse_thread);
    compute_coefficients(kN, highest_index(kN), kDt, record_length(kN, kDt), alone);
    set_helper_start(nullptr);
    compute_coefficients(kN, highest_index(kN), kDt, record_length(kN, kDt), single, 1);
    EXPECT_GT(g_refused_starts, 0);
    ASSERT_EQ(alone.ks.size(), static_cast<std::size_t>(highest_index(kN)) + 1);
    for (std::size_t k = 0; k < alone.ks.size(); ++k) {
        ASSERT_EQ(alone.ks[k], static_cast<std::int32_t>(k));
        EXPECT_EQ(bits(alone.values[k].a), bits(single.values[k].a)) << k;
        EXPECT_EQ(bits(alone.values[k].b), bits(single.values[k].b)) << k;
    }
}

TEST(FourierCoefficients, CountFollowsTruncatingHalf) {
    EXPECT_EQ(fast(8, 1.0).size(), 5u);
    EXPECT_EQ(fast(7, 1.0).size(), 4u);
    EXPECT_EQ(fast(1, 1.0).size(), 1u);
    EXPECT_EQ(fast(-1, 1.0).size(), 1u);
    EXPECT_EQ(fast(-2, 1.0).size(), 0u);
    EXPECT_EQ(fast(-7, 1.0).size(), 0u);
    EXPECT_EQ(highest_index(-7), -3);
    EXPECT_EQ(highest_index(7), 3);
}

TEST(FourierCoefficients, DegenerateRecordsGiveNotANumberWithoutTrapping) {
    const std::vector<Coefficients> no_samples = fast(0, 1.0);
    ASSERT_EQ(no_samples.size(), 1u);
    EXPECT_TRUE(std::isnan(no_samples[0].a));
    EXPECT_TRUE(std::isnan(no_samples[0].b));
    for (const Coefficients& c : fast(8, 0.0)) {
        EXPECT_TRUE(std::isnan(c.a));
        EXPECT_TRUE(std::isnan(c.b));
    }
    // One sample at t = 0: f(0) = 0, and dividing by N = -1 gives a negative zero.
    const std::vector<Coefficients> single = fast(-1, 1.0);
    EXPECT_EQ(bits(single[0].a), bits(-0.0));
}

TEST(FourierCoefficients, MatchTheClosedFormForWholePeriods) {
    // dt = 1, N = 20: one whole period of sin(0.1 pi t), all energy in b_1 = 1.
    const std::vector<Coefficients> c = fast(20, 1.0);
    ASSERT_EQ(c.size(), 11u);
    EXPECT_NEAR(c[1].b, 1.0, 1e-12);
    for (std::size_t k = 0; k < c.size(); ++k) {
        EXPECT_NEAR(c[k].a, 0.0, 1e-12) << k;
        if (k != 1) {
            EXPECT_NEAR(c[k].b, 0.0, 1e-12) << k;
        }
    }
    EXPECT_EQ(signal(5.0), std::sin(0.3141592653589793 * 5.0));
}

}  // namespace
}  // namespace lumora::fourier
