// Moves, lines, the figures 'A' 21 .. 27 and markers: each drawing command becomes one
// display-list item.
#include <algorithm>

#include "client/channel/block_layout.h"
#include "core_state.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

constexpr std::int32_t kBox22 = 22;
constexpr std::int32_t kBox23 = 23;
constexpr std::int32_t kFirstArc = 25;

constexpr const char* kCoordNames[8] = {"x1", "y1", "x2", "y2", "xs", "ys", "xe", "ye"};

ItemKind figure_kind(std::int32_t code) {
    static constexpr ItemKind kKinds[] = {ItemKind::kBox21, ItemKind::kBox22, ItemKind::kBox23,
                                          ItemKind::kBox24, ItemKind::kArc25, ItemKind::kArc26,
                                          ItemKind::kArc27};
    return kKinds[code - 21];
}

bool draws_markers(const DrawItem& item) {
    return item.kind == ItemKind::kMarker ||
           (item.kind == ItemKind::kPlot && item.plot.style == PlotStyle::kMarkers);
}

// The colour value an item is drawn in: the font's for texts, its own for a point, the
// marker colour for markers when one is set, else the pen's.
std::int32_t item_colour(const WindowState& state, const DrawItem& item, bool text_colour) {
    if (text_colour) return item.font.colour;
    if (item.kind == ItemKind::kPoint) return item.arg1;
    if (draws_markers(item) && state.marker_colour) return *state.marker_colour;
    return state.pen.colour;
}

// Pen widths grow with the resolution as text heights do, so that a picture at 192 dpi is
// the 96 dpi one at twice the size; at 96 dpi a width stays as given.
std::int32_t width_at_resolution(std::int32_t width, std::int32_t dpi) {
    constexpr std::int64_t kBase = 96, kMaxWidth = 16384;
    if (dpi == kBase || width <= 0) return width;
    return static_cast<std::int32_t>(
        std::min(kMaxWidth, (std::int64_t{width} * dpi + kBase / 2) / kBase));
}

}  // namespace

bool Core::State::record(Window& window, DrawItem item, bool text_colour) {
    const WindowState& state = window.state;
    item.pen = state.pen;
    std::int32_t dpi = 96, dpi_y = 96;
    metrics.get(10, dpi, dpi_y);
    item.pen.width = width_at_resolution(state.pen.width, dpi);
    item.marker = state.marker;
    if (item.kind == ItemKind::kPlot && item.plot.style == PlotStyle::kMarkers) {
        item.marker.type = item.arg1;  // the plot mode
        item.marker.size = item.plot.size;
    }
    item.transform = state.transform;
    item.rectangle = state.rectangle;
    item.alpha = state.alpha;
    item.compose = state.compose;
    item.rgb = state.colours.resolve(item_colour(state, item, text_colour)).value_or(0);
    return window.state.display.add(std::move(item));
}

// Slots 2, 3: the new position; a negative x leaves none.
std::int32_t Core::State::move(Window& window, int n, const Slots& slots) {
    window.state.position = {slots.p2, slots.p3};
    return n;
}

// Slots 2, 3: the end point. Without a current position this only moves.
std::int32_t Core::State::line_to(Window& window, int n, const Slots& slots, TraceLine& line) {
    Position& position = window.state.position;
    if (position.valid()) {
        line.add("x1", position.x);
        line.add("y1", position.y);
        DrawItem item;
        item.kind = ItemKind::kLine;
        item.coords = {position.x, position.y, slots.p2, slots.p3};
        item.point_count = 2;
        if (!record(window, std::move(item))) return refuse("bounds");
    }
    position = {slots.p2, slots.p3};
    return n;
}

// Corners in result1 .. result4; 22 with the code in slot 2, 23 with the corner width and
// height in slots 2 and 3, 25 .. 27 with the two ray points in the first four text words.
std::int32_t Core::State::figure(Window& window, int n, const Slots& slots, TraceLine& line) {
    DrawItem item;
    item.kind = figure_kind(slots.p1);
    item.point_count = slots.p1 >= kFirstArc ? 4 : 2;
    for (std::size_t i = 0; i < static_cast<std::size_t>(2 * item.point_count); ++i) {
        item.coords[i] = layout::read_i32(window.block, layout::kResult1 + 4 * i);
        line.add(kCoordNames[i], item.coords[i]);
    }
    if (slots.p1 == kBox22) item.arg1 = slots.p2;
    if (slots.p1 == kBox23) {
        if (slots.p2 < 0 || slots.p3 < 0) return refuse("value");
        item.arg1 = slots.p2;
        item.arg2 = slots.p3;
    }
    return record(window, std::move(item)) ? n : refuse("bounds");
}

// 'A' 17: a marker with the applied marker attributes at slots 2, 3.
std::int32_t Core::State::marker(Window& window, int n, const Slots& slots) {
    DrawItem item;
    item.kind = ItemKind::kMarker;
    item.coords = {slots.p2, slots.p3};
    item.point_count = 1;
    return record(window, std::move(item)) ? n : refuse("bounds");
}

}  // namespace luwnd
