// Dialogs that first bring the screens up to date: everything the program drew before
// it asks is on the screen when the question comes up (frames held stay held). The host
// gives the dialogs it shows and what settles its screens.
#pragma once

#include <functional>
#include <utility>

#include "text_dialogs.h"

namespace luwnd {

class SettlingDialogs : public TextDialogs {
  public:
    // shown: not owned, outlives this.
    SettlingDialogs(TextDialogs& shown, std::function<void()> settle)
        : shown_(shown), settle_(std::move(settle)) {}

    std::optional<std::string> choose_file(std::string_view initial) override {
        settle();
        return shown_.choose_file(initial);
    }
    std::optional<std::string> ask_text(std::string_view prompt) override {
        settle();
        return shown_.ask_text(prompt);
    }
    bool show_message(std::string_view text) override {
        settle();
        return shown_.show_message(text);
    }
    std::optional<std::int32_t> ask_yes_no(std::string_view text) override {
        settle();
        return shown_.ask_yes_no(text);
    }

  private:
    void settle() {
        if (settle_) settle_();
    }

    TextDialogs& shown_;
    std::function<void()> settle_;
};

}  // namespace luwnd
