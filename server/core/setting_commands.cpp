// Window and process settings: the open command's five integers, 'B' 10 switches, 'G'
// codes, 'B' 16 values, 'B' 22 after a close and the 'E' 14 counts.
#include "client/channel/block_layout.h"
#include "core_state.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

constexpr std::int32_t kSwitchQuery = -1;
// 'G' families: 0 .. 14 a code of the window, 15 .. 25 the open command's fifth integer
// plus 15; -1 and -2 are what a client sends for a value out of either range.
constexpr std::int32_t kLastCode = 14;
constexpr std::int32_t kFirstOpenCode = 15;
constexpr std::int32_t kLastOpenCode = 25;

}  // namespace

// "I" p1, p2: screen position when both are > 0; p3, p4: colour values for entries 1 and 2
// when >= 0; p5: the 'G' open code 0 .. 10. Values out of range are ignored. New windows
// also start with the 'B' 16 value and the 'G' code of the options, and an empty display
// list of the configured size.
void Core::State::apply_open_parameters(Window& window, const std::int32_t* values) {
    WindowState& state = window.state;
    if (values[0] > 0 && values[1] > 0) state.x = values[0], state.y = values[1];
    if (values[2] >= 0) state.colours.set(values[2], 1);
    if (values[3] >= 0) state.colours.set(values[3], 2);
    if (values[4] >= 0 && values[4] <= kLastOpenCode - kFirstOpenCode)
        state.g_open_code = values[4];
    state.display = DisplayList(config.max_items, &budget);
    if (settings.a) state.b16_value = *settings.a;
    state.g_code = settings.initial_g_code();
}

// 'B' 10: slot 2 a switch code 1 .. 5, slot 3 1 (on), 0 (off) or -1 (query). A set answers
// the window number; a query answers 1 for on and 0 for off. Switches belong to the process.
std::int32_t Core::State::switch_command(int n, const Slots& slots, TraceLine& line) {
    if (slots.p2 < 1 || slots.p2 > ProcessSettings::kSwitches) return refuse("value");
    if (slots.p3 == kSwitchQuery) {
        bool on = settings.switch_on(slots.p2);
        line.add("state", on ? 1 : 0);
        return on ? 1 : 0;
    }
    if (slots.p3 != 0 && slots.p3 != 1) return refuse("value");
    settings.set_switch(slots.p2, slots.p3 == 1);
    return n;
}

std::int32_t Core::State::g_command(Window& window, int n, const Slots& slots) {
    if (slots.p1 == -1 || slots.p1 == -2) return n;
    if (slots.p1 >= 0 && slots.p1 <= kLastCode) {
        window.state.g_code = slots.p1;
        return n;
    }
    if (slots.p1 >= kFirstOpenCode && slots.p1 <= kLastOpenCode) {
        window.state.g_open_code = slots.p1 - kFirstOpenCode;
        return n;
    }
    return refuse("value");
}

std::int32_t Core::State::b16_command(Window& window, int n, const Slots& slots) {
    if (slots.p2 < 1 || slots.p2 > 8) return refuse("value");
    window.state.b16_value = slots.p2;
    return n;
}

// 'B' 22 goes to the window the client took as current after a close: it becomes ours too.
std::int32_t Core::State::window_closed(int n) {
    windows.select(n);
    return n;
}

// 'E' 14: result1 the display-list items, result2 the room left for more, result3 the
// messages shown, result4 the questions asked.
std::int32_t Core::State::display_counts(Window& window, int n, TraceLine& line) {
    std::array<std::int32_t, 4> words = {static_cast<std::int32_t>(window.state.display.size()),
                                         static_cast<std::int32_t>(window.state.display.room()),
                                         window.state.message_count, window.state.question_count};
    write_results(window.block, words, line);
    return n;
}

}  // namespace luwnd
