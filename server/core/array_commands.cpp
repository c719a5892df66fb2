// Arrays sent in chunks: 'N' announces, 'B' 36 carries a chunk, 'B' 37 completes and draws,
// 'B' 38 abandons. What each array kind draws is told in array_items.h.
#include "array_items.h"
#include "checksum.h"
#include "client/channel/block_layout.h"
#include "core_state.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

void trace_announce(std::int32_t kind, const std::array<std::int32_t, 4>& words,
                    std::int32_t fill_rule, TraceLine& line) {
    if (kind == kArrayPolygon) line.add("rule", fill_rule);
    if (kind != kArrayPlot) return;
    line.add("run1", words[0]);
    line.add("run2", words[1]);
    line.add("size", words[2]);
    line.add("base", words[3]);
}

}  // namespace

// Refused before anything is allocated: an unknown kind, a count that is not positive or
// too big, a plot mode or size out of range, or a display list without room for the points.
std::int32_t Core::State::announce_array(Window& window, int n, const Slots& slots,
                                         TraceLine& line) {
    window.transfer.discard();
    std::array<std::int32_t, 4> words{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        words[i] = layout::read_i32(window.block, layout::kResult1 + 4 * i);
    }
    std::int32_t fill_rule = layout::read_i32(window.block, layout::kFillRule);
    trace_announce(slots.p1, words, fill_rule, line);
    std::size_t bytes = array_size(slots.p1, slots.p2);
    if (bytes == 0) return refuse("value");
    if (slots.p1 == kArrayPlot && !plot_shape(slots.p2, slots.p3, words)) return refuse("value");
    // Every point of a figure is two words, as is every value of a plot once resolved.
    std::size_t point_words = slots.p1 == kArrayPlot ? bytes / 2 : bytes / 4;
    if (!window.state.display.has_room_for(point_words)) return refuse("bounds");
    if (!window.transfer.announce(slots.p1, slots.p2, slots.p3, words, fill_rule))
        return refuse("value");
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

// The array is kept as the window's last one even when its count draws nothing.
std::int32_t Core::State::complete_array(Window& window, int n, TraceLine& line) {
    if (!window.transfer.pending()) return refuse("order");
    line.add("bytes", static_cast<std::int64_t>(window.transfer.size()));
    std::optional<ArrayData> array = window.transfer.complete();
    if (!array) return refuse("bounds");
    line.add_word("sum", fnv1a_hex(array->bytes));
    std::optional<DrawItem> item = array_item(*array);
    window.last_array = std::move(array);
    if (!item) return refuse("value");
    return record(window, std::move(*item)) ? n : refuse("bounds");
}

std::int32_t Core::State::discard_array(Window& window, int n) {
    return window.transfer.discard() ? n : refuse("order");
}

}  // namespace luwnd
