#include "display_choice.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace luwnd::win32 {
namespace {

bool set_and_not_empty(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

bool asked_headless() {
    const char* value = std::getenv("LUMORA_HEADLESS");
    return value != nullptr && value[0] != '\0' && std::string(value) != "0";
}

// A service runs in a window station the user cannot see.
bool interactive_window_station() {
    HWINSTA station = GetProcessWindowStation();
    USEROBJECTFLAGS flags{};
    if (station == nullptr ||
        !GetUserObjectInformationA(station, UOI_FLAGS, &flags, sizeof flags, nullptr))
        return true;  // nothing says otherwise
    return (flags.dwFlags & WSF_VISIBLE) != 0;
}

}  // namespace

bool running_under_wine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool screen_available() {
    if (asked_headless()) return false;
    if (running_under_wine() && !set_and_not_empty("DISPLAY") &&
        !set_and_not_empty("WAYLAND_DISPLAY"))
        return false;
    return interactive_window_station() && GetSystemMetrics(SM_CMONITORS) > 0;
}

}  // namespace luwnd::win32
