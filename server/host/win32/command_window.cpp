#include "command_window.h"

namespace luwnd::win32 {
namespace {

constexpr char kClassName[] = "LumoraCommandWindow";

}  // namespace

CommandWindow::~CommandWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
}

bool CommandWindow::create(HINSTANCE instance) {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.lpszClassName = kClassName;
    if (RegisterClassA(&window_class) == 0) return false;
    window_ = CreateWindowExA(0, kClassName, "luwnd", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              instance, nullptr);
    if (window_ == nullptr) return false;
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
}

void CommandWindow::attach(Core* core) {
    core_ = core;
}

std::int32_t CommandWindow::published_handle() const {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window_));
}

LRESULT CommandWindow::copy_data(const COPYDATASTRUCT* record) {
    Core* core = core_;
    if (core == nullptr || record == nullptr) return 0;
    // A tag beyond 32 bits must not pass for the valid tag 1 once cut short.
    std::uint32_t tag =
        record->dwData > 0xFFFFFFFFu ? 0 : static_cast<std::uint32_t>(record->dwData);
    std::int32_t result =
        core->handle(tag, static_cast<const std::uint8_t*>(record->lpData), record->cbData);
    if (on_command) on_command();
    // The pictures are written once the loop has ended, before the process exits.
    if (finished ? finished() : core->quit_requested()) PostQuitMessage(0);
    return static_cast<LRESULT>(result);
}

LRESULT CALLBACK CommandWindow::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COPYDATA) {
        auto* self = reinterpret_cast<CommandWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self == nullptr) return 0;
        return self->copy_data(reinterpret_cast<const COPYDATASTRUCT*>(lparam));
    }
    if (message >= WM_APP && message <= 0xBFFF) {
        auto* self = reinterpret_cast<CommandWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self != nullptr && self->on_posted) self->on_posted(message, wparam);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

void run_message_loop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace luwnd::win32
