// Calls from several threads of one program: each call writes its slots, sends its command
// and reads its results as one, so no thread sees another's answer, and none waits for ever.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>

#include "channel_fixture.h"
#include "client/include/lumora.h"

namespace lumora::test {
namespace {

using CallsFromThreadsTest = ChannelTest;

constexpr int kCallsPerThread = 100000;

// Sets a transform of this thread's window that only this round uses and reads it back;
// the number of rounds whose answer was someone else's. The windows are apart, the
// command buffer and the way to the window process are shared.
int mismatched_round_trips(int window, int thread, std::atomic<int>& waiting) {
    // Both at once, so that their calls interleave. A spin: std::latch waits on an atomic,
    // which loses wake-ups in the MinGW runtime.
    waiting.fetch_sub(1);
    while (waiting.load() > 0) std::this_thread::yield();
    int wrong = 0;
    for (int i = 0; i < kCallsPerThread / 2; ++i) {
        const int x = thread * 1000000 + i;
        const int y = -x;
        if (lu_set_transform_in_window(window, x, y, 65536, thread, i, 65536) <= 0) ++wrong;
        int got_x = 0, got_y = 0;
        float factors[4] = {};
        if (lu_get_transform_in_window(window, &got_x, &got_y, factors) <= 0) ++wrong;
        if (got_x != x || got_y != y || factors[1] * 65536.0f != static_cast<float>(thread) ||
            factors[2] * 65536.0f != static_cast<float>(i))
            ++wrong;
    }
    return wrong;
}

TEST_F(CallsFromThreadsTest, TwoThreadsEachGetTheirOwnAnswers) {
    connect();
    const int one = open(0);
    const int two = open(0);
    // The window process takes its time over each command, as a real one does.
    fake().on_deliver = [](const platform::Delivery&) { std::this_thread::yield(); };
    std::atomic<int> start{2};
    std::packaged_task<int()> first([&] { return mismatched_round_trips(one, 1, start); });
    std::packaged_task<int()> second([&] { return mismatched_round_trips(two, 2, start); });
    std::future<int> first_done = first.get_future();
    std::future<int> second_done = second.get_future();
    std::thread a(std::move(first));
    std::thread b(std::move(second));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    if (first_done.wait_until(deadline) != std::future_status::ready ||
        second_done.wait_until(deadline) != std::future_status::ready) {
        // A thread that never comes back cannot be joined: fail the whole run instead.
        std::fprintf(stderr, "calls from two threads did not come back\n");
        std::_Exit(1);
    }
    a.join();
    b.join();
    EXPECT_EQ(first_done.get(), 0);
    EXPECT_EQ(second_done.get(), 0);
    EXPECT_EQ(fake().deliveries.size(), static_cast<std::size_t>(2 * kCallsPerThread) + 2);
}

}  // namespace
}  // namespace lumora::test
