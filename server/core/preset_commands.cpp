// Pen and marker presets: 'B' 32 saves the window's as one, 'B' 33 applies one to it.
// result3 (u) and result4 (v) carry a pen width and a marker size, -1 for none, in and out.
#include "client/channel/block_layout.h"
#include "core_state.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

constexpr std::int32_t kNone = -1;

struct Overrides {
    std::int32_t width, size;
};

std::optional<Overrides> read_overrides(const std::uint8_t* block) {
    Overrides o{layout::read_i32(block, layout::kResult3),
                layout::read_i32(block, layout::kResult4)};
    auto valid = [](std::int32_t v) { return v >= kNone && v <= kMaxDeviceLength; };
    if (!valid(o.width) || !valid(o.size)) return std::nullopt;
    return o;
}

Preset overridden(Preset preset, const Overrides& o) {
    if (o.width != kNone) preset.pen.width = o.width;
    if (o.size != kNone) preset.marker.size = o.size;
    return preset;
}

void reply(std::uint8_t* block, std::int32_t first, const Preset& preset, TraceLine& line) {
    const std::array<std::int32_t, 3> words = {first, preset.pen.width, preset.marker.size};
    static constexpr const char* kNames[3] = {"r2", "r3", "r4"};
    for (std::size_t i = 0; i < words.size(); ++i) {
        layout::write_i32(block, layout::kResult2 + 4 * i, words[i]);
        line.add(kNames[i], words[i]);
    }
}

// The applied pen and marker back into the block, so that the client reads what is in force.
void write_attribute_words(std::uint8_t* block, const PenState& pen, const MarkerState& marker) {
    const std::pair<std::size_t, std::int32_t> words[] = {
        {layout::kPenStyle, pen.style},       {layout::kPenWidth, pen.width},
        {layout::kPenColour, pen.colour},     {layout::kPenMix, pen.mix},
        {layout::kMarkerType, marker.type},   {layout::kMarkerSize, marker.size},
        {layout::kMarkerAttr1, marker.attr1}, {layout::kMarkerAttr2, marker.attr2},
        {layout::kMarkerAttr3, marker.attr3}};
    for (const auto& [offset, value] : words) layout::write_i32(block, offset, value);
}

}  // namespace

std::int32_t Core::State::save_preset(Window& window, int n, const Slots& slots, TraceLine& line) {
    std::optional<Overrides> o = read_overrides(window.block);
    if (!o) return refuse("value");
    Preset preset = overridden({window.state.pen, window.state.marker}, *o);
    if (!presets.save(slots.p2, preset)) return refuse("value");
    reply(window.block, presets.saved(), preset, line);
    return n;
}

std::int32_t Core::State::apply_preset(Window& window, int n, const Slots& slots, TraceLine& line) {
    std::optional<Overrides> o = read_overrides(window.block);
    const Preset* saved = presets.find(slots.p2);
    if (!o || saved == nullptr) return refuse("value");
    Preset preset = overridden(*saved, *o);
    window.state.pen = preset.pen;
    window.state.marker = preset.marker;
    write_attribute_words(window.block, preset.pen, preset.marker);
    reply(window.block, slots.p2, preset, line);
    return n;
}

}  // namespace luwnd
