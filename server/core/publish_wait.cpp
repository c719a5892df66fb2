#include "publish_wait.h"

#include <algorithm>
#include <thread>

#include "client/platform/platform.h"

namespace luwnd {

namespace {

constexpr std::chrono::milliseconds kAnswerMargin{2000};
constexpr std::chrono::milliseconds kPause{50};
// A short wait, while programs started together take turns, is not worth a line on the
// error stream.
constexpr std::chrono::milliseconds kAnnounce{1000};

}  // namespace

PublishWait launch_publish_wait() {
    return {std::chrono::milliseconds(lumora::platform::kLaunchWaitMs) - kAnswerMargin, kPause,
            kAnnounce};
}

int publish_within(const PublishWait& wait, const std::function<int()>& try_publish,
                   const std::function<void()>& on_wait) {
    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    const auto deadline = started + wait.limit;
    for (bool announced = false;;) {
        if (const int number = try_publish(); number != 0) return number;
        const auto now = Clock::now();
        if (now >= deadline) return 0;
        if (!announced && now - started >= wait.announce) {
            if (on_wait) on_wait();
            announced = true;
        }
        // Whole milliseconds: Windows sleeps in those, and a shorter sleep returns at once,
        // which would turn the last moments of the wait into a busy loop.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        std::this_thread::sleep_for(std::min(wait.pause, left));
    }
}

}  // namespace luwnd
