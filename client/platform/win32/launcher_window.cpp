#include "launcher_window.h"

#include <cstring>

namespace lumora::platform::win32 {

namespace {

constexpr const char* kClassName = "LuWnd";
constexpr std::size_t kOptionsSize = 256;

// What the window procedure needs while the window is created: one launch at a time.
struct PendingLaunch {
    const char* options = nullptr;
    ProgramLocator locate = nullptr;
    bool destroyed = false;
};
PendingLaunch g_launch;

// CreateProcessA may write into its command line, so it gets a copy.
LRESULT start_program() {
    char command_line[kOptionsSize] = {};
    if (g_launch.options != nullptr) {
        std::strncpy(command_line, g_launch.options, sizeof command_line - 1);
    }
    const char* program = g_launch.locate != nullptr ? g_launch.locate() : nullptr;
    STARTUPINFOA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program, command_line, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 0;
    }
    const DWORD waited = WaitForInputIdle(process.hProcess, kLaunchWaitMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return waited == 0 ? 0 : -1;
}

LRESULT CALLBACK launcher_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE: {
            const LRESULT result = start_program();
            DestroyWindow(window);
            return result;
        }
        case WM_DESTROY:
            g_launch.destroyed = true;
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wparam, lparam);
    }
}

// The class stays registered after the first start; a later start in the same run reuses
// it, as long as it is still ours.
bool register_launcher_class(HINSTANCE instance) {
    WNDCLASSA registered;
    if (GetClassInfoA(instance, kClassName, &registered)) {
        return registered.lpfnWndProc == launcher_window_proc;
    }
    WNDCLASSA type;
    std::memset(&type, 0, sizeof type);
    type.style = CS_HREDRAW | CS_VREDRAW;
    type.lpfnWndProc = launcher_window_proc;
    type.hInstance = instance;
    type.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    type.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    type.lpszClassName = kClassName;
    return RegisterClassA(&type) != 0;
}

}  // namespace

int run_launcher_window(HINSTANCE instance, const char* options, ProgramLocator locate) {
    if (!register_launcher_class(instance)) return 0;
    g_launch = PendingLaunch{options, locate, false};
    HWND window =
        CreateWindowExA(0, kClassName, "Graphics Window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_HIDE);
    UpdateWindow(window);
    // A window that never got as far as its creation message posts no quit message, and
    // the loop would wait for ever.
    if (!g_launch.destroyed) return 0;
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace lumora::platform::win32
