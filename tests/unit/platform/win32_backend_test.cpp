// The Win32 backend against real file mappings and a real window of this thread.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "client/platform/win32/win32_platform.h"

namespace lumora::platform {
namespace {

struct SeenCopyData {
    ULONG_PTR tag = 0;
    DWORD length = 0;
    char bytes[16] = {};
};
SeenCopyData seen;

// Answers WM_COPYDATA with the command's second byte, or with a value whose low 32 bits
// are 0x80000001 when that byte is '!'.
LRESULT CALLBACK command_window(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message != WM_COPYDATA) return DefWindowProcA(window, message, wparam, lparam);
    const auto* record = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
    seen.tag = record->dwData;
    seen.length = record->cbData;
    std::memcpy(seen.bytes, record->lpData, record->cbData < 16 ? record->cbData : 16);
    const char second = seen.bytes[1];
    return second == '!' ? static_cast<LRESULT>(0x780000001LL) : second;
}

HWND make_command_window() {
    static const bool registered = [] {
        WNDCLASSA type{};
        type.lpfnWndProc = command_window;
        type.hInstance = GetModuleHandleA(nullptr);
        type.lpszClassName = "LumoraPlatformTest";
        return RegisterClassA(&type) != 0;
    }();
    if (!registered) return nullptr;
    return CreateWindowExA(0, "LumoraPlatformTest", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TEST(Win32Blocks, MapsAMappingWholeAndSharesIt) {
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 2304,
                                        "LuWndPlatformTest1:2");
    ASSERT_NE(mapping, nullptr);
    auto* creator = static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0));
    ASSERT_NE(creator, nullptr);
    std::strcpy(creator, "0,655,7,0,9,9,9a");

    Win32Platform backend;
    const MappedView view = backend.open_block("LuWndPlatformTest1:2");
    ASSERT_NE(view.data, nullptr);
    EXPECT_GE(view.size, 2304u);
    EXPECT_STREQ(reinterpret_cast<const char*>(view.data), "0,655,7,0,9,9,9a");
    view.data[2303] = 'z';
    EXPECT_EQ(creator[2303], 'z');
    EXPECT_TRUE(backend.unmap_block(view));
    EXPECT_FALSE(backend.unmap_block(view));
    EXPECT_NE(backend.last_error(), 0u);

    UnmapViewOfFile(creator);
    CloseHandle(mapping);
}

TEST(Win32Blocks, NamespaceIsAPrefixAndMissingNamesFail) {
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096,
                                        "ci.LuWndPlatformTest2");
    ASSERT_NE(mapping, nullptr);
    Win32Platform backend;
    EXPECT_EQ(backend.open_block("LuWndPlatformTest2").data, nullptr);
    EXPECT_EQ(backend.last_error(), 2u);  // ERROR_FILE_NOT_FOUND
    _putenv("LUMORA_NAMESPACE=ci");
    const MappedView view = backend.open_block("LuWndPlatformTest2");
    _putenv("LUMORA_NAMESPACE=");
    ASSERT_NE(view.data, nullptr);
    EXPECT_EQ(view.size, 4096u);
    backend.unmap_block(view);
    CloseHandle(mapping);
}

TEST(Win32Commands, SendsCopyDataAndReturnsTheLow32Bits) {
    HWND window = make_command_window();
    ASSERT_NE(window, nullptr);
    Win32Platform backend;
    const auto handle = reinterpret_cast<WindowHandle>(window);
    EXPECT_TRUE(backend.is_window_alive(handle));

    const char command[] = "B#";
    EXPECT_EQ(backend.deliver_message(handle, 1, command, 3).result, '#');
    EXPECT_EQ(seen.tag, 1u);
    EXPECT_EQ(seen.length, 3u);
    EXPECT_EQ(std::memcmp(seen.bytes, command, 3), 0);
    EXPECT_EQ(backend.deliver_message(handle, 7, "A!", 3).result, INT32_MIN + 1);
    EXPECT_EQ(seen.tag, 7u);

    DestroyWindow(window);
    EXPECT_FALSE(backend.is_window_alive(handle));
    EXPECT_FALSE(backend.is_window_alive(0));
    EXPECT_FALSE(backend.deliver_message(handle, 1, command, 3).answered);
}

// Nothing is looked for beside the library on Windows, least of all a folder fixed when
// it was built.
TEST(Win32Facts, NoPlaceBesideTheLibrary) {
    Win32Platform backend;
    char directory[MAX_PATH] = "x";
    EXPECT_EQ(backend.installed_program_directory(directory, sizeof directory), 0u);
    EXPECT_STREQ(directory, "");
}

// Only Wine without a display answers a message box at once, as "not shown"; a real
// desktop would wait for the user.
TEST(Win32Messages, UnshownMessageBoxGivesNoAnswer) {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    const bool wine = ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    const char* display = std::getenv("DISPLAY");
    if (!wine || (display != nullptr && *display != '\0')) GTEST_SKIP() << "needs Wine, no display";
    Win32Platform backend;
    EXPECT_EQ(backend.message_box("Lumora platform test", kBoxError), 0);
}

}  // namespace
}  // namespace lumora::platform
