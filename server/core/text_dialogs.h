// The dialogs of the window process that answer with a text: the file-name dialog
// ('B' 13) and the text query ('B' 14). A host with a display may show real ones; the
// scripted dialogs below answer when nobody can type (no display, tests):
//
//   LUMORA_FILE_ANSWERS   answers of the file-name dialog, in order, separated by '|'
//   LUMORA_QUERY_ANSWERS  answers of the text query, likewise
//
// An empty answer cancels. When its list is used up, or there is none, the file-name
// dialog takes the initial text when that is a concrete name (not empty, no '*' or '?')
// and cancels otherwise; the text query cancels.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace luwnd {

class TextDialogs {
  public:
    virtual ~TextDialogs() = default;
    // The chosen path, or nothing when cancelled; initial is a name or a pattern.
    virtual std::optional<std::string> choose_file(std::string_view initial) = 0;
    // The text typed in answer to the prompt, or nothing when cancelled.
    virtual std::optional<std::string> ask_text(std::string_view prompt) = 0;
    // Shows a message ('B' 2) to the user and returns once it was seen; false when this
    // host cannot show one (it is then only kept).
    virtual bool show_message(std::string_view) { return false; }
    // Asks the user a yes/no question ('B' 3): 6 yes, 7 no, 2 cancelled; nothing when
    // this host cannot ask (the scripted answer then applies).
    virtual std::optional<std::int32_t> ask_yes_no(std::string_view) { return std::nullopt; }
};

// One list of scripted answers, taken in order.
class TextScript {
  public:
    explicit TextScript(std::string_view text = {});
    // The next answer (nothing for an empty one: cancel), or no entry when used up.
    std::optional<std::optional<std::string>> next();

  private:
    std::vector<std::string> answers_;
    std::size_t next_ = 0;
};

class ScriptedDialogs : public TextDialogs {
  public:
    ScriptedDialogs(std::string_view file_answers, std::string_view query_answers)
        : files_(file_answers), queries_(query_answers) {}
    std::optional<std::string> choose_file(std::string_view initial) override;
    std::optional<std::string> ask_text(std::string_view prompt) override;

  private:
    TextScript files_;
    TextScript queries_;
};

}  // namespace luwnd
