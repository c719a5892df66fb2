#include "plot_lane.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <span>

#include "client/channel/block_layout.h"
#include "client/channel/block_ops.h"
#include "client/channel/client_state.h"
#include "client/channel/primitives.h"
#include "plot_state.h"
#include "plotcore/plot_commands.h"
#include "strip_chart.h"

namespace lumora::plot {
namespace {

constexpr int kStyles = 4;

struct Lane {
    bool asked = false;
    const std::uint8_t* window_block = nullptr;  // the block the lane was made for
    int connection = 0;
    platform::MappedView view;
    std::array<plotcore::FontWidths, kStyles> widths;
    std::array<bool, kStyles> widths_known{};
};

std::array<Lane, layout::kTableSize> lanes;

void release_hook(int window) {
    forget_plot_lane(window);
}

// The lane as it stands for the window's current block: a lane made for an earlier
// block (closed and opened again, another connection) is let go first.
Lane* lane_of(int window) {
    if (window < 1 || window > layout::kMaxWindows) return nullptr;
    const std::uint8_t* block = window_block(window);
    if (block == nullptr) return nullptr;
    Lane& lane = lanes[static_cast<std::size_t>(window)];
    if (lane.asked &&
        (lane.window_block != block || lane.connection != block_table().connection_id)) {
        forget_plot_lane(window);
    }
    return &lane;
}

void ask_for_block(int window, Lane& lane) {
    set_window_release_hook(&release_hook);
    lane.asked = true;
    lane.window_block = window_block(window);
    lane.connection = block_table().connection_id;
    if (command_with_int(window, 'B', plotcore::kPlotBlock) <= 0) return;
    const std::int32_t size = layout::read_i32(window_block(window), layout::kResult1);
    if (size != static_cast<std::int32_t>(plotcore::kPlotBlockSize)) return;
    char name[64];
    std::snprintf(name, sizeof name, plotcore::kPlotBlockFormat, block_table().process_number,
                  window);
    const platform::MappedView view = map_block(name);
    if (view.data != nullptr && view.size < plotcore::kPlotBlockSize) {
        unmap_block(view);
        return;
    }
    lane.view = view;
}

}  // namespace

bool plot_lane_open(int window) {
    Lane* lane = lane_of(window);
    if (lane == nullptr) return false;
    if (!lane->asked) ask_for_block(window, *lane);
    return lane->view.data != nullptr;
}

int send_plot_batch(int window, const plotcore::Bytes& batch, std::int32_t element,
                    bool continued) {
    if (!plot_lane_open(window) || batch.size() > plotcore::kPlotBlockSize) return 0;
    Lane& lane = lanes[static_cast<std::size_t>(window)];
    std::memcpy(lane.view.data, batch.data(), batch.size());
    std::uint8_t* block = window_block(window);
    layout::write_i32(block, layout::kResult1, element);
    layout::write_i32(block, layout::kResult2, continued ? 1 : 0);
    const std::int32_t answer = command_with_2int(window, 'B', plotcore::kPlotBatch,
                                                  static_cast<std::int32_t>(batch.size()));
    if (answer <= 0 || window_block(window) == nullptr) return 0;
    return layout::read_i32(window_block(window), layout::kResult1);
}

plotcore::StyleWidths plot_style_widths(int window) {
    return [window](int style) -> const plotcore::FontWidths& {
        return plot_font_widths(window, style);
    };
}

const plotcore::FontWidths& plot_font_widths(int window, int style) {
    static const plotcore::FontWidths estimate = plotcore::FontWidths::estimate();
    Lane* lane = lane_of(window);
    if (lane == nullptr || style < 0 || style >= kStyles || !plot_lane_open(window)) {
        return estimate;
    }
    const auto index = static_cast<std::size_t>(style);
    if (!lane->widths_known[index]) {
        lane->widths_known[index] = true;
        std::uint8_t* block = window_block(window);
        block[layout::kText] = 0;  // the default face
        if (command_with_2int(window, 'B', plotcore::kFontWidths, style) > 0 &&
            window_block(window) != nullptr) {
            const std::span<const std::uint8_t> reply(window_block(window) + layout::kText,
                                                      layout::kTextSize);
            if (!plotcore::from_wire(reply, lane->widths[index])) lane->widths[index] = estimate;
        } else {
            lane->widths[index] = estimate;
        }
    }
    return lane->widths[index];
}

void forget_plot_lane(int window) {
    if (window == 0) {
        for (int n = 1; n <= layout::kMaxWindows; ++n) forget_plot_lane(n);
        return;
    }
    if (window < 1 || window > layout::kMaxWindows) return;
    Lane& lane = lanes[static_cast<std::size_t>(window)];
    if (lane.view.data != nullptr) unmap_block(lane.view);
    lane = Lane{};
    told_causes(window).clear();  // a window opened again under the number is told anew
    WindowPlot& state = plot_state(window);
    state.layer = 0;
    state.layer_drawn = false;
    forget_strip_charts(window);  // their layers went with the window
}

}  // namespace lumora::plot
