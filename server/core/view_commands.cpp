// Coordinate systems: 'B' 19 viewport and 'B' 41 world window set by the client, 'B' 25
// restore of a saved view, 'B' 31 viewport query.
#include "client/channel/block_layout.h"
#include "core_state.h"
#include "drawing_state.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

void trace_origin(const std::uint8_t* block, TraceLine& line) {
    line.add("x0", layout::read_i32(block, layout::kOriginX));
    line.add("y0", layout::read_i32(block, layout::kOriginY));
}

}  // namespace

// The client has written scales, world window, viewport and pixel mode; the page words are
// ours again and the origin follows the viewport's lower left corner.
std::int32_t Core::State::coordinates_changed(Window& window, int n, TraceLine& line) {
    write_page_words(window.state, window.block);
    update_origin(window.block);
    line.add("unit", layout::read_i32(window.block, layout::kUnitLength));
    trace_origin(window.block, line);
    return n;
}

// Every saved word comes back except the page size, which is the drawing area's own. The
// current drawing position comes back too, so that the next line starts where the client
// now believes it does.
std::int32_t Core::State::restore_view(Window& window, int n, const Slots& slots, TraceLine& line) {
    if (!window.views.restore(slots.p2, window.block)) return refuse("value");
    layout::write_i32(window.block, layout::kPageWidth, window.state.page_width);
    layout::write_i32(window.block, layout::kPageHeight, window.state.page_height);
    window.state.position = {layout::read_i32(window.block, layout::kPenX),
                             layout::read_i32(window.block, layout::kPenY)};
    trace_origin(window.block, line);
    return n;
}

// The viewport in device pixels: left, top, right, bottom in result1 .. result4, taken
// from the corners as the client gave them (not sorted).
std::int32_t Core::State::viewport_query(Window& window, int n, TraceLine& line) {
    double unit = layout::read_i32(window.block, layout::kUnitLength);
    double height = window.state.page_height;
    std::array<std::int32_t, 4> words = {
        to_device(layout::read_f32(window.block, layout::kViewX1) * unit),
        to_device(height - layout::read_f32(window.block, layout::kViewY2) * unit),
        to_device(layout::read_f32(window.block, layout::kViewX2) * unit),
        to_device(height - layout::read_f32(window.block, layout::kViewY1) * unit),
    };
    write_results(window.block, words, line);
    return n;
}

}  // namespace luwnd
