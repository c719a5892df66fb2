#include "event_script.h"

#include <charconv>
#include <string>

namespace luwnd {
namespace {

constexpr std::int32_t kMaxPixel = 16384;

// The item's words, lower-cased; more than five words cannot be an item.
std::vector<std::string> words_of(std::string_view item) {
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (words.size() <= 5) {
        pos = item.find_first_not_of(" \t", pos);
        if (pos == std::string_view::npos) break;
        std::size_t end = item.find_first_of(" \t", pos);
        if (end == std::string_view::npos) end = item.size();
        std::string word(item.substr(pos, end - pos));
        for (char& c : word)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        words.push_back(std::move(word));
        pos = end;
    }
    return words;
}

std::optional<std::int32_t> number_in(std::string_view word, std::int32_t low, std::int32_t high) {
    std::int32_t value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || stop != end || value < low || value > high) return std::nullopt;
    return value;
}

std::optional<std::int32_t> key_code(std::string_view original, const std::string& word) {
    if (original.size() == 1) {
        const auto c = static_cast<unsigned char>(original[0]);
        if (c > ' ' && c < 127) return c;
        return std::nullopt;
    }
    if (word == "space") return ' ';
    if (word == "enter") return '\r';
    if (word == "tab") return '\t';
    if (word == "esc") return 27;
    if (word == "backspace") return 8;
    if (word[0] == '#') return number_in(std::string_view(word).substr(1), 1, 255);
    return number_in(word, 1, 255);
}

// The key's word as written (a letter keeps its case).
std::string_view original_key(std::string_view item) {
    std::size_t pos = item.find_first_not_of(" \t");
    pos = item.find_first_of(" \t", pos);
    pos = item.find_first_not_of(" \t", pos);
    if (pos == std::string_view::npos) return {};
    const std::size_t end = item.find_first_of(" \t", pos);
    return item.substr(pos, end == std::string_view::npos ? end : end - pos);
}

std::optional<WindowEvent> key(std::string_view item, const std::vector<std::string>& w) {
    if (w.size() != 2 && w.size() != 4) return std::nullopt;
    const auto code = key_code(original_key(item), w[1]);
    const auto x = w.size() == 4 ? number_in(w[2], 0, kMaxPixel) : 0;
    const auto y = w.size() == 4 ? number_in(w[3], 0, kMaxPixel) : 0;
    if (!code || !x || !y) return std::nullopt;
    return WindowEvent{EventKind::kKey, *code, *x, *y};
}

std::optional<WindowEvent> click(const std::vector<std::string>& w) {
    if (w.size() != 4) return std::nullopt;
    const auto button = number_in(w[1], 1, 3);
    const auto x = number_in(w[2], 0, kMaxPixel);
    const auto y = number_in(w[3], 0, kMaxPixel);
    if (!button || !x || !y) return std::nullopt;
    static constexpr std::int32_t kCodes[] = {kButtonLeft, kButtonMiddle, kButtonRight};
    return WindowEvent{EventKind::kButton, kCodes[*button - 1], *x, *y};
}

std::optional<WindowEvent> resize(const std::vector<std::string>& w) {
    if (w.size() != 3) return std::nullopt;
    const auto width = number_in(w[1], 1, kMaxPixel);
    const auto height = number_in(w[2], 1, kMaxPixel);
    if (!width || !height) return std::nullopt;
    return WindowEvent{EventKind::kResize, 0, *width, *height};
}

}  // namespace

std::optional<WindowEvent> parse_event_item(std::string_view item) {
    const std::vector<std::string> w = words_of(item);
    if (w.empty()) return std::nullopt;
    if (w[0] == "click") return click(w);
    if (w[0] == "resize") return resize(w);
    if (w.size() == 1 && w[0] == "close") return WindowEvent{EventKind::kClose, 0, 0, 0};
    if (w.size() == 1 && w[0] == "none") return WindowEvent{};
    if (w[0] == "key") return key(item, w);
    return std::nullopt;
}

EventScript::EventScript(std::string_view text) {
    std::size_t pos = 0;
    while (!text.empty() && events_.size() + malformed_ < kMaxItems) {
        const std::size_t comma = text.find(',', pos);
        if (auto event = parse_event_item(text.substr(pos, comma - pos)))
            events_.push_back(*event);
        else
            ++malformed_;
        if (comma == std::string_view::npos) break;
        pos = comma + 1;
    }
}

std::optional<WindowEvent> EventScript::next() {
    if (used_up()) return std::nullopt;
    return events_[next_++];
}

}  // namespace luwnd
