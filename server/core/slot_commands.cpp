// Commands that name a window by its character: "%c%c" with the parameter slots of that
// window's block, and "%c%c%c" with one further character. Where each family is told:
// 'A' and 'B' below by sub-code (the further ones in further_commands.h, pictures 'B' 60
// .. 63 in image_commands.cpp), 'N' with 'B' 36 .. 38 in array_commands.cpp.
#include "client/channel/block_layout.h"
#include "core_state.h"
#include "drawing_state.h"
#include "process_text.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

// 'A' sub-codes.
constexpr std::int32_t kAcknowledge = 2;
constexpr std::int32_t kColourEntry = 5;
constexpr std::int32_t kAttributes = 6;
constexpr std::int32_t kTransform = 7;
constexpr std::int32_t kRectangle = 8;
constexpr std::int32_t kTextFont = 9;
constexpr std::int32_t kSymbolFont = 10;
constexpr std::int32_t kMove = 11;
constexpr std::int32_t kText = 15;
constexpr std::int32_t kSymbol = 16;
constexpr std::int32_t kMarker = 17;
constexpr std::int32_t kLine = 20;
constexpr std::int32_t kFirstFigure = 21;
constexpr std::int32_t kLastFigure = 27;

// 'B' sub-codes.
constexpr std::int32_t kMessage = 2;
constexpr std::int32_t kYesNo = 3;
constexpr std::int32_t kColourQuery = 9;
constexpr std::int32_t kDataFile = 11;
constexpr std::int32_t kFileName = 13;
constexpr std::int32_t kTextQuery = 14;
constexpr std::int32_t kSwitch = 10;
constexpr std::int32_t kB16 = 16;
constexpr std::int32_t kTextExtent = 17;
constexpr std::int32_t kSymbolExtent = 18;
constexpr std::int32_t kViewport = 19;
constexpr std::int32_t kClosed = 22;
constexpr std::int32_t kSaveView = 24;
constexpr std::int32_t kRestoreView = 25;
constexpr std::int32_t kTransformQuery = 30;
constexpr std::int32_t kViewportQuery = 31;
constexpr std::int32_t kChunk = 36;
constexpr std::int32_t kComplete = 37;
constexpr std::int32_t kDiscard = 38;
constexpr std::int32_t kWorld = 41;
constexpr std::int32_t kImageAnnounce = 60;
constexpr std::int32_t kImageChunk = 61;
constexpr std::int32_t kImageComplete = 62;
constexpr std::int32_t kImageDiscard = 63;

// 'E' code answered by the window itself rather than the process metrics.
constexpr std::int32_t kDisplayCounts = 14;

constexpr std::int32_t kAbnormalEnd = static_cast<std::int32_t>(0x80000001u);

}  // namespace

void write_results(std::uint8_t* block, const std::array<std::int32_t, 4>& words, TraceLine& line) {
    static constexpr const char* kNames[4] = {"r1", "r2", "r3", "r4"};
    for (std::size_t i = 0; i < words.size(); ++i) {
        layout::write_i32(block, layout::kResult1 + 4 * i, words[i]);
        line.add(kNames[i], words[i]);
    }
}

std::int32_t Core::State::slot_command(char letter, int n, TraceLine& line) {
    line.add("win", n);
    last_slot_window = n;
    if (letter == 'J') return close_window(n);
    Window* window = windows.find(n);
    if (window == nullptr) return refuse("window");
    const Slots slots =
        posted_slots.value_or(Slots{layout::read_i32(window->block, layout::kParam1),
                                    layout::read_i32(window->block, layout::kParam2),
                                    layout::read_i32(window->block, layout::kParam3)});
    line.add("p1", slots.p1);
    line.add("p2", slots.p2);
    line.add("p3", slots.p3);
    switch (letter) {
        case 'A':
            return a_command(*window, n, slots, line);
        case 'B':
            return b_command(*window, n, slots, line);
        case 'E':
            return window_metrics(*window, n, slots, line);
        case 'F':
            return point_query(*window, n, slots, line);
        case 'G':
            return g_command(*window, n, slots);
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
    if (letter == 'P') return process_query(n, arg);
    return refuse("unknown");
}

std::int32_t Core::State::close_window(int n) {
    int current = windows.close(n);
    if (current < 0) return refuse("window");
    refresh_offer();
    return current;
}

std::int32_t Core::State::a_command(Window& window, int n, const Slots& slots, TraceLine& line) {
    if (slots.p1 >= kFirstFigure && slots.p1 <= kLastFigure) return figure(window, n, slots, line);
    switch (slots.p1) {
        case kAcknowledge:
            return n;
        case kColourEntry:
            return set_colour_entry(window, n, slots, line);
        case kAttributes:
            return apply_attributes(window, n, line);
        case kTransform:
            return set_transform(window, n, slots, line);
        case kRectangle:
            return set_rectangle(window, n, slots, line);
        case kTextFont:
        case kSymbolFont:
            return set_font(window, n, slots, line);
        case kMove:
            return move(window, n, slots);
        case kText:
            return draw_text(window, n, slots, line);
        case kSymbol:
            return draw_symbol(window, n, slots, line);
        case kMarker:
            return marker(window, n, slots);
        case kLine:
            return line_to(window, n, slots, line);
        default:
            return further_a_command(window, n, slots, line);
    }
}

std::int32_t Core::State::b_command(Window& window, int n, const Slots& slots, TraceLine& line) {
    switch (slots.p1) {
        case kMessage:
            return show_message(window, line);
        case kYesNo:
            return ask_yes_no(window, n, line);
        case kColourQuery:
            return colour_entry_query(window, n, slots, line);
        case kSwitch:
            return switch_command(n, slots, line);
        case kDataFile:
            return load_data_file(window, n, slots, line);
        case kFileName:
            return file_name_dialog(window, line);
        case kTextQuery:
            return text_query(window, n, line);
        case kB16:
            return b16_command(window, n, slots);
        case kTextExtent:
            return text_extent_query(window, n, line);
        case kSymbolExtent:
            return symbol_extent_query(window, n, line);
        case kViewport:
        case kWorld:
            return coordinates_changed(window, n, line);
        case kClosed:
            return window_closed(n);
        case kSaveView:
            return window.views.save(slots.p2, window.block) ? n : refuse("bounds");
        case kRestoreView:
            return restore_view(window, n, slots, line);
        case kTransformQuery:
            return transform_query(window, n);
        case kViewportQuery:
            return viewport_query(window, n, line);
        case kChunk:
            return array_chunk(window, n, slots, line);
        case kComplete:
            return complete_array(window, n, line);
        case kDiscard:
            return discard_array(window, n);
        case kImageAnnounce:
            return announce_image(window, n, slots, line);
        case kImageChunk:
            return image_chunk(window, n, slots, line);
        case kImageComplete:
            return complete_image(window, n, line);
        case kImageDiscard:
            return discard_image(window, n);
        default:
            return further_b_command(window, n, slots, line);
    }
}

// 'E' with a metric code 1..14: the pair goes to result1 and result2.
std::int32_t Core::State::window_metrics(Window& window, int n, const Slots& slots,
                                         TraceLine& line) {
    if (slots.p1 == kDisplayCounts) return display_counts(window, n, line);
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
    reply_written();
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
