// start_window_process finds luwnd.exe through LUMORADIR, starts it from the hidden
// launcher window and returns once it takes input: its process block is there at once.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/channel/client_state.h"
#include "client/channel/launcher.h"
#include "client/include/lumora.h"
#include "client/platform/platform.h"

namespace lumora::test {
namespace {

// Every process this test starts ends with it, whatever way the test goes.
void tie_children_to_this_test() {
    static HANDLE job = [] {
        HANDLE created = CreateJobObjectA(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        AssignProcessToJobObject(created, GetCurrentProcess());
        return created;
    }();
    (void)job;
}

void end_window_process(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (process == nullptr) return;
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
}

TEST(LaunchLuwnd, TheStartedWindowProcessPublishesItsBlockAtOnce) {
    tie_children_to_this_test();
    // _putenv sets both the C runtime's copy (which the client reads) and the process's.
    const std::string ns = "LUMORA_NAMESPACE=launch" + std::to_string(GetCurrentProcessId());
    _putenv(ns.c_str());
    _putenv("LUMORADIR=" LUWND_DIRECTORY);
    reset_client_state();
    std::strcpy(client_state().window_command_line, " /t /B");

    EXPECT_EQ(start_window_process(), 0);

    platform::Platform& os = platform::native();
    const platform::MappedView block = os.open_block("LuWnd1");
    ASSERT_NE(block.data, nullptr) << "no process block, error " << os.last_error();
    long long idle = -1, handle = 0;
    ASSERT_EQ(std::sscanf(reinterpret_cast<const char*>(block.data), "%lld,%lld", &idle, &handle),
              2);
    os.unmap_block(block);
    const HWND window = reinterpret_cast<HWND>(static_cast<std::intptr_t>(handle));
    EXPECT_TRUE(os.is_window_alive(static_cast<platform::WindowHandle>(handle)));
    end_window_process(window);
    _putenv("LUMORADIR=");
    reset_client_state();
}

// A headless window process ends after its program quit; opening again in the same run
// starts a fresh one from the launcher window, as the first open did.
TEST(LaunchLuwnd, OpeningAgainAfterAQuitStartsAnotherWindowProcess) {
    tie_children_to_this_test();
    const std::string id = std::to_string(GetCurrentProcessId());
    const std::string ns = "LUMORA_NAMESPACE=relaunch" + id;
    _putenv(ns.c_str());
    _putenv("LUMORADIR=" LUWND_DIRECTORY);
    _putenv("LUMORA_HEADLESS=1");
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string output = std::string(temp) + "lumora-relaunch-" + id;
    CreateDirectoryA(output.c_str(), nullptr);
    _putenv(("LUMORA_OUTPUT=" + output).c_str());
    reset_client_state();

    const int first = lu_open_window(0);
    ASSERT_GT(first, 0);
    const platform::WindowHandle first_process = client_state().table.window_handle;
    EXPECT_EQ(lu_draw_line(0.0f, 0.0f, 1.0f, 1.0f), first);
    lu_quit_with_flag(0);

    const int second = lu_open_window(0);
    ASSERT_GT(second, 0);
    const platform::WindowHandle second_process = client_state().table.window_handle;
    EXPECT_NE(second_process, first_process);
    EXPECT_EQ(lu_draw_line(0.0f, 1.0f, 1.0f, 0.0f), second);
    EXPECT_EQ(lu_quit_with_flag(0), 0);  // a run quits once: this one sends nothing

    end_window_process(reinterpret_cast<HWND>(static_cast<std::intptr_t>(second_process)));
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((output + "\\*.png").c_str(), &found);
    EXPECT_NE(search, INVALID_HANDLE_VALUE) << "the first process wrote no picture at its quit";
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileA((output + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(output.c_str());
    for (const char* name : {"LUMORADIR=", "LUMORA_HEADLESS=", "LUMORA_OUTPUT="}) _putenv(name);
    reset_client_state();
}

}  // namespace
}  // namespace lumora::test
