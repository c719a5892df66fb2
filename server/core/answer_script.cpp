#include "answer_script.h"

#include <string>

namespace luwnd {
namespace {

std::int32_t answer_of(std::string_view word) {
    std::size_t first = word.find_first_not_of(" \t");
    std::size_t last = word.find_last_not_of(" \t");
    std::string lower;
    if (first != std::string_view::npos) {
        for (char c : word.substr(first, last - first + 1))
            lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    if (lower == "yes" || lower == "y" || lower == "1") return kAnswerYes;
    if (lower == "no" || lower == "n" || lower == "0") return kAnswerNo;
    return kAnswerCancel;
}

}  // namespace

AnswerScript::AnswerScript(std::string_view text) {
    if (text.empty()) return;
    std::size_t pos = 0;
    while (true) {
        std::size_t comma = text.find(',', pos);
        answers_.push_back(answer_of(text.substr(pos, comma - pos)));
        if (comma == std::string_view::npos) break;
        pos = comma + 1;
    }
}

std::int32_t AnswerScript::next() {
    if (next_ >= answers_.size()) return kAnswerYes;
    return answers_[next_++];
}

}  // namespace luwnd
