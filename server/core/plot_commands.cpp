// The plot extension's commands of further_commands.h but the buffered frame: the plot
// block ('B' 70), batches ('B' 71), font widths ('B' 73) and removing an element ('B' 74).
#include <cstring>
#include <memory>
#include <vector>

#include "block_text.h"
#include "client/channel/block_layout.h"
#include "core_state.h"
#include "plot_relayout.h"
#include "plotcore/batch_format.h"
#include "plotcore/batch_reader.h"
#include "plotcore/font_widths.h"
#include "plotcore/plot_commands.h"

namespace luwnd {

namespace layout = lumora::layout;
namespace plotcore = lumora::plotcore;

namespace {

// Longest face name taken, as for the fonts of 'A' 9.
constexpr std::size_t kMaxFace = 255;
constexpr std::int32_t kStyleBits = 3;  // 1 bold, 2 italic

bool is_element(std::int32_t h) {
    return h >= 1 && h <= plotcore::kMaxElement;
}

void resolve_colours(plotcore::Items& items, const ColourTable& colours) {
    for (plotcore::Item& item : items) luwnd::resolve_colours(item, colours);
}

}  // namespace

std::int32_t Core::State::plot_command(Window& window, int n, const Slots& slots, TraceLine& line) {
    if (!config.plot_extension) return refuse("unknown");
    switch (slots.p1) {
        case plotcore::kPlotBlock:
            return make_plot_block(window, n, line);
        case plotcore::kPlotBatch:
            return draw_batch(window, n, slots, line);
        case plotcore::kFontWidths:
            return font_widths_reply(window, n, slots, line);
        case plotcore::kRemoveElement:
            return remove_element(window, n, slots, line);
        default:
            return refuse("unknown");
    }
}

std::int32_t Core::State::make_plot_block(Window& window, int n, TraceLine& line) {
    if (windows.make_plot_block(process_number, n) == nullptr) return refuse("memory");
    write_results(window.block, {static_cast<std::int32_t>(plotcore::kPlotBlockSize), 0, 0, 0},
                  line);
    return n;
}

// Slot 2 the byte count, 240 the element h, 244 c (0 first, 1 continued).
std::int32_t Core::State::draw_batch(Window& window, int n, const Slots& slots, TraceLine& line) {
    const std::int32_t h = layout::read_i32(window.block, layout::kResult1);
    const std::int32_t c = layout::read_i32(window.block, layout::kResult2);
    line.add("h", h);
    line.add("c", c);
    line.add("bytes", slots.p2);
    if ((h != 0 && !is_element(h)) || (c != 0 && c != 1)) return refuse("value");
    if (window.plot_block == nullptr) return refuse("order");
    if (slots.p2 < 0 || static_cast<std::size_t>(slots.p2) > plotcore::kPlotBlockSize)
        return refuse("bounds");
    // Copied first: the program may write the next batch into the block meanwhile.
    const std::vector<std::uint8_t> bytes(window.plot_block, window.plot_block + slots.p2);
    plotcore::ReadResult batch = plotcore::read_batch(bytes);
    if (!batch.ok) {
        line.add_text("error", batch.error);
        return refuse("value");
    }
    const auto count = static_cast<std::int32_t>(batch.items.size());
    line.add("items", count);
    resolve_colours(batch.items, window.state.colours);
    DrawItem item;
    item.kind = ItemKind::kBatch;
    const auto items = std::make_shared<const plotcore::Items>(std::move(batch.items));
    item.batch = items;
    item.element = h;
    item.transform = window.state.transform;
    item.rectangle = window.state.rectangle;
    item.alpha = window.state.alpha;
    item.compose = window.state.compose;
    DisplayList& display = window.state.display;
    bool added = false;
    if (h == 0) {
        added = display.add(std::move(item));
    } else if (c == 0) {
        added = display.replace_element(std::move(item));
    } else {
        const std::size_t at = display.element_end(h).value_or(display.size());
        added = display.insert(at, std::move(item));
    }
    if (!added) return refuse(display.full() ? "bounds" : "memory");
    // A frame the user zoomed on screen shows what the program adds to it in the same view,
    // and a frame drawn again as it was keeps the view.
    FrameViews& views = window.state.plot_views;
    if (!views.empty()) {
        take_over_views(views, *items, frame_numbers(display));
        relay_plots(window);
    }
    layout::write_i32(window.block, layout::kResult1, count);
    return n;
}

// Slot 2 the style bits, the text area the face.
std::int32_t Core::State::font_widths_reply(Window& window, int n, const Slots& slots,
                                            TraceLine& line) {
    const std::string_view face = block_text(window.block);
    line.add_text("face", face.substr(0, kMaxFace));
    if (slots.p2 < 0 || slots.p2 > kStyleBits) return refuse("value");
    if (face.size() > kMaxFace) return refuse("bounds");
    const std::vector<std::uint8_t> wire = plotcore::to_wire(font_widths.get(face, slots.p2));
    std::memcpy(window.block + layout::kText, wire.data(), wire.size());
    return n;
}

std::int32_t Core::State::remove_element(Window& window, int n, const Slots& slots,
                                         TraceLine& line) {
    if (!is_element(slots.p2)) return refuse("value");
    const std::size_t removed = window.state.display.remove_element(slots.p2);
    line.add("removed", static_cast<std::int64_t>(removed));
    return removed > 0 ? n : refuse("value");
}

}  // namespace luwnd
