#include "shm_floor.h"

#include <linux/futex.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>

namespace {

using Clock = std::chrono::steady_clock;

struct Line {
    std::atomic<std::uint32_t> value{0};
    std::atomic<std::uint32_t> sleeping{0};
};

void futex(std::atomic<std::uint32_t>* word, int op, std::uint32_t value) {
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(word), op, value, nullptr, nullptr, 0);
}

// Waits until line holds `want`: a 50 us spin, then futex sleeps.
void wait_for(Line& line, std::uint32_t want) {
    const auto until = Clock::now() + std::chrono::microseconds(50);
    for (unsigned i = 0; line.value.load(std::memory_order_acquire) != want; ++i) {
        __builtin_ia32_pause();
        if ((i & 31) != 0 || Clock::now() < until) continue;
        line.sleeping.store(1);
        const std::uint32_t seen = line.value.load();
        if (seen != want) futex(&line.value, FUTEX_WAIT, seen);
        line.sleeping.store(0);
    }
}

void post(Line& line, std::uint32_t value) {
    line.value.store(value);
    if (line.sleeping.load() != 0) futex(&line.value, FUTEX_WAKE, 1);
}

}  // namespace

double shm_futex_round_trip(int round_trips) {
    void* shared = mmap(nullptr, 4096, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) return -1;
    Line* ping = new (shared) Line;
    Line* pong = new (static_cast<char*>(shared) + 128) Line;
    const pid_t child = fork();
    if (child == 0) {
        for (std::uint32_t i = 1; i <= static_cast<std::uint32_t>(round_trips); ++i) {
            wait_for(*ping, i);
            post(*pong, i);
        }
        _exit(0);
    }
    const auto start = Clock::now();
    for (std::uint32_t i = 1; i <= static_cast<std::uint32_t>(round_trips); ++i) {
        post(*ping, i);
        wait_for(*pong, i);
    }
    const double us =
        std::chrono::duration<double, std::micro>(Clock::now() - start).count() / round_trips;
    waitpid(child, nullptr, 0);
    munmap(shared, 4096);
    return us;
}
