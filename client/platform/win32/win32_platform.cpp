#include "win32_platform.h"

#include <conio.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace lumora::platform {

namespace {

// In a LUMORA_NAMESPACE session the window process prefixes its names with "<ns>.".
std::string mapping_name(const char* name) {
    const char* ns = std::getenv("LUMORA_NAMESPACE");
    if (ns == nullptr || *ns == '\0') return name;
    return std::string(ns) + "." + name;
}

HWND window_of(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

}  // namespace

// The view alone keeps the mapping alive, so the handle is closed at once.
MappedView Win32Platform::open_block(const char* name) {
    if (name == nullptr) {
        error_ = ERROR_INVALID_PARAMETER;
        return {};
    }
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, TRUE, mapping_name(name).c_str());
    if (mapping == nullptr) {
        error_ = GetLastError();
        return {};
    }
    void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0);
    if (view == nullptr) error_ = GetLastError();
    CloseHandle(mapping);
    MEMORY_BASIC_INFORMATION region{};
    if (view == nullptr || VirtualQuery(view, &region, sizeof region) == 0) {
        if (view != nullptr) {
            error_ = GetLastError();
            UnmapViewOfFile(view);
        }
        return {};
    }
    return {static_cast<std::uint8_t*>(view), region.RegionSize};
}

bool Win32Platform::unmap_block(const MappedView& view) {
    if (UnmapViewOfFile(view.data)) return true;
    error_ = GetLastError();
    return false;
}

std::uint32_t Win32Platform::last_error() {
    return error_;
}

bool Win32Platform::is_window_alive(WindowHandle handle) {
    return IsWindow(window_of(handle)) != FALSE;
}

// The result is the low 32 bits of what the window procedure returned.
std::int32_t Win32Platform::deliver_message(WindowHandle handle, std::uint32_t tag,
                                            const void* data, std::uint32_t length) {
    COPYDATASTRUCT record{};
    record.dwData = tag;
    record.cbData = length;
    record.lpData = const_cast<void*>(data);
    const LRESULT result =
        SendMessageA(window_of(handle), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(result & 0xFFFFFFFF));
}

// A box that could not be shown is no answer; Wine without a display gives -1 for it.
int Win32Platform::message_box(const char* text, std::uint32_t style) {
    const int answer = MessageBoxA(nullptr, text, nullptr, style);
    return answer > 0 ? answer : 0;
}

void Win32Platform::write_error_line(const char* text) {
    std::fprintf(stderr, "%s\n", text != nullptr ? text : "");
}

void Win32Platform::write_output(const char* text) {
    if (text != nullptr) std::fputs(text, stdout);
    std::fflush(stdout);
}

int Win32Platform::read_input_char() {
    return std::getchar();
}

int Win32Platform::poll_key() {
    return _kbhit();
}

int Win32Platform::read_key(bool echo) {
    return echo ? _getche() : _getch();
}

void Win32Platform::exit_program(int status) {
    std::fflush(nullptr);
    std::exit(status);
}

}  // namespace lumora::platform
