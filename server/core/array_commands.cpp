// Arrays sent in chunks: 'N' announces, 'B' 36 carries a chunk, 'B' 37 completes, 'B' 38
// abandons.
#include "client/channel/block_layout.h"
#include "core_state.h"

namespace luwnd {

namespace layout = lumora::layout;

std::int32_t Core::State::announce_array(Window& window, int n, const Slots& slots,
                                         TraceLine& line) {
    std::array<std::int32_t, 4> words{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        words[i] = layout::read_i32(window.block, layout::kResult1 + 4 * i);
    }
    if (!window.transfer.announce(slots.p1, slots.p2, slots.p3, words)) return refuse("value");
    line.add("bytes", static_cast<std::int64_t>(window.transfer.size()));
    return n;
}

std::int32_t Core::State::array_chunk(Window& window, int n, const Slots& slots, TraceLine& line) {
    line.add("off", slots.p2);
    line.add("bytes", slots.p3);
    if (!window.transfer.pending()) return refuse("order");
    if (!window.transfer.add_chunk(slots.p2, slots.p3, window.block + layout::kText))
        return refuse("bounds");
    return n;
}

std::int32_t Core::State::complete_array(Window& window, int n, TraceLine& line) {
    if (!window.transfer.pending()) return refuse("order");
    line.add("bytes", static_cast<std::int64_t>(window.transfer.size()));
    std::optional<ArrayData> array = window.transfer.complete();
    if (!array) return refuse("bounds");
    window.last_array = std::move(array);
    return n;
}

std::int32_t Core::State::discard_array(Window& window, int n) {
    return window.transfer.discard() ? n : refuse("order");
}

}  // namespace luwnd
