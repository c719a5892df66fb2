// A bounded, adaptive spin: waits a short while, without any system call, for a condition
// that the other process sets. The bound adapts to how the waits go: it doubles when the
// condition came while spinning and halves when the wait had to fall back to sleeping, so
// that a busy machine, or a peer that thinks for long between commands, costs little CPU.
#pragma once

#include <chrono>
#include <cstdint>
#include <thread>

namespace lumora::page {

class AdaptiveSpin {
  public:
    AdaptiveSpin(std::int64_t shortest_ns, std::int64_t longest_ns)
        : shortest_(shortest_ns), longest_(longest_ns), limit_(longest_ns) {
        // With one processor the peer cannot run while we spin.
        if (std::thread::hardware_concurrency() == 1) shortest_ = longest_ = limit_ = 0;
    }

    // True when ready() held within the bound; false when the caller should sleep.
    template <class Ready>
    bool spin(Ready ready) {
        if (ready()) return true;
        if (limit_ == 0) return false;
        const auto start = std::chrono::steady_clock::now();
        for (std::uint32_t i = 1;; ++i) {
            pause();
            if (ready()) {
                limit_ = limit_ * 2 > longest_ ? longest_ : limit_ * 2;
                return true;
            }
            if ((i & 31) == 0 && elapsed_ns(start) > limit_) {
                limit_ = limit_ / 2 < shortest_ ? shortest_ : limit_ / 2;
                return false;
            }
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
};

}  // namespace lumora::page
