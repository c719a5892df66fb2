// The window process's own work per command, without any transport: the core handling a
// command from its bytes and slots, and the pictures following the display list after it.
// These are the parts of a round trip that the window process adds to the floor. A plain
// program, so that it also runs under Wine:
//   server_cost            each case 5 times for about 0.2 s; the median and the range
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "client/channel/block_layout.h"
#include "server/core/core.h"
#include "server/core/memory_block_host.h"
#include "server/render/window_pictures.h"

namespace {

namespace layout = lumora::layout;
using Clock = std::chrono::steady_clock;

constexpr std::int32_t kAcknowledge = 2;
constexpr std::int32_t kMove = 11;
constexpr std::int32_t kLine = 20;
constexpr std::int32_t kErase = 4;

// A core with window 1 open, fed the way the client feeds it.
class Session {
  public:
    Session() {
        luwnd::CoreConfig config;
        config.window_handle = 655;
        config.answers = std::string();
        core_ = std::make_unique<luwnd::Core>(host_, config);
        core_->publish();
        const std::string open = "I,1,0,0,-1,-1,-1,bench";
        core_->handle(1, reinterpret_cast<const std::uint8_t*>(open.c_str()), open.size() + 1);
        block_ = host_.find("LuWnd1:1");
    }
    bool ready() const { return block_ != nullptr; }

    std::int32_t slot(char letter, std::int32_t p1, std::int32_t p2 = 0, std::int32_t p3 = 0) {
        layout::write_i32(block_, layout::kParam1, p1);
        layout::write_i32(block_, layout::kParam2, p2);
        layout::write_i32(block_, layout::kParam3, p3);
        const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(letter), 1 + 32, 0};
        return core_->handle(1, bytes, sizeof bytes);
    }
    luwnd::Core& core() { return *core_; }

  private:
    luwnd::MemoryBlockHost host_;
    std::unique_ptr<luwnd::Core> core_;
    std::uint8_t* block_ = nullptr;
};

// One step of a case: a few commands; false when the core refused one.
struct Case {
    const char* name;
    int commands_per_step;
    bool (*step)(Session&, luwnd::render::WindowPictures*, std::int64_t);
    bool with_pictures;
};

bool acknowledge(Session& s, luwnd::render::WindowPictures*, std::int64_t) {
    return s.slot('A', kAcknowledge) != 0;
}

// One separate line is a move and a line; the list is erased before it fills up.
bool separate_line(Session& s, luwnd::render::WindowPictures* pictures, std::int64_t i) {
    if (i % 50000 == 0) s.slot('B', kErase);
    const auto x = static_cast<std::int32_t>(i % 1000);
    if (s.slot('A', kMove, x, 10) == 0) return false;
    if (pictures != nullptr) pictures->after_command(s.core());
    if (s.slot('A', kLine, 999 - x, 990) == 0) return false;
    if (pictures != nullptr) pictures->after_command(s.core());
    return true;
}

// Nanoseconds a command over about 0.2 s of steps, or a negative value on a refusal.
double one_repetition(const Case& c) {
    Session session;
    if (!session.ready()) return -1;
    luwnd::render::WindowPictures pictures;
    luwnd::render::WindowPictures* watching = c.with_pictures ? &pictures : nullptr;
    const auto start = Clock::now();
    const auto until = start + std::chrono::milliseconds(200);
    std::int64_t steps = 0;
    while (Clock::now() < until) {
        for (int k = 0; k < 1000; ++k)
            if (!c.step(session, watching, ++steps)) return -1;
    }
    const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    return ns / static_cast<double>(steps * c.commands_per_step);
}

}  // namespace

int main() {
    const Case cases[] = {
        {"acknowledge", 1, acknowledge, false},
        {"separate_line_core", 2, separate_line, false},
        {"separate_line_core_and_pictures", 2, separate_line, true},
    };
    for (const Case& c : cases) {
        std::vector<double> ns;
        for (int r = 0; r < 5; ++r) ns.push_back(one_repetition(c));
        std::sort(ns.begin(), ns.end());
        if (ns.front() < 0) {
            std::fprintf(stderr, "server_cost: %s: the core refused a command\n", c.name);
            return 1;
        }
        std::printf("%s ns_per_command=%.1f range=%.1f..%.1f\n", c.name, ns[2], ns.front(),
                    ns.back());
    }
    return 0;
}
