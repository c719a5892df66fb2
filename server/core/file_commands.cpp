// 'B' 11 (a data file loaded into the window), 'B' 13 (the file-name dialog) and 'B' 14
// (the text query). The dialogs answer through the text area.
#include <algorithm>
#include <fstream>
#include <string>

#include "block_text.h"
#include "client/channel/block_layout.h"
#include "core_state.h"
#include "data_file.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

constexpr std::int32_t kAppend = 0;
constexpr std::int32_t kReplace = 1;
constexpr std::int32_t kDialogChosen = 1;  // IDOK

}  // namespace

// Slot 2: 0 adds the file's items to the display list, 1 replaces the list with them.
// result1 the items added, result2 the lines skipped.
std::int32_t Core::State::load_data_file(Window& window, int n, const Slots& slots,
                                         TraceLine& line) {
    const std::string path(block_text(window.block));
    line.add_text("text", path);
    if (slots.p2 != kAppend && slots.p2 != kReplace) return refuse("value");
    std::ifstream in(path, std::ios::binary);
    if (!in) return refuse("file");
    std::optional<DataFile> file = read_data_file(in, DisplayList::kMaxItems);
    if (!file) return refuse("file");
    if (slots.p2 == kReplace) window.state.display = DisplayList(config.max_items);
    std::int32_t added = 0;
    for (DrawItem& item : file->items) {
        const bool text = item.kind == ItemKind::kText;
        if (text) item.font = window.state.text_font;
        if (!record(window, std::move(item), text)) break;
        ++added;
    }
    write_results(window.block, {added, file->skipped, 0, 0}, line);
    return n;
}

// The dialog starts from the text area's text; a chosen path replaces it. 1 chosen,
// 0 cancelled.
std::int32_t Core::State::file_name_dialog(Window& window, TraceLine& line) {
    const std::string initial(block_text(window.block));
    line.add_text("text", initial);
    std::optional<std::string> chosen = dialogs().choose_file(initial);
    if (!chosen) return refuse("cancel");
    line.add_text("reply", put_reply_text(window.block, *chosen));
    return kDialogChosen;
}

// The prompt is the text area's text; the answer replaces it. The window number, or 0
// when cancelled.
std::int32_t Core::State::text_query(Window& window, int n, TraceLine& line) {
    const std::string prompt(block_text(window.block));
    line.add_text("text", prompt);
    std::optional<std::string> answer = dialogs().ask_text(prompt);
    if (!answer) return refuse("cancel");
    line.add_text("reply", put_reply_text(window.block, *answer));
    return n;
}

}  // namespace luwnd
