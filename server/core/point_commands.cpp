// Single pixels: 'A' 19 sets one to a colour, 'F' asks for the colour last set there.
#include "client/channel/block_layout.h"
#include "core_state.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

constexpr std::int32_t kPenColour = -1;
constexpr std::int32_t kRgbFlag = 0x02000000;

bool inside_page(const WindowState& state, std::int32_t x, std::int32_t y) {
    return x >= 0 && y >= 0 && x < state.page_width && y < state.page_height;
}

// Packed red << 16 | green << 8 | blue as the RGB colour value with red in the low byte.
std::int32_t rgb_colour_value(std::uint32_t rgb) {
    std::uint32_t red = rgb >> 16 & 0xFF, green = rgb >> 8 & 0xFF, blue = rgb & 0xFF;
    return kRgbFlag | static_cast<std::int32_t>(red | green << 8 | blue << 16);
}

}  // namespace

// result1 the colour value (-1 the pen colour), slots 2, 3 the pixel.
std::int32_t Core::State::point(Window& window, int n, const Slots& slots, TraceLine& line) {
    std::int32_t value = layout::read_i32(window.block, layout::kResult1);
    line.add("value", value);
    WindowState& state = window.state;
    if (value == kPenColour) value = state.pen.colour;
    std::optional<std::uint32_t> rgb = state.colours.resolve(value);
    if (!rgb) return refuse("value");
    line.add_rgb("rgb", *rgb);
    if (!inside_page(state, slots.p2, slots.p3)) return refuse("bounds");
    DrawItem item;
    item.kind = ItemKind::kPoint;
    item.coords = {slots.p2, slots.p3};
    item.point_count = 1;
    item.arg1 = value;
    return record(window, std::move(item)) ? n : refuse("bounds");
}

// Slots 1, 2 the pixel; the answer in result1.
std::int32_t Core::State::point_query(Window& window, int n, const Slots& slots, TraceLine& line) {
    const WindowState& state = window.state;
    if (!inside_page(state, slots.p1, slots.p2)) return refuse("bounds");
    const std::vector<DrawItem>& items = state.display.items();
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        if (it->kind != ItemKind::kPoint || it->coords[0] != slots.p1 || it->coords[1] != slots.p2)
            continue;
        std::int32_t answer = rgb_colour_value(it->rgb);
        layout::write_i32(window.block, layout::kResult1, answer);
        line.add("r1", answer);
        return n;
    }
    return refuse("value");
}

}  // namespace luwnd
