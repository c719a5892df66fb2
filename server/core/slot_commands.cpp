// Commands that name a window by its character: "%c%c" with the parameter slots of that
// window's block, and "%c%c%c" with one further character.
#include "client/channel/block_layout.h"
#include "core_state.h"
#include "drawing_state.h"
#include "process_text.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

// 'B' sub-codes handled so far.
constexpr std::int32_t kViewport = 19;
constexpr std::int32_t kSaveView = 24;
constexpr std::int32_t kRestoreView = 25;
constexpr std::int32_t kChunk = 36;
constexpr std::int32_t kComplete = 37;
constexpr std::int32_t kDiscard = 38;
constexpr std::int32_t kWorld = 41;
// 'A' sub-code of a request without parameters.
constexpr std::int32_t kAcknowledge = 2;

constexpr std::int32_t kAbnormalEnd = static_cast<std::int32_t>(0x80000001u);

}  // namespace

std::int32_t Core::State::slot_command(char letter, int n, TraceLine& line) {
    line.add("win", n);
    if (letter == 'J') return close_window(n);
    Window* window = windows.find(n);
    if (window == nullptr) return refuse("window");
    Slots slots{layout::read_i32(window->block, layout::kParam1),
                layout::read_i32(window->block, layout::kParam2),
                layout::read_i32(window->block, layout::kParam3)};
    line.add("p1", slots.p1);
    line.add("p2", slots.p2);
    line.add("p3", slots.p3);
    switch (letter) {
        case 'A':
            return a_command(*window, n, slots);
        case 'B':
            return b_command(*window, n, slots, line);
        case 'E':
            return window_metrics(*window, n, slots);
        case 'N':
            return announce_array(*window, n, slots, line);
        case 'O':
            return channel_test(slots);
        default:
            return refuse("unknown");
    }
}

std::int32_t Core::State::char_command(char letter, int n, int arg, TraceLine& line) {
    line.add("win", n);
    line.add("arg", arg);
    if (letter == 'E' && n == 0 && arg == 0) return mailbox(line);
    return refuse("unknown");
}

std::int32_t Core::State::close_window(int n) {
    int current = windows.close(n);
    if (current < 0) return refuse("window");
    return current;
}

std::int32_t Core::State::a_command(Window&, int n, const Slots& slots) {
    if (slots.p1 == kAcknowledge) return n;
    return refuse("unknown");
}

std::int32_t Core::State::b_command(Window& window, int n, const Slots& slots, TraceLine& line) {
    switch (slots.p1) {
        case kViewport:
        case kWorld:
            update_origin(window.block);
            return n;
        case kSaveView:
            return window.views.save(slots.p2, window.block) ? n : refuse("bounds");
        case kRestoreView:
            return window.views.restore(slots.p2, window.block) ? n : refuse("value");
        case kChunk:
            return array_chunk(window, n, slots, line);
        case kComplete:
            return complete_array(window, n, line);
        case kDiscard:
            return discard_array(window, n);
        default:
            return refuse("unknown");
    }
}

// 'E' with a metric code 1..14: the pair goes to result1 and result2.
std::int32_t Core::State::window_metrics(Window& window, int n, const Slots& slots) {
    std::int32_t first = 0, second = 0;
    if (slots.p1 == 1) {
        first = layout::read_i32(window.block, layout::kPageWidth);
        second = layout::read_i32(window.block, layout::kPageHeight);
    } else if (!metrics.get(slots.p1, first, second)) {
        return refuse("unknown");
    }
    layout::write_i32(window.block, layout::kResult1, first);
    layout::write_i32(window.block, layout::kResult2, second);
    return n;
}

// The client's channel test: fixed answers that only survive an intact 32-bit channel.
std::int32_t Core::State::channel_test(const Slots& slots) {
    if (slots.p1 == 1) return kAbnormalEnd;
    if (slots.p1 == 2) return INT32_MAX;
    return refuse("value");
}

// 'E' to window 0: request "code;mask;a;b;" in the process block, reply "3;a;b;".
std::int32_t Core::State::mailbox(TraceLine& line) {
    if (process_block == nullptr) return refuse("order");
    std::optional<std::string_view> text = read_process_text(process_block);
    std::optional<MailboxRequest> request;
    if (text) request = parse_mailbox(*text);
    write_process_text(process_block, "");
    if (!request) return refuse("syntax");
    line.add("code", request->code);
    line.add("mask", request->mask);
    line.add("a", request->a);
    line.add("b", request->b);
    std::int32_t first = request->a, second = request->b;
    bool known = request->code > 0 ? metrics.get(request->code, first, second)
                                   : metrics.set(request->code, request->mask, first, second) &&
                                         metrics.get(-request->code, first, second);
    if (!known) return refuse("unknown");
    std::string reply = mailbox_reply(first, second);
    write_process_text(process_block, reply);
    line.add_text("reply", reply);
    return 1;
}

}  // namespace luwnd
