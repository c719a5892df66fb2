#include "settings.h"

#include <string>

namespace luwnd {
namespace {

constexpr std::string_view kSwitchLetters = "tbril";

// A decimal number of at most nine digits, the whole of the text.
std::optional<std::int32_t> whole_number(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    std::int32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<std::int32_t> ranged(std::string_view text, std::int32_t low, std::int32_t high) {
    std::optional<std::int32_t> value = whole_number(text);
    if (!value || *value < low || *value > high) return std::nullopt;
    return value;
}

// "<a>,<b>" with both numbers at least low.
std::optional<Point2> pair(std::string_view text, std::int32_t low) {
    std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    std::optional<std::int32_t> a = ranged(text.substr(0, comma), low, 999999999);
    std::optional<std::int32_t> b = ranged(text.substr(comma + 1), low, 999999999);
    if (!a || !b) return std::nullopt;
    return Point2{*a, *b};
}

void apply_switch(ProcessSettings& settings, char letter) {
    bool on = letter >= 'a';
    char lower = on ? letter : static_cast<char>(letter - 'A' + 'a');
    std::size_t index = kSwitchLetters.find(lower);
    if (index != std::string_view::npos) settings.switches[index] = on;
}

template <typename T>
void keep_if(std::optional<T>& target, std::optional<T> value) {
    if (value) target = value;
}

// One option without its slash.
void apply_option(ProcessSettings& settings, std::string_view option) {
    if (option.size() == 1 &&
        ((option[0] >= 'a' && option[0] <= 'z') || (option[0] >= 'A' && option[0] <= 'Z'))) {
        apply_switch(settings, option[0]);
        return;
    }
    if (option.substr(0, 3) == "dpi") {
        keep_if(settings.dpi, ranged(option.substr(3), 1, 1200));
        return;
    }
    if (option.empty()) return;
    std::string_view value = option.substr(1);
    switch (option[0]) {
        case 'p':
            keep_if(settings.position, pair(value, 0));
            break;
        case 's':
            keep_if(settings.size, pair(value, 1));
            break;
        case 'a':
            keep_if(settings.a, ranged(value, 1, 4));
            break;
        case 'm':
            keep_if(settings.m, ranged(value, 0, 14));
            break;
        case 'z':
            keep_if(settings.z, ranged(value, 1, 4));
            break;
        default:
            break;
    }
}

}  // namespace

bool ProcessSettings::switch_on(int code) const {
    if (code < 1 || code > kSwitches) return false;
    return switches[static_cast<std::size_t>(code - 1)];
}

bool ProcessSettings::set_switch(int code, bool on) {
    if (code < 1 || code > kSwitches) return false;
    switches[static_cast<std::size_t>(code - 1)] = on;
    return true;
}

std::int32_t ProcessSettings::initial_g_code() const {
    if (z) return *z + 10;
    if (m) return *m;
    return -1;
}

ProcessSettings parse_options(std::string_view text) {
    ProcessSettings settings;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of(" \t", pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view word = text.substr(pos, end - pos);
        if (word.size() > 1 && word[0] == '/') apply_option(settings, word.substr(1));
        pos = end + 1;
    }
    return settings;
}

}  // namespace luwnd
