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

}  // namespace
}  // namespace lumora::test
