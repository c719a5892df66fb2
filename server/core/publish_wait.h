// Waiting for a free process number. When every number is taken, the window processes
// that hold them usually end soon (their programs quit), so a new one waits for a number
// instead of failing at once: many programs started together then take turns.
#pragma once

#include <chrono>
#include <functional>

namespace luwnd {

struct PublishWait {
    std::chrono::milliseconds limit;     // how long to wait in all
    std::chrono::milliseconds pause;     // between tries
    std::chrono::milliseconds announce;  // how long to wait before saying so
};

// Within the time a program waits for the window process it started, with a margin, so
// that the program hears our answer (a number, or none) before its own wait ends.
PublishWait launch_publish_wait();

// Calls try_publish until it gives a process number or wait.limit has passed since the
// call, sleeping wait.pause between tries; calls on_wait once, when it has waited for
// wait.announce. The process number, 0 when none came free in time, or what try_publish
// gave below 0 (it cannot go on).
int publish_within(const PublishWait& wait, const std::function<int()>& try_publish,
                   const std::function<void()>& on_wait);

}  // namespace luwnd
