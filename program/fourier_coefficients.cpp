#include "fourier_coefficients.h"

#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

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

std::thread start_std_thread(std::function<void()> work) {
    return std::thread(std::move(work));
}

HelperStart g_helper_start = start_std_thread;

// Below this many terms (k values times samples, about 40 ns each) starting threads costs
// more than it saves.
constexpr std::int64_t kTermsWorthThreads = std::int64_t{1} << 16;
constexpr unsigned kMostThreads = 16;

// The sums of one k, in the order of the literal loop, so that every rounding is the same
// whichever thread computes them.
Coefficients one_frequency(const std::vector<Sample>& table, std::int32_t k, std::int32_t n,
                           double t) {
    const double w = static_cast<double>(k) * kTwoPi / t;
    double a = 0.0;
    double b = 0.0;
    // w * t is rounded before each call, so cos and sin stay per term.
    for (const Sample& s : table) {
        const double x = w * s.t;
        a = a + std::cos(x) * s.f;
        b = b + std::sin(x) * s.f;
    }
    return {2.0 * a / static_cast<double>(n), 2.0 * b / static_cast<double>(n)};
}

unsigned threads_for(std::int32_t n, std::int32_t m) {
    if (n <= 0 || m < 1) return 1;
    const std::int64_t terms = (std::int64_t{m} + 1) * n;
    if (terms < kTermsWorthThreads) return 1;
    unsigned cores = std::thread::hardware_concurrency();
    if (cores > kMostThreads) cores = kMostThreads;
    if (cores > static_cast<unsigned>(m) + 1) cores = static_cast<unsigned>(m) + 1;
    return cores < 1 ? 1 : cores;
}

// The k values are handed out one at a time to every thread, this one included; this
// thread passes them to the sink strictly in order, computing further ones while it waits
// for the next in line. The wait is a condition variable, not atomic<bool>::wait: the
// latter loses wake-ups in the MinGW runtime, and the program then hangs for good.
class ParallelFrequencies {
  public:
    ParallelFrequencies(const std::vector<Sample>& table, std::int32_t n, std::int32_t m, double t)
        : table_(table),
          n_(n),
          m_(m),
          t_(t),
          values_(static_cast<std::size_t>(m) + 1),
          ready_(std::make_unique<std::atomic<bool>[]>(static_cast<std::size_t>(m) + 1)) {}

    void run(unsigned threads, CoefficientSink& sink) {
        std::vector<std::thread> helpers;
        start_helpers(threads - 1, helpers);
        for (std::int32_t k = 0; k <= m_; ++k) {
            auto& ready = ready_[static_cast<std::size_t>(k)];
            while (!ready.load(std::memory_order_acquire)) {
                if (!compute_next()) wait_until_ready(ready);
            }
            const Coefficients& c = values_[static_cast<std::size_t>(k)];
            sink.take(k, c.a, c.b);
        }
        for (std::thread& helper : helpers) helper.join();
    }

  private:
    // As many helpers as the system gives, up to count; with none, this thread computes
    // every k itself.
    void start_helpers(unsigned count, std::vector<std::thread>& helpers) {
        try {
            helpers.reserve(count);  // so that keeping a started thread cannot fail
            for (unsigned i = 0; i < count; ++i) {
                helpers.push_back(g_helper_start([this] {
                    while (compute_next()) {
                    }
                }));
            }
        } catch (const std::exception&) {
            // std::system_error (no thread) or std::bad_alloc: fewer helpers.
        }
    }

    // False when every k has been taken.
    bool compute_next() {
        const std::int32_t k = next_.fetch_add(1, std::memory_order_relaxed);
        if (k > m_) return false;
        const auto i = static_cast<std::size_t>(k);
        values_[i] = one_frequency(table_, k, n_, t_);
        {
            // Under the lock, so that the caller cannot miss it between test and wait.
            const std::lock_guard<std::mutex> lock(mutex_);
            ready_[i].store(true, std::memory_order_release);
        }
        ready_changed_.notify_one();
        return true;
    }

    void wait_until_ready(const std::atomic<bool>& ready) {
        std::unique_lock<std::mutex> lock(mutex_);
        ready_changed_.wait(lock, [&ready] { return ready.load(std::memory_order_acquire); });
    }

    const std::vector<Sample>& table_;
    const std::int32_t n_, m_;
    const double t_;
    std::vector<Coefficients> values_;
    std::unique_ptr<std::atomic<bool>[]> ready_;
    std::atomic<std::int32_t> next_{0};
    std::mutex mutex_;
    std::condition_variable ready_changed_;
};

}  // namespace

void set_helper_start(HelperStart start) {
    g_helper_start = start != nullptr ? start : start_std_thread;
}

double signal(double t) {
    return std::sin(kSignalFactor * t);
}

void CoefficientList::take(std::int32_t, double a_k, double b_k) {
    values.push_back({a_k, b_k});
}

void compute_coefficients(std::int32_t n, std::int32_t m, double dt, double t,
                          CoefficientSink& sink, unsigned most_threads) {
    if (n > kMaxTableSamples) {
        compute_coefficients_literally(n, m, dt, t, sink);
        return;
    }
    const std::vector<Sample> table = sample_table(n, dt);
    unsigned threads = threads_for(n, m);
    if (most_threads != 0 && threads > most_threads) threads = most_threads;
    if (threads > 1) {
        ParallelFrequencies(table, n, m, t).run(threads, sink);
        return;
    }
    for (std::int32_t k = 0; k <= m; ++k) {
        const Coefficients c = one_frequency(table, k, n, t);
        sink.take(k, c.a, c.b);
    }
}

}  // namespace lumora::fourier
