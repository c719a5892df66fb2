// Messages and yes/no questions shown to the user in small windows of their own, when
// the window process has an X display. The question window has Yes, No and Cancel (keys
// Y, N, Escape; Return is Yes), the message window OK (Return or Escape). Closing either
// window cancels. The file-name dialog and the text query keep their scripted answers
// (text_dialogs.h).
//
// While a dialog is up, only its own events are taken from the connection: those of the
// graphics windows wait in the queue until it is gone.
#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "server/core/text_dialogs.h"

namespace luwnd::posix {

class X11Dialogs : public ScriptedDialogs {
  public:
    X11Dialogs(Display* display, std::string_view file_answers, std::string_view query_answers)
        : ScriptedDialogs(file_answers, query_answers), display_(display) {}

    bool show_message(std::string_view text) override;
    std::optional<std::int32_t> ask_yes_no(std::string_view text) override;

    struct Button {
        const char* label;
        std::int32_t answer;
        int x = 0, y = 0, width = 0, height = 0;
    };

  private:
    // Shows the text with the buttons until one is chosen; its answer, or cancel_answer
    // when the window is closed. Nothing when no window could be made.
    std::optional<std::int32_t> run(std::string_view text, std::vector<Button> buttons,
                                    std::int32_t cancel_answer);

    Display* display_;
};

}  // namespace luwnd::posix
