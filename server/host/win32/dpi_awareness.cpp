#include "dpi_awareness.h"

#include <windows.h>

namespace luwnd::win32 {
namespace {

constexpr std::int32_t kDefaultDpi = 96;

// SetProcessDpiAwarenessContext came with Windows 10; older systems have only
// SetProcessDPIAware. Both are looked up so that the program starts on either.
void declare_awareness() {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (user32 == nullptr) return;
    using ContextSetter = BOOL(WINAPI*)(HANDLE);
    auto set_context = reinterpret_cast<ContextSetter>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
    // DPI_AWARENESS_CONTEXT_SYSTEM_AWARE: one resolution, the one read below.
    if (set_context != nullptr && set_context(reinterpret_cast<HANDLE>(std::intptr_t{-2}))) return;
    using AwareSetter = BOOL(WINAPI*)();
    auto set_aware = reinterpret_cast<AwareSetter>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetProcessDPIAware")));
    if (set_aware != nullptr) set_aware();
}

}  // namespace

std::int32_t become_dpi_aware() {
    declare_awareness();
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return kDefaultDpi;
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDefaultDpi;
}

}  // namespace luwnd::win32
