// The message ('B' 2) and yes/no question ('B' 3). A host with a display shows them to the
// user; without one nobody can click, so messages are kept and questions answered from
// the script. Scripted answers, when given, rule even with a display, so that a test
// never waits for a click.
#include "block_text.h"
#include "client/channel/block_layout.h"
#include "core_state.h"

namespace luwnd {

namespace layout = lumora::layout;

// The text from the text area is kept with the window; the answer is 1.
std::int32_t Core::State::show_message(Window& window, TraceLine& line) {
    std::string_view text = block_text(window.block);
    line.add_text("text", text);
    WindowState& state = window.state;
    if (state.messages.size() < WindowState::kMaxMessages) state.messages.emplace_back(text);
    if (state.message_count < INT32_MAX) ++state.message_count;
    if (config.dialogs != nullptr && !answers.scripted()) config.dialogs->show_message(text);
    return 1;
}

// The answer goes to result1: 6 yes, 7 no, 2 neither; the command answers the window.
std::int32_t Core::State::ask_yes_no(Window& window, int n, TraceLine& line) {
    std::string_view text = block_text(window.block);
    line.add_text("text", text);
    std::optional<std::int32_t> asked;
    if (config.dialogs != nullptr && !answers.scripted()) asked = config.dialogs->ask_yes_no(text);
    if (asked && *asked != kAnswerYes && *asked != kAnswerNo) asked = kAnswerCancel;
    std::int32_t answer = asked ? *asked : answers.next();
    layout::write_i32(window.block, layout::kResult1, answer);
    line.add("answer", answer);
    if (window.state.question_count < INT32_MAX) ++window.state.question_count;
    return n;
}

}  // namespace luwnd
