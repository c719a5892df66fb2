#include "join_offer.h"

#include "client/channel/block_layout.h"
#include "core_state.h"
#include "process_text.h"

namespace luwnd {

namespace layout = lumora::layout;

std::string offer_title(int window, std::string_view title) {
    std::string line(title.substr(0, kMaxLineRest));
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    }
    if (line.find_first_not_of(' ') == std::string::npos) line = "Window " + std::to_string(window);
    return line;
}

std::string offer_process_line(std::int64_t handle, int id, std::string_view version) {
    return header_line(0, handle, id, version).substr(2);
}

std::string join_header_line(int window, std::string_view title, std::int64_t handle, int id,
                             std::string_view version) {
    return std::to_string(window) + "," + offer_title(window, title) + "\n" +
           offer_process_line(handle, id, version);
}

bool Core::State::offer_windows() {
    offering = config.joinable.value_or(false) && offered_window() != 0;
    refresh_offer();
    return offering;
}

int Core::State::offered_window() {
    auto offerable = [this](int n) {
        const Window* window = windows.find(n);
        return window != nullptr && !window->closed_on_screen;
    };
    if (offerable(windows.current())) return windows.current();
    for (int n = 1; n <= layout::kMaxWindows; ++n) {
        if (offerable(n)) return n;
    }
    return 0;
}

void Core::State::refresh_offer() {
    if (!offering || process_block == nullptr) return;
    const int n = offered_window();
    Window* window = windows.find(n);
    if (window == nullptr) {
        offering = false;
        write_header(kStateIdle);
        return;
    }
    claimable = false;         // joined, not taken over
    if (reply_unread) return;  // published again by reply_read
    write_process_text(process_block, join_header_line(n, window->state.title, config.window_handle,
                                                       config.connection_id, config.version));
}

}  // namespace luwnd
