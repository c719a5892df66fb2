// 'B' 50: the window's picture written now to the file the text area names.
#include <string>

#include "block_text.h"
#include "core_state.h"

namespace luwnd {

// The window number when the file was written; else 0, with the reason in the text area
// for the client to show.
std::int32_t Core::State::save_picture(Window& window, int n, TraceLine& line) {
    const std::string path(block_text(window.block));
    line.add_text("text", path);
    std::string error;
    if (path.empty()) {
        error = "no file name given";
    } else if (config.picture_saver == nullptr) {
        error = "this window process cannot write pictures";
    } else if (config.picture_saver->save(n, path, error)) {
        return n;
    }
    if (error.empty()) error = "the file could not be written";
    line.add_text("reply", put_reply_text(window.block, error));
    return refuse("file");
}

}  // namespace luwnd
