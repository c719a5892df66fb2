// Messages and yes/no questions shown to the user in message boxes, when the window
// process has a desktop. The file-name dialog and the text query keep their scripted
// answers (text_dialogs.h).
#pragma once

#include "server/core/text_dialogs.h"

namespace luwnd::win32 {

class ScreenDialogs : public ScriptedDialogs {
  public:
    using ScriptedDialogs::ScriptedDialogs;

    bool show_message(std::string_view text) override;
    std::optional<std::int32_t> ask_yes_no(std::string_view text) override;
};

}  // namespace luwnd::win32
