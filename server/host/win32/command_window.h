// The window that receives the client's commands as WM_COPYDATA: a message-only window,
// so it needs no desktop. Its handle is what the process block header publishes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "server/core/core.h"

namespace luwnd::win32 {

class CommandWindow {
  public:
    CommandWindow() = default;
    ~CommandWindow();
    CommandWindow(const CommandWindow&) = delete;
    CommandWindow& operator=(const CommandWindow&) = delete;

    // Registers the class and creates the window; false on failure.
    bool create(HINSTANCE instance);
    // Commands are answered 0 until a core is attached.
    void attach(Core* core);
    // The handle as the 32-bit decimal value clients read from the header.
    std::int32_t published_handle() const;

    // Called after each command the core handled, before the answer goes back, and
    // before the message loop is told to end after a quit.
    std::function<void()> on_command;
    // Whether the process is done after a command; when not set, once the client quit.
    std::function<bool()> finished;
    // Messages posted to the window that are not commands (message, wparam).
    std::function<void(UINT, WPARAM)> on_posted;
    HWND handle() const { return window_; }

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT copy_data(const COPYDATASTRUCT* record);

    HWND window_ = nullptr;
    Core* core_ = nullptr;
};

// Runs the message loop until a quit message arrives.
void run_message_loop();

}  // namespace luwnd::win32
