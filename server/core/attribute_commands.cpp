// Colour entries ('A' 5, 'B' 9), the pen and marker attributes ('A' 6), the transform
// ('A' 7, 'B' 30) and the rectangle with its mode ('A' 8).
#include "attribute_mask.h"
#include "client/channel/block_layout.h"
#include "core_state.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

constexpr std::int32_t kLastRectangleMode = 4;

std::array<std::int32_t, 4> result_words(const std::uint8_t* block) {
    std::array<std::int32_t, 4> words{};
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = layout::read_i32(block, layout::kResult1 + 4 * i);
    return words;
}

}  // namespace

// Slot 2 a colour value, slot 3 the entry 0 .. 35. An entry number as the value copies
// that entry as it is now.
std::int32_t Core::State::set_colour_entry(Window& window, int n, const Slots& slots,
                                           TraceLine& line) {
    ColourTable& colours = window.state.colours;
    if (!colours.entry(slots.p3)) return refuse("bounds");
    if (!colours.set(slots.p2, slots.p3)) return refuse("value");
    line.add_rgb("rgb", *colours.entry(slots.p3));
    return n;
}

// Slot 2 the entry; the reply red << 16 | green << 8 | blue replaces slot 2.
std::int32_t Core::State::colour_entry_query(Window& window, int n, const Slots& slots,
                                             TraceLine& line) {
    std::optional<std::uint32_t> rgb = window.state.colours.entry(slots.p2);
    if (!rgb) return refuse("bounds");
    layout::write_i32(window.block, layout::kParam2, static_cast<std::int32_t>(*rgb));
    line.add_rgb("rgb", *rgb);
    return n;
}

std::int32_t Core::State::apply_attributes(Window& window, int n, TraceLine& line) {
    line.add("mask", layout::read_i32(window.block, layout::kChanged));
    WindowState& state = window.state;
    line.add("applied", apply_attribute_mask(window.block, state.colours, state.pen, state.marker));
    return n;
}

// Slots 2, 3 the offsets; result1 .. result4 the 16.16 factors m11, m12, m21, m22.
std::int32_t Core::State::set_transform(Window& window, int n, const Slots& slots,
                                        TraceLine& line) {
    std::array<std::int32_t, 4> m = result_words(window.block);
    window.state.transform = {slots.p2, slots.p3, m[0], m[1], m[2], m[3]};
    line.add("m11", m[0]);
    line.add("m12", m[1]);
    line.add("m21", m[2]);
    line.add("m22", m[3]);
    return n;
}

// The transform back in the words it came in: offsets in slots 2 and 3, factors in
// result1 .. result4.
std::int32_t Core::State::transform_query(Window& window, int n) {
    const Transform& t = window.state.transform;
    layout::write_i32(window.block, layout::kParam2, t.dx);
    layout::write_i32(window.block, layout::kParam3, t.dy);
    const std::int32_t factors[4] = {t.m11, t.m12, t.m21, t.m22};
    for (std::size_t i = 0; i < 4; ++i)
        layout::write_i32(window.block, layout::kResult1 + 4 * i, factors[i]);
    return n;
}

// Corners in result1 .. result4, slot 2 the mode 0 .. 4.
std::int32_t Core::State::set_rectangle(Window& window, int n, const Slots& slots,
                                        TraceLine& line) {
    std::array<std::int32_t, 4> c = result_words(window.block);
    line.add("x1", c[0]);
    line.add("y1", c[1]);
    line.add("x2", c[2]);
    line.add("y2", c[3]);
    if (slots.p2 < 0 || slots.p2 > kLastRectangleMode) return refuse("value");
    window.state.rectangle = {c[0], c[1], c[2], c[3], slots.p2};
    return n;
}

}  // namespace luwnd
