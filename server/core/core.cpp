#include "core.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <new>

#include "client/channel/block_layout.h"
#include "command_text.h"
#include "core_state.h"
#include "process_text.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

// Longest command a client sends: its command buffer holds 256 bytes.
constexpr std::size_t kMaxCommandLength = 256;

std::string given_or_environment(const std::optional<std::string>& given, const char* name) {
    if (given) return *given;
    const char* text = std::getenv(name);
    return text == nullptr ? std::string() : std::string(text);
}

CoreConfig completed(CoreConfig config) {
    if (!config.joinable) {
        // A window left on the screen is there to be seen and joined; a headless process
        // offers only when asked, since nothing would end it otherwise.
        const std::string asked = given_or_environment(std::nullopt, "LUMORA_JOINABLE");
        config.joinable = asked.empty() ? config.windows_stay_shown : asked == "1";
    }
    return config;
}

// Answered to every command after the user closed a window: the client quits and ends.
constexpr std::int32_t kEndProgram = INT32_MIN + 2;  // 0x80000002

// Default page size at 96 dots per inch.
constexpr std::int32_t kDefaultWidth = 640, kDefaultHeight = 480;

// The position, size and resolution options become the metrics new windows get. Without
// a size option the default page grows with the resolution, so that a dense screen shows
// the same picture at a readable size.
void apply_settings(const ProcessSettings& settings, std::int32_t screen_dpi,
                    ProcessMetrics& metrics) {
    const std::int32_t dpi = settings.dpi ? *settings.dpi : std::clamp(screen_dpi, 1, 1200);
    if (settings.position) metrics.set(-4, 3, settings.position->x, settings.position->y);
    metrics.set(-10, 3, dpi, dpi);
    if (settings.size) {
        metrics.set(-3, 3, settings.size->x, settings.size->y);
    } else if (dpi != 96) {
        metrics.set(-3, 3, kDefaultWidth * dpi / 96, kDefaultHeight * dpi / 96);
    }
}

std::string_view letter_word(std::uint8_t letter, char (&word)[4]) {
    if (letter > 0x20 && letter < 0x7F) {
        word[0] = static_cast<char>(letter);
        return {word, 1};
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    word[0] = '\\';
    word[1] = 'x';
    word[2] = kHex[letter >> 4];
    word[3] = kHex[letter & 0xF];
    return {word, 4};
}

}  // namespace

Core::State::State(BlockHost& block_host, CoreConfig core_config)
    : host(block_host),
      config(completed(std::move(core_config))),
      trace(config.trace_path),
      budget(config.max_drawing_bytes),
      windows(block_host),
      settings(parse_options(config.options)),
      answers(given_or_environment(config.answers, "LUMORA_ANSWERS")),
      event_script(given_or_environment(config.events, "LUMORA_EVENTS")),
      scripted_dialogs(given_or_environment(config.file_answers, "LUMORA_FILE_ANSWERS"),
                       given_or_environment(config.query_answers, "LUMORA_QUERY_ANSWERS")),
      font_widths(config.text_measure) {
    apply_settings(settings, config.screen_dpi, metrics);
}

void Core::State::write_header(int state) {
    claimable = state == kStateIdle;
    if (process_block == nullptr) return;
    if (reply_unread) {
        held_header = state;
        return;
    }
    write_process_text(process_block, header_line(state, config.window_handle, config.connection_id,
                                                  config.version));
}

void Core::State::reply_written() {
    reply_unread = config.host_tracks_replies;
}

std::int32_t Core::State::dispatch(std::uint32_t tag, const std::uint8_t* data, std::size_t length,
                                   TraceLine& line) {
    if (data == nullptr || length == 0) {
        line.add_word("cmd", "none");
        return refuse("length");
    }
    char word[4];
    line.add_word("cmd", letter_word(data[0], word));
    auto letter = static_cast<char>(data[0]);
    if (tag != 1) return refuse("tag");
    // A window the user closed ends the program: everything but its quit is answered so.
    if (end_requested && letter != 'L' && !reports_close(letter, data, length)) {
        refusal = "closed";
        return kEndProgram;
    }
    if (length > kMaxCommandLength) return refuse("length");
    if (length < 3) return refuse("length");
    if (length == 3 && data[2] == 0) return slot_command(letter, data[1] - 32, line);
    if (letter == 'O' && data[1] == ',') return probe(data, length, line);
    if (length == 4 && data[3] == 0) return char_command(letter, data[1] - 32, data[2] - 32, line);
    if (data[1] != ',') return refuse("syntax");
    std::optional<std::string_view> text = terminated_text(data, length);
    if (!text) return refuse("length");
    return comma_command(letter, *text, line);
}

