// The marker colour: 'A' 18 sets it, 'B' 27 returns markers to the pen colour and 'B' 28
// reports it. A client sends 'B' 27 and 'B' 28 together where it would send 'A' 18 with -1.
#include "client/channel/block_layout.h"
#include "core_state.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

constexpr std::int32_t kFollowPen = -1;

}  // namespace

// result1: a colour value, or -1 for the pen colour.
std::int32_t Core::State::set_marker_colour(Window& window, int n, TraceLine& line) {
    std::int32_t value = layout::read_i32(window.block, layout::kResult1);
    line.add("colour", value);
    WindowState& state = window.state;
    if (value == kFollowPen) {
        state.marker_colour.reset();
        return n;
    }
    std::optional<std::uint32_t> rgb = state.colours.resolve(value);
    if (!rgb) return refuse("value");
    line.add_rgb("rgb", *rgb);
    state.marker_colour = value;
    return n;
}

std::int32_t Core::State::marker_colour_query(Window& window, int n, TraceLine& line) {
    const WindowState& state = window.state;
    std::int32_t value = state.marker_colour.value_or(kFollowPen);
    std::int32_t colour = state.marker_colour.value_or(state.pen.colour);
    auto rgb = static_cast<std::int32_t>(state.colours.resolve(colour).value_or(0));
    layout::write_i32(window.block, layout::kResult1, value);
    layout::write_i32(window.block, layout::kResult2, rgb);
    line.add("r1", value);
    line.add("r2", rgb);
    return n;
}

}  // namespace luwnd
