// The window that receives the client's commands as WM_COPYDATA: a message-only window,
// so it needs no desktop. Its handle is what the process block header publishes.
#pragma once

#include <windows.h>

#include <cstdint>

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

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT copy_data(Core* core, const COPYDATASTRUCT* record);

    HWND window_ = nullptr;
};

// Runs the message loop until a quit message arrives.
void run_message_loop();

}  // namespace luwnd::win32
