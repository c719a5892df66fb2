// A window process that finds every process number taken waits for one to come free:
// it tries again after a pause, takes the first number released, and gives up when the
// wait runs out.
#include "server/core/publish_wait.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>
#include <string>

#include "client/channel/block_layout.h"
#include "client/platform/platform.h"
#include "server/core/core.h"
#include "server/core/memory_block_host.h"

namespace luwnd::test {
namespace {

using namespace std::chrono_literals;

// Blocks in memory that another thread (the test, standing for the processes that hold
// the numbers) may release while the core tries to publish.
class SharedHost : public BlockHost {
  public:
    std::uint8_t* create_block(const std::string& name, std::size_t size) override {
        std::lock_guard<std::mutex> hold(mutex_);
        return memory_.create_block(name, size);
    }
    void destroy_block(const std::string& name) override {
        std::lock_guard<std::mutex> hold(mutex_);
        memory_.destroy_block(name);
    }
    std::string text(const std::string& name) {
        std::lock_guard<std::mutex> hold(mutex_);
        const std::uint8_t* data = memory_.find(name);
        return data == nullptr ? "" : reinterpret_cast<const char*>(data);
    }

  private:
    std::mutex mutex_;
    MemoryBlockHost memory_;
};

class PublishWaitTest : public ::testing::Test {
  protected:
    PublishWaitTest() {
        CoreConfig config;
        config.window_handle = 655;
        config.connection_id = 4711;
        core_ = std::make_unique<Core>(host_, config);
    }
    void take_every_number() {
        for (int k = 1; k <= lumora::layout::kMaxProcesses; ++k)
            host_.create_block("LuWnd" + std::to_string(k), 16);
    }
    int publish(const PublishWait& wait) {
        return publish_within(
            wait,
            [this] {
                ++tries_;
                return core_->publish();
            },
            [this] {
                std::lock_guard<std::mutex> hold(mutex_);
                ++waits_announced_;
                waiting_.notify_all();
            });
    }

    SharedHost host_;
    std::unique_ptr<Core> core_;
    std::atomic<int> tries_{0};
    std::mutex mutex_;
    std::condition_variable waiting_;
    int waits_announced_ = 0;
};

TEST_F(PublishWaitTest, AFreeNumberIsTakenAtOnceWithoutWaiting) {
    host_.create_block("LuWnd1", 16);
    EXPECT_EQ(publish({60000ms, 50ms, 0ms}), 2);
    EXPECT_EQ(tries_, 1);
    EXPECT_EQ(waits_announced_, 0);
    EXPECT_EQ(host_.text("LuWnd2"), "0,655,4711,0,9,9,9a");
}

// The number released while the process waits is taken, long before the wait runs out.
TEST_F(PublishWaitTest, WaitsAndTakesTheNumberReleased) {
    take_every_number();
    auto published = std::async(std::launch::async, [this] {
        return publish({60000ms, 5ms, 0ms});
    });
    {
        std::unique_lock<std::mutex> hold(mutex_);
        ASSERT_TRUE(waiting_.wait_for(hold, 20s, [this] { return waits_announced_ > 0; }));
    }
    EXPECT_EQ(published.wait_for(0s), std::future_status::timeout) << "it gave up";
    host_.destroy_block("LuWnd9");
    ASSERT_EQ(published.wait_for(20s), std::future_status::ready);
    EXPECT_EQ(published.get(), 9);
    EXPECT_EQ(core_->process_number(), 9);
    EXPECT_EQ(host_.text("LuWnd9"), "0,655,4711,0,9,9,9a");
    EXPECT_EQ(waits_announced_, 1);
}

// When nothing comes free it gives up at the end of the wait, having tried again after
// each pause: neither at once nor in a busy loop.
TEST_F(PublishWaitTest, GivesUpWhenTheWaitRunsOut) {
    take_every_number();
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(publish({200ms, 20ms, 0ms}), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - started, 200ms);
    EXPECT_GE(tries_, 2);
    EXPECT_LE(tries_, 200 / 20 + 2);
    EXPECT_EQ(waits_announced_, 1);
    EXPECT_EQ(core_->process_number(), 0);
}

// Without a wait (a limit of nothing) a process fails at once, as before.
TEST_F(PublishWaitTest, NoWaitMeansOneTry) {
    take_every_number();
    EXPECT_EQ(publish({0ms, 20ms, 0ms}), 0);
    EXPECT_EQ(tries_, 1);
    EXPECT_EQ(waits_announced_, 0);
}

// A wait shorter than the announcement passes without a word.
TEST_F(PublishWaitTest, AShortWaitIsNotAnnounced) {
    take_every_number();
    EXPECT_EQ(publish({100ms, 10ms, 60000ms}), 0);
    EXPECT_GE(tries_, 2);
    EXPECT_EQ(waits_announced_, 0);
}

// What the window process waits for fits in what the program that started it waits.
TEST(PublishWait, EndsBeforeTheLaunchersWait) {
    const PublishWait wait = launch_publish_wait();
    EXPECT_LT(wait.limit, std::chrono::milliseconds(lumora::platform::kLaunchWaitMs));
    EXPECT_GE(wait.limit, std::chrono::milliseconds(lumora::platform::kLaunchWaitMs) - 5s);
    EXPECT_GT(wait.pause, 0ms);
    EXPECT_LE(wait.pause, 100ms);
    EXPECT_LT(wait.announce, wait.limit);
}

}  // namespace
}  // namespace luwnd::test
