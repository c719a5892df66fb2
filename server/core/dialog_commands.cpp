// The message ('B' 2) and yes/no question ('B' 3). Nobody can click in the window process
// without a display, so messages are kept and questions answered from the script.
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
    return 1;
}

// The answer goes to result1: 6 yes, 7 no, 2 neither; the command answers the window.
std::int32_t Core::State::ask_yes_no(Window& window, int n, TraceLine& line) {
    line.add_text("text", block_text(window.block));
    std::int32_t answer = answers.next();
    layout::write_i32(window.block, layout::kResult1, answer);
    line.add("answer", answer);
    if (window.state.question_count < INT32_MAX) ++window.state.question_count;
    return n;
}

}  // namespace luwnd
