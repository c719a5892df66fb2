// A bounded, adaptive spin: waits a short while, without any system call, for a condition
// that the other process sets. The bound adapts to how the waits go: it doubles when the
// condition came while spinning and halves when the wait had to fall back to sleeping.
// Below its shortest it stops spinning at all: on a machine whose cores are taken (a busy
// loop beside the two processes) a spin mostly waits for a peer that has no core, and
// keeps it from one, where going to sleep at once hands the core over. Every kProbeEvery
// waits one spin (a probe) looks whether the peer answers promptly again.
#pragma once

#include <chrono>
#include <cstdint>
#include <thread>

namespace lumora::page {

class AdaptiveSpin {
  public:
    static constexpr std::uint32_t kProbeEvery = 64;

    AdaptiveSpin(std::int64_t shortest_ns, std::int64_t longest_ns)
        : shortest_(shortest_ns), longest_(longest_ns), limit_(longest_ns) {
        // With one processor the peer cannot run while we spin.
        if (std::thread::hardware_concurrency() == 1) shortest_ = longest_ = limit_ = 0;
    }

    // True when ready() held within the bound; false when the caller should sleep.
    template <class Ready>
    bool spin(Ready ready) {
        if (ready()) return true;
        const std::int64_t budget = next_budget();
        if (budget == 0) return false;
        const auto start = std::chrono::steady_clock::now();
        for (std::uint32_t i = 1;; ++i) {
            pause();
            if (ready()) {
                came(true);
                return true;
            }
            if ((i & 31) == 0 && elapsed_ns(start) > budget) {
                came(false);
                return false;
            }
        }
    }

    // The spin for the next wait, in nanoseconds; 0: sleep at once.
    std::int64_t next_budget() {
        if (limit_ > 0) return limit_;
        return ++waits_off_ % kProbeEvery == 0 ? probe() : 0;
    }
    // A probe lasts long enough for a peer that sleeps too to be woken and answer.
    std::int64_t probe() const { return longest_ / 4 > shortest_ ? longest_ / 4 : shortest_; }
    // How the spin went: the condition came in time, or not.
    void came(bool in_time) {
        if (in_time) {
            const std::int64_t doubled = 2 * (limit_ > 0 ? limit_ : shortest_);
            limit_ = doubled > longest_ ? longest_ : doubled;
        } else {
            limit_ = limit_ / 2 < shortest_ ? 0 : limit_ / 2;
        }
    }
    std::int64_t limit_ns() const { return limit_; }

  private:
    static void pause() {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
    }
    static std::int64_t elapsed_ns(std::chrono::steady_clock::time_point start) {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now() - start)
            .count();
    }

    std::int64_t shortest_;
    std::int64_t longest_;
    std::int64_t limit_;
    std::uint32_t waits_off_ = 0;  // waits since the spin stopped
};

}  // namespace lumora::page
