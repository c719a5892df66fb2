// The further window commands of further_commands.h that set something of the window:
// grid, erase, screen position, shown, title, background, removal, on top, picture, and
// the buffered frames of the plot extension (frame_commands.cpp).
#include "further_commands.h"

#include "block_text.h"
#include "client/channel/block_layout.h"
#include "core_state.h"
#include "plotcore/plot_commands.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

// Takes a 0/1 slot into the flag; false for any other value.
bool take_flag(std::int32_t value, bool& flag) {
    if (value != 0 && value != 1) return false;
    flag = value == 1;
    return true;
}

}  // namespace

std::int32_t Core::State::further_a_command(Window& window, int n, const Slots& slots,
                                            TraceLine& line) {
    switch (slots.p1) {
        case further::kGrid:
            return grid(window, n, line);
        case further::kMarkerColour:
            return set_marker_colour(window, n, line);
        case further::kPoint:
            return point(window, n, slots, line);
        default:
            return refuse("unknown");
    }
}

std::int32_t Core::State::further_b_command(Window& window, int n, const Slots& slots,
                                            TraceLine& line) {
    WindowState& state = window.state;
    switch (slots.p1) {
        case further::kWindowQuery:
            return window_query(window, n, slots, line);
        case further::kErase:
            return erase(window, n, line);
        case further::kScreenPosition:
            if (slots.p2 < 0 || slots.p3 < 0) return refuse("value");
            state.x = slots.p2;
            state.y = slots.p3;
            return n;
        case further::kShow:
            return take_flag(slots.p2, state.shown) ? n : refuse("value");
        case further::kTitle:
            return set_title(window, n, line);
        case further::kValueQuery:
            return value_query(window, n, slots, line);
        case further::kBackground:
            return set_background(window, n, slots, line);
        case further::kRemoveLast:
            return remove_last(window, n, slots, line);
        case further::kMarkerPen:
            state.marker_colour.reset();
            return n;
        case further::kMarkerColourQuery:
            return marker_colour_query(window, n, line);
        case further::kOnTop:
            return take_flag(slots.p2, state.on_top) ? n : refuse("value");
        case further::kSavePreset:
            return save_preset(window, n, slots, line);
        case further::kApplyPreset:
            return apply_preset(window, n, slots, line);
        case further::kPictureFormat:
            if (slots.p2 < 0 || slots.p2 > 3) return refuse("value");
            state.picture_format = slots.p2;
            return n;
        case further::kOpacity:
            if (slots.p2 < 0 || slots.p2 > further::kOpaque) return refuse("value");
            state.alpha = static_cast<std::uint8_t>(slots.p2);
            return n;
        case further::kCompositing:
            if (slots.p2 < further::kComposeOver || slots.p2 > further::kComposeXor)
                return refuse("value");
            state.compose = static_cast<std::uint8_t>(slots.p2);
            return n;
        case further::kSavePicture:
            return save_picture(window, n, line);
        case lumora::plotcore::kPlotBlock:
        case lumora::plotcore::kPlotBatch:
        case lumora::plotcore::kFontWidths:
        case lumora::plotcore::kRemoveElement:
            return plot_command(window, n, slots, line);
        case lumora::plotcore::kBufferedFrame:
            return buffered_frame(window, n, slots, line);
        case further::kNextEvent:
            return next_event(window, n, slots, line);
        default:
            return refuse("unknown");
    }
}

// Spacing p (vertical lines) in result2, q (horizontal lines) in result3.
std::int32_t Core::State::grid(Window& window, int n, TraceLine& line) {
    std::int32_t across = layout::read_i32(window.block, layout::kResult2);
    std::int32_t down = layout::read_i32(window.block, layout::kResult3);
    line.add("gx", across);
    line.add("gy", down);
    auto valid = [](std::int32_t v) { return v >= 0 && v <= kMaxDeviceLength; };
    if (!valid(across) || !valid(down) || (across == 0 && down == 0)) return refuse("value");
    DrawItem item;
    item.kind = ItemKind::kGrid;
    item.arg1 = across;
    item.arg2 = down;
    return record(window, std::move(item)) ? n : refuse("bounds");
}

std::int32_t Core::State::erase(Window& window, int n, TraceLine& line) {
    line.add("removed", static_cast<std::int64_t>(window.state.display.size()));
    window.state.display.clear();
    // The frames zoomed on screen are gone with it; a live view draws them again.
    leave_views_behind(window.state.plot_views);
    return n;
}

std::int32_t Core::State::set_title(Window& window, int n, TraceLine& line) {
    std::string_view text = block_text(window.block);
    line.add_text("text", text.substr(0, further::kMaxTitle));
    if (text.size() > further::kMaxTitle) return refuse("bounds");
    window.state.title = std::string(text);
    return n;
}

// Slot 2 the colour value, slot 3 1 to erase as well.
std::int32_t Core::State::set_background(Window& window, int n, const Slots& slots,
                                         TraceLine& line) {
    std::optional<std::uint32_t> rgb = window.state.colours.resolve(slots.p2);
    if (!rgb || (slots.p3 != 0 && slots.p3 != 1)) return refuse("value");
    line.add_rgb("rgb", *rgb);
    window.state.background = slots.p2;
    return slots.p3 == 1 ? erase(window, n, line) : n;
}

std::int32_t Core::State::remove_last(Window& window, int n, const Slots& slots, TraceLine& line) {
    DisplayList& display = window.state.display;
    if (slots.p2 < 1 || static_cast<std::size_t>(slots.p2) > display.size())
        return refuse("bounds");
    display.remove_last(static_cast<std::size_t>(slots.p2));
    line.add("removed", slots.p2);
    return n;
}

}  // namespace luwnd