Core::Core(BlockHost& host, CoreConfig config)
    : state_(std::make_unique<State>(host, std::move(config))) {}

Core::~Core() {
    state_->windows.close_all();
    if (state_->process_block != nullptr) state_->host.destroy_block(state_->process_name);
}

int Core::publish() {
    State& s = *state_;
    if (s.process_block != nullptr) return s.process_number;
    for (int k = 1; k <= layout::kMaxProcesses; ++k) {
        std::string name = std::string(layout::kBlockPrefix) + std::to_string(k);
        std::uint8_t* block = s.host.create_block(name, layout::kProcessBlockSize);
        if (block == nullptr) continue;
        s.process_block = block;
        s.process_name = name;
        s.process_number = k;
        s.write_header(kStateIdle);
        return k;
    }
    return 0;
}

std::int32_t Core::handle(std::uint32_t tag, const std::uint8_t* data, std::size_t length) {
    State& s = *state_;
    TraceLine line(s.trace.enabled());
    s.refusal = nullptr;
    std::int32_t result = 0;
    try {
        result = s.dispatch(tag, data, length, line);
    } catch (const std::bad_alloc&) {
        // Out of memory for this command only: it is refused, the process goes on.
        result = s.refuse("memory");
    }
    if (s.trace.enabled()) {
        line.add("ret", result);
        if (s.refusal != nullptr) line.add_word("err", s.refusal);
        s.trace.write(line);
    }
    return result;
}

std::int32_t Core::handle_posted(std::uint8_t letter, std::uint8_t window_char,
                                 const std::array<std::int32_t, 3>& slots) {
    constexpr std::int32_t kMove = 11, kLine = 20, kErase = 4;
    const bool path = letter == 'A' && (slots[0] == kMove || slots[0] == kLine);
    if (!path && !(letter == 'B' && slots[0] == kErase)) return 0;
    const std::uint8_t command[3] = {letter, window_char, 0};
    state_->posted_slots = Slots{slots[0], slots[1], slots[2]};
    const std::int32_t result = handle(1, command, sizeof command);
    state_->posted_slots.reset();
    return result;
}

// A line is one item of the size of an item without points or text.
std::uint32_t Core::posting_room() {
    State& s = *state_;
    std::size_t room = s.budget.left() / item_cost(std::size_t{0});
    for (int n = 1; n <= layout::kMaxWindows; ++n)
        if (Window* window = s.windows.find(n)) room = std::min(room, window->state.display.room());
    return static_cast<std::uint32_t>(std::min<std::size_t>(room, UINT32_MAX));
}

bool Core::reply_unread() const {
    return state_->reply_unread;
}

void Core::reply_read() {
    State& s = *state_;
    if (!s.reply_unread) return;
    s.reply_unread = false;
    if (s.held_header >= 0) s.write_header(s.held_header);
    s.held_header = -1;
    s.refresh_offer();
}

void Core::client_gone() {
    State& s = *state_;
    s.connected = false;
    s.end_requested = false;
    s.end_frames();
    for (int n = 1; n <= layout::kMaxWindows; ++n) {
        if (Window* window = s.windows.find(n)) {
            window->transfer.discard();
            window->image_transfer.discard();
            window->state.cursor_wait.reset();
        }
    }
    if (s.offering) {
        s.refresh_offer();
    } else {
        s.write_header(s.config.ends_after_quit ? kStateEnding : kStateIdle);
    }
}

void Core::end_frames() {
    state_->end_frames();
}

int Core::process_number() const {
    return state_->process_number;
}

std::int32_t Core::resolution() const {
    std::int32_t across = 96, down = 96;
    state_->metrics.get(10, across, down);
    return across;
}

bool Core::claimed_once() const {
    return state_->claimed_once;
}

bool Core::quit_requested() const {
    return state_->quit;
}

bool Core::offers_join() const {
    return state_->offering;
}

const ArrayData* Core::completed_array(int window) const {
    Window* found = state_->windows.find(window);
    if (found == nullptr || !found->last_array) return nullptr;
    return &*found->last_array;
}

const WindowState* Core::window_state(int window) const {
    Window* found = state_->windows.find(window);
    return found == nullptr ? nullptr : &found->state;
}

const std::uint8_t* Core::slots_of(int window) const {
    Window* found = state_->windows.find(window);
    return found == nullptr ? nullptr : found->block + layout::kParam1;
}

int Core::last_slot_window() const {
    return state_->last_slot_window;
}

std::uint64_t Core::window_changes() const {
    return state_->windows.changes();
}

const ProcessSettings& Core::settings() const {
    return state_->settings;
}

}  // namespace luwnd
