// The window process's own work per command, without any transport: the core handling a
// command from its bytes and slots, and the pictures following the display list after it.
// These are the parts of a round trip that the window process adds to the floor.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "client/channel/block_layout.h"
#include "server/core/core.h"
#include "server/core/memory_block_host.h"
#include "server/render/window_pictures.h"

namespace {

namespace layout = lumora::layout;

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
        handle(std::vector<std::uint8_t>(open.begin(), open.end() + 1));
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
    std::int32_t handle(const std::vector<std::uint8_t>& bytes) {
        return core_->handle(1, bytes.data(), bytes.size());
    }

    luwnd::MemoryBlockHost host_;
    std::unique_ptr<luwnd::Core> core_;
    std::uint8_t* block_ = nullptr;
};

void acknowledge(benchmark::State& state) {
    Session session;
    if (!session.ready()) return state.SkipWithError("no window");
    for (auto _ : state) benchmark::DoNotOptimize(session.slot('A', kAcknowledge));
}
BENCHMARK(acknowledge);

// One separate line is a move and a line; the list is erased before it fills up.
template <bool kWithPictures>
void separate_line(benchmark::State& state) {
    Session session;
    if (!session.ready()) return state.SkipWithError("no window");
    luwnd::render::WindowPictures pictures;
    std::int64_t i = 0;
    for (auto _ : state) {
        if (++i % 50000 == 0) {
            state.PauseTiming();
            session.slot('B', kErase);
            if (kWithPictures) pictures.after_command(session.core());
            state.ResumeTiming();
        }
        const auto x = static_cast<std::int32_t>(i % 1000);
        if (session.slot('A', kMove, x, 10) == 0) return state.SkipWithError("move refused");
        if (kWithPictures) pictures.after_command(session.core());
        if (session.slot('A', kLine, 999 - x, 990) == 0) return state.SkipWithError("refused");
        if (kWithPictures) pictures.after_command(session.core());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(separate_line<false>)->Name("separate_line/core");
BENCHMARK(separate_line<true>)->Name("separate_line/core_and_pictures");

}  // namespace

BENCHMARK_MAIN();
