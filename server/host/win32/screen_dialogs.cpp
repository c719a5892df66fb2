#include "screen_dialogs.h"

#include <windows.h>

#include <string>

namespace luwnd::win32 {
namespace {

constexpr char kCaption[] = "Lumora";

// The text is the program's bytes, read in the ANSI code page as MessageBoxA does; the box
// comes to the front, since the program that asks is not the process that shows it.
int message_box(std::string_view text, UINT kind) {
    const std::string shown(text);
    return MessageBoxA(nullptr, shown.c_str(), kCaption, kind | MB_SETFOREGROUND | MB_TOPMOST);
}

}  // namespace

bool ScreenDialogs::show_message(std::string_view text) {
    return message_box(text, MB_OK | MB_ICONINFORMATION) != 0;
}

std::optional<std::int32_t> ScreenDialogs::ask_yes_no(std::string_view text) {
    const int answer = message_box(text, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == 0) return std::nullopt;  // no box could be shown
    return answer;                         // IDYES 6, IDNO 7, IDCANCEL 2
}

}  // namespace luwnd::win32
