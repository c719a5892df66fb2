#include "text_dialogs.h"

namespace luwnd {

TextScript::TextScript(std::string_view text) {
    if (text.empty()) return;
    std::size_t pos = 0;
    while (true) {
        std::size_t bar = text.find('|', pos);
        answers_.emplace_back(text.substr(pos, bar - pos));
        if (bar == std::string_view::npos) break;
        pos = bar + 1;
    }
}

std::optional<std::optional<std::string>> TextScript::next() {
    if (next_ >= answers_.size()) return std::nullopt;
    const std::string& answer = answers_[next_++];
    if (answer.empty()) return std::optional<std::string>{};
    return std::optional<std::string>{answer};
}

std::optional<std::string> ScriptedDialogs::choose_file(std::string_view initial) {
    if (auto scripted = files_.next()) return *scripted;
    if (initial.empty() || initial.find_first_of("*?") != std::string_view::npos) return {};
    return std::string(initial);
}

std::optional<std::string> ScriptedDialogs::ask_text(std::string_view) {
    if (auto scripted = queries_.next()) return *scripted;
    return {};
}

}  // namespace luwnd
