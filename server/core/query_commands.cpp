// Queries: 'B' 1 answers in result2 .. result4, 'B' 15 as a reply text in the text area,
// 'P' for the process as a whole in its result.
#include <cstring>
#include <string>

#include "client/channel/block_layout.h"
#include "core_state.h"
#include "further_commands.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

std::string pair_text(std::int64_t a, std::int64_t b) {
    return std::to_string(a) + "," + std::to_string(b);
}

std::int32_t clamp_count(std::size_t count) {
    return count > static_cast<std::size_t>(INT32_MAX) ? INT32_MAX
                                                       : static_cast<std::int32_t>(count);
}

// The reply of 'B' 15 for code a, or nothing for an unknown code.
std::optional<std::string> value_reply(const WindowState& state, std::int32_t code) {
    switch (code) {
        case 1:
            return pair_text(state.page_width, state.page_height);
        case 2:
            if (!state.position.valid()) return std::string("none");
            return pair_text(state.position.x, state.position.y);
        case 3:
            return pair_text(static_cast<std::int64_t>(state.display.size()),
                             static_cast<std::int64_t>(state.display.room()));
        case 4:
            return pair_text(state.b16_value, state.g_code);
        case 5:
            return pair_text(state.shown ? 1 : 0, state.on_top ? 1 : 0);
        default:
            return std::nullopt;
    }
}

}  // namespace

// Slot 2 the kind: 128 the page, 64 the current position, 32 the display list.
std::int32_t Core::State::window_query(Window& window, int n, const Slots& slots, TraceLine& line) {
    const WindowState& state = window.state;
    std::array<std::int32_t, 3> words{};
    switch (slots.p2) {
        case further::kQueryPage:
            words = {state.page_width, state.page_height,
                     layout::read_i32(window.block, layout::kUnitLength)};
            break;
        case further::kQueryPosition:
            words = {state.position.x, state.position.y, state.position.valid() ? 1 : 0};
            break;
        case further::kQueryDisplay:
            words = {clamp_count(state.display.size()), clamp_count(state.display.room()),
                     clamp_count(state.display.point_words())};
            break;
        default:
            return refuse("value");
    }
    static constexpr const char* kNames[3] = {"r2", "r3", "r4"};
    for (std::size_t i = 0; i < words.size(); ++i) {
        layout::write_i32(window.block, layout::kResult2 + 4 * i, words[i]);
        line.add(kNames[i], words[i]);
    }
    return n;
}

std::int32_t Core::State::value_query(Window& window, int n, const Slots& slots, TraceLine& line) {
    std::optional<std::string> reply = value_reply(window.state, slots.p2);
    if (!reply) return refuse("value");
    std::memcpy(window.block + layout::kText, reply->c_str(), reply->size() + 1);
    line.add_text("reply", *reply);
    return n;
}

// 'P' with window 0; code is the third character minus 32.
std::int32_t Core::State::process_query(int n, int code) {
    if (n != 0) return refuse("window");
    switch (code) {
        case further::kOpenWindows: {
            std::int32_t count = 0;
            for (int k = 1; k <= layout::kMaxWindows; ++k) count += windows.find(k) ? 1 : 0;
            return count;
        }
        case further::kProcessNumber:
            return process_number;
        case further::kCurrentWindow:
            return windows.current();
        case further::kPresetsSaved:
            return presets.saved();
        default:
            return refuse("unknown");
    }
}

}  // namespace luwnd
