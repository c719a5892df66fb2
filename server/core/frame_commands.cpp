// Buffered frames ('B' 72, told in further_commands.h): the core only counts them per
// window; the hosts read the depth (through the pictures) to hold what the screen shows.
#include "client/channel/block_layout.h"
#include "core_state.h"
#include "plotcore/plot_commands.h"

namespace luwnd {

namespace layout = lumora::layout;
namespace plotcore = lumora::plotcore;

// Slot 2: 1 begins a frame, 0 ends one, -1 asks; slot 3 of a begin: the program's process
// number, 0 for none. result1 the depth afterwards.
std::int32_t Core::State::buffered_frame(Window& window, int n, const Slots& slots,
                                         TraceLine& line) {
    std::int32_t& depth = window.state.frame_depth;
    const char* refused = nullptr;
    switch (slots.p2) {
        case plotcore::kFrameBegin:
            if (depth < WindowState::kMaxFrameDepth)
                ++depth;
            else
                refused = "bounds";
            if (slots.p3 > 0 && config.watch_frame_program) config.watch_frame_program(slots.p3);
            break;
        case plotcore::kFrameEnd:
            if (depth > 0)
                --depth;
            else
                refused = "order";
            break;
        case plotcore::kFrameAsk:
            break;
        default:
            refused = "value";
            break;
    }
    line.add("depth", depth);
    if (refused != nullptr) return refuse(refused);
    layout::write_i32(window.block, layout::kResult1, depth);
    return n;
}

void Core::State::end_frames() {
    for (int n = 1; n <= layout::kMaxWindows; ++n) {
        if (Window* window = windows.find(n)) window->state.frame_depth = 0;
    }
}

}  // namespace luwnd
