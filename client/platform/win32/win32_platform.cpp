#include "win32_platform.h"

#include <conio.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "launcher_window.h"

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

HANDLE file_of(FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

// The system colours a program may ask for: COLOR_SCROLLBAR (0) to COLOR_BTNHIGHLIGHT (20).
constexpr int kLastSystemColour = COLOR_BTNHIGHLIGHT;

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

// The result is the low 32 bits of what the window procedure returned. SendMessageA gives
// 0 when the window has gone before it answered; a 0 from a window that is gone right
// after counts as that, since nothing more can be sent to it anyway.
Reply Win32Platform::deliver_message(WindowHandle handle, std::uint32_t tag, const void* data,
                                     std::uint32_t length) {
    COPYDATASTRUCT record{};
    record.dwData = tag;
    record.cbData = length;
    record.lpData = const_cast<void*>(data);
    const LRESULT result =
        SendMessageA(window_of(handle), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
    const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(result & 0xFFFFFFFF));
    if (value == 0 && IsWindow(window_of(handle)) == FALSE) return {};
    return {value, true};
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

void Win32Platform::pause(int ms) {
    Sleep(static_cast<DWORD>(ms > 0 ? ms : 0));
}

std::uint32_t Win32Platform::get_environment(const char* name, char* buffer, std::uint32_t size) {
    const DWORD result = GetEnvironmentVariableA(name, buffer, size);
    if (result == 0) error_ = GetLastError();
    return result;
}

// FindFirstFileA finds files and directories alike: a directory of that name is passed
// over. Whether this user may run the file is left to CreateProcessA.
bool Win32Platform::is_program_file(const char* path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) {
        error_ = GetLastError();
        return false;
    }
    FindClose(search);
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        error_ = ERROR_DIRECTORY;
        return false;
    }
    return true;
}

std::uint32_t Win32Platform::module_file_name(char* buffer, std::uint32_t size) {
    if (buffer == nullptr || size == 0) return 0;
    const DWORD length = GetModuleFileNameA(nullptr, buffer, size);
    if (length == 0) error_ = GetLastError();
    buffer[length < size ? length : size - 1] = '\0';  // older systems leave a cut name open
    return length;
}

// Nothing beside the library is trusted on Windows: a folder such as \usr\local\bin at
// the root of the current drive may be made by any user.
std::uint32_t Win32Platform::installed_program_directory(char* buffer, std::uint32_t size) {
    if (buffer != nullptr && size > 0) buffer[0] = '\0';
    return 0;
}

std::uint32_t Win32Platform::process_id() {
    return GetCurrentProcessId();
}

int Win32Platform::ansi_code_page() {
    const UINT code_page = GetACP();
    return IsValidCodePage(code_page) ? static_cast<int>(code_page) : 1252;
}

const char* Win32Platform::command_line() {
    return GetCommandLineA();
}

std::uint32_t Win32Platform::current_directory(char* buffer, std::uint32_t size) {
    const DWORD result = GetCurrentDirectoryA(size, buffer);
    if (result == 0) error_ = GetLastError();
    return result;
}

FileHandle Win32Platform::open_file(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error_ = GetLastError();
        return kNoFile;
    }
    return reinterpret_cast<FileHandle>(file);
}

bool Win32Platform::seek_file(FileHandle file, std::int32_t offset) {
    if (SetFilePointer(file_of(file), offset, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) {
        error_ = GetLastError();
        return false;
    }
    return true;
}

bool Win32Platform::read_file(FileHandle file, void* buffer, std::uint32_t count,
                              std::uint32_t& bytes_read) {
    DWORD got = 0;
    const BOOL ok = ReadFile(file_of(file), buffer, count, &got, nullptr);
    bytes_read = got;
    if (!ok) error_ = GetLastError();
    return ok != FALSE;
}

void Win32Platform::close_file(FileHandle file) {
    if (file != kNoFile) CloseHandle(file_of(file));
}

int Win32Platform::launch_window_process(const char* options, ProgramLocator locate) {
    return win32::run_launcher_window(GetModuleHandleA(nullptr), options, locate);
}

bool Win32Platform::screen_size(int& width, int& height) {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return false;
    width = GetDeviceCaps(screen, HORZRES);
    height = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    return true;
}

std::uint32_t Win32Platform::system_colour(int index) {
    if (index < 0 || index > kLastSystemColour) return 0;
    return GetSysColor(index);
}

void Win32Platform::exit_program(int status) {
    std::fflush(nullptr);
    std::exit(status);
}

}  // namespace lumora::platform
