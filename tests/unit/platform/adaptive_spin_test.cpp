// How long the command page spins before it sleeps, as the waits go.
#include "client/platform/posix/adaptive_spin.h"

#include <gtest/gtest.h>

#include <thread>

namespace lumora::page {
namespace {

constexpr std::int64_t kShortest = 2'000, kLongest = 100'000;

bool several_processors() {
    return std::thread::hardware_concurrency() > 1;
}

// Waits that keep failing stop the spin; every kProbeEvery-th wait then spins once, long
// enough for a sleeping peer to wake and answer, and a peer that answers it turns the spin on
// again, up to the longest.
TEST(AdaptiveSpin, FailingWaitsStopTheSpinAndAPromptPeerTurnsItBackOn) {
    if (!several_processors()) GTEST_SKIP() << "one processor: never spins";
    AdaptiveSpin spin(kShortest, kLongest);
    EXPECT_EQ(spin.next_budget(), kLongest);
    int failures = 0;
    for (; spin.limit_ns() > 0 && failures < 64; ++failures) spin.came(false);
    EXPECT_EQ(spin.limit_ns(), 0);
    EXPECT_LE(failures, 7) << "halving from the longest to below the shortest";

    int probes = 0;
    for (std::uint32_t i = 1; i <= 3 * AdaptiveSpin::kProbeEvery; ++i) {
        const std::int64_t budget = spin.next_budget();
        if (budget == 0) continue;
        EXPECT_EQ(budget, kLongest / 4);
        EXPECT_EQ(i % AdaptiveSpin::kProbeEvery, 0u);
        ++probes;
        spin.came(false);  // the probe found no prompt peer: still off
    }
    EXPECT_EQ(probes, 3);

    while (spin.next_budget() == 0) {
    }
    spin.came(true);
    EXPECT_EQ(spin.limit_ns(), 2 * kShortest);
    for (int i = 0; i < 10; ++i) spin.came(true);
    EXPECT_EQ(spin.next_budget(), kLongest);
}

// A real spin: a condition that holds at once or soon comes; one that never holds gives
// up after the bound and lowers it.
TEST(AdaptiveSpin, SpinsForAConditionUntilItsBound) {
    AdaptiveSpin spin(kShortest, kLongest);
    EXPECT_TRUE(spin.spin([] { return true; }));
    if (!several_processors()) GTEST_SKIP() << "one processor: never spins";
    int asked = 0;
    EXPECT_TRUE(spin.spin([&asked] { return ++asked > 100; }));
    EXPECT_EQ(spin.limit_ns(), kLongest);
    EXPECT_FALSE(spin.spin([] { return false; }));
    EXPECT_EQ(spin.limit_ns(), kLongest / 2);
}

}  // namespace
}  // namespace lumora::page
